#pragma once
// What the program and its tools share when they start the main window.
#include <QString>
#include <string>

namespace lumorca::gui {

// The clipboard's text as Latin-1 bytes; other characters become '?'.
std::string ClipboardLatin1();

}  // namespace lumorca::gui
