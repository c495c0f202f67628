#include "options/WindowGeometry.h"

namespace lumorca {

TGeometryLimits MainWindowLimits(QSize screen) { return {screen.width(), screen.height(), 200, 200}; }

TGeometryLimits ChildWindowLimits(QSize mainWindowOuter) {
    return {mainWindowOuter.width(), mainWindowOuter.height(), 50, 100};
}

bool GeometryIsValid(const TWindowGeometry& g, const TGeometryLimits& limits) {
    // Stored numbers can be anything: add in 64 bits.
    const long long left = g.Left, width = g.Width, top = g.Top, height = g.Height;
    return left + width > 20 && left + 20 < limits.Width && width >= limits.MinWidth &&
           top + height > 20 && top + 20 < limits.Height && height >= limits.MinHeight;
}

TGeometryCheck CheckMainWindowGeometry(const TWindowGeometry& stored, QSize screen) {
    if (GeometryIsValid(stored, MainWindowLimits(screen))) return {stored, false};
    TWindowGeometry g;
    g.Left = screen.width() / 10;
    g.Width = screen.width() - 2 * g.Left;
    g.Top = screen.height() / 10;
    g.Height = screen.height() - 2 * g.Top;
    return {g, false};
}

TGeometryCheck CheckChildWindowGeometry(const TWindowGeometry& stored, QSize mainWindowOuter) {
    if (GeometryIsValid(stored, ChildWindowLimits(mainWindowOuter))) return {stored, false};
    return {TWindowGeometry{}, true};
}

}  // namespace lumorca
