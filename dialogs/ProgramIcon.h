#pragma once
// The program's icon, drawn rather than loaded, so it needs no resource file.
#include <QIcon>
#include <QPixmap>

namespace lumorca {

QPixmap ProgramPixmap(int size);
QIcon ProgramIcon();

}  // namespace lumorca
