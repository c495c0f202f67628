#pragma once
// The 34 small images of the three trees, drawn once at start-up.
#include <QIcon>
#include <QPixmap>

namespace lumorca::gui {

constexpr int ImageCount = 34;

// Image n (0..33); an empty icon for any other index. With `warning`, the
// image carries the warning mark in its lower left corner.
const QIcon& TreeImage(int index, bool warning = false);
QPixmap DrawTreeImage(int index, bool warning, int size);

}  // namespace lumorca::gui
