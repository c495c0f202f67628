#pragma once
// Pictures of the dialogs for a person to look at: every page of the options
// dialog, the find-XRef dialog and the About box, in English and in German.
#include <QDir>

namespace lumorca::gui {

class TMain;

// Writes the pictures into `out`; false when one could not be written.
bool WriteDialogScreenshots(TMain& main, const QDir& out);

}  // namespace lumorca::gui
