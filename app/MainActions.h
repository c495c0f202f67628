#pragma once
// The main window's actions and the menus of its menu bar: made by the
// window, captioned in the language, shared with the source view.
class QAction;
class QMenu;

namespace lumorca::gui {

struct TMainActions {
    QAction *ActionMenuFile = nullptr, *ActionMenuWork = nullptr, *ActionMenuOptions = nullptr,
            *ActionMenuWindows = nullptr, *ActionMenuHelp = nullptr;
    QAction *ActionOpen = nullptr, *ActionReload = nullptr, *ActionPaste = nullptr,
            *ActionSave = nullptr, *ActionExit = nullptr;
    QAction *ActionPrev = nullptr, *ActionNext = nullptr, *ActionHistoryBack = nullptr,
            *ActionFind = nullptr, *ActionFindNext = nullptr, *ActionCopy = nullptr;
    QAction *ActionShowOptions = nullptr, *ActionResetOptions = nullptr;
    QAction *ActionArrange = nullptr, *ActionAutoArrange = nullptr;
    QAction *ActionStrukturWin = nullptr, *ActionXRefWin = nullptr, *ActionCallWin = nullptr,
            *ActionSourceWin = nullptr;
    QAction* ActionAbout = nullptr;
    QAction *ActionZnrTotal = nullptr, *ActionZnrTrigger = nullptr, *ActionContinue = nullptr,
            *ActionLowercase = nullptr, *ActionNonPropFont = nullptr, *ActionAutoIndent = nullptr;
    QAction* ActionFont = nullptr;
    // Menus of the main menu bar, for re-captioning.
    QMenu *MenuFile = nullptr, *MenuWork = nullptr, *MenuOptions = nullptr,
          *MenuWindows = nullptr, *MenuHelp = nullptr;
    QMenu* MenuItemFileList = nullptr;
};

}  // namespace lumorca::gui
