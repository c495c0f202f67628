#pragma once
// The small images of the three trees, drawn once at start-up.
#include <QIcon>
#include <QPixmap>

#include "analyzer/TreeImages.h"

namespace lumorca::gui {

// Image n (below TreeImageCount); an empty icon for any other index. With `warning`, the
// image carries the warning mark in its lower left corner.
const QIcon& TreeImage(int index, bool warning = false);
QPixmap DrawTreeImage(int index, bool warning, int size);

}  // namespace lumorca::gui
