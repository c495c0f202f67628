#pragma once
// The check that keeps a window from being restored (almost) outside the
// screen or outside the main window.
#include <QRect>
#include <QSize>

#include <vector>

namespace lumorca {

struct TWindowGeometry {
    int Left = 0;
    int Width = 0;
    int Top = 0;
    int Height = 0;
    bool operator==(const TWindowGeometry&) const = default;
};

struct TGeometryLimits {
    int Width = 0;   // the screen (main window) or the main window's outer size
    int Height = 0;
    int MinWidth = 0;
    int MinHeight = 0;
};

TGeometryLimits MainWindowLimits(QSize screen);
TGeometryLimits ChildWindowLimits(QSize mainWindowOuter);

bool GeometryIsValid(const TWindowGeometry& g, const TGeometryLimits& limits);

struct TGeometryCheck {
    TWindowGeometry Geometry;        // the stored geometry, or its replacement
    bool ClearWindowsPlaced = false; // a child window needs the automatic arrangement
};

// A main window that fails the check gets 80 % of the screen, centred; a
// child window gets zeros and is left to the automatic arrangement.
TGeometryCheck CheckMainWindowGeometry(const TWindowGeometry& stored, QSize screen);
// The same on several screens, given by their available areas, the primary
// first: the window has to fit one of them.
TGeometryCheck CheckMainWindowGeometry(const TWindowGeometry& stored, const std::vector<QRect>& screens);
TGeometryCheck CheckChildWindowGeometry(const TWindowGeometry& stored, QSize mainWindowOuter);

}  // namespace lumorca
