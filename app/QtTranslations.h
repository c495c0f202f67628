#pragma once
// Qt's own texts (standard buttons, file, colour and font dialogs) in the
// program's language.

namespace lumorca::gui {

// 0 German, 1 English. Widgets that are open follow at once.
void UseQtTranslations(int language);

}  // namespace lumorca::gui
