#include "options/WindowGeometry.h"

#include <algorithm>
#include <climits>

namespace lumorca {

namespace {

int Clamped(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

TGeometryLimits MainWindowLimits(QSize screen) { return {screen.width(), screen.height(), 200, 200}; }

TGeometryLimits ChildWindowLimits(QSize mainWindowOuter) {
    return {mainWindowOuter.width(), mainWindowOuter.height(), 50, 100};
}

bool GeometryIsValid(const TWindowGeometry& g, const TGeometryLimits& limits) {
    // Stored numbers can be anything: add in 64 bits.
    const long long left = g.Left, width = g.Width, top = g.Top, height = g.Height;
    // A window larger than its screen (or main window) cannot be used, and
    // a huge one would not even get a back buffer.
    return left + width > 20 && left + 20 < limits.Width && width >= limits.MinWidth && width <= limits.Width &&
           top + height > 20 && top + 20 < limits.Height && height >= limits.MinHeight && height <= limits.Height;
}

TGeometryCheck CheckMainWindowGeometry(const TWindowGeometry& stored, QSize screen) {
    return CheckMainWindowGeometry(stored, std::vector<QRect>{QRect(QPoint(0, 0), screen)});
}

TGeometryCheck CheckMainWindowGeometry(const TWindowGeometry& stored, const std::vector<QRect>& screens) {
    for (const QRect& area : screens) {
        TWindowGeometry onScreen = stored;
        onScreen.Left = Clamped(0LL + stored.Left - area.left());
        onScreen.Top = Clamped(0LL + stored.Top - area.top());
        if (GeometryIsValid(onScreen, MainWindowLimits(area.size()))) return {stored, false};
    }
    const QRect primary = screens.empty() ? QRect(0, 0, 1024, 768) : screens.front();
    TWindowGeometry g;
    g.Left = primary.width() / 10;
    g.Width = primary.width() - 2 * g.Left;
    g.Top = primary.height() / 10;
    g.Height = primary.height() - 2 * g.Top;
    g.Left += primary.left();
    g.Top += primary.top();
    return {g, false};
}

TGeometryCheck CheckChildWindowGeometry(const TWindowGeometry& stored, QSize mainWindowOuter) {
    if (GeometryIsValid(stored, ChildWindowLimits(mainWindowOuter))) return {stored, false};
    return {TWindowGeometry{}, true};
}

}  // namespace lumorca
