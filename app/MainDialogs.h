#pragma once
// The main window's dialogs: the options, find in XRef and About.
#include <functional>
#include <memory>

#include "analyzer/Analysis.h"
#include "app/MainServices.h"

class QWidget;

namespace lumorca {
class TFormFindXRef;
class TOptionSettings;
class TOptionWin;
}  // namespace lumorca

namespace lumorca::gui {

class TChildWindows;
class TXRefWindow;

class TMainDialogs {
public:
    // The dialogs are windows of `window`. The services and the message
    // boxes are looked up when used: tests replace them after start-up.
    TMainDialogs(QWidget* window, TOptionSettings& settings, const TMainServices& services,
                 std::function<TMessageService&()> messages, const AnalysisResult& analysis, TXRefWindow& xref,
                 TChildWindows& windows);
    ~TMainDialogs();

    void ActionShowOptionsExecute();
    void ActionAboutExecute();
    void XRefFindDialogClick();
    void ListingLoadedForDialogs();
    // Paste goes to the find-XRef dialog's edit when that dialog is in front.
    bool PasteIntoDialog();

private:
    class FindXRefHost;

    QWidget* window_;
    TOptionSettings& settings_;
    const TMainServices& services_;
    std::unique_ptr<FindXRefHost> FindXRefHost_;
    TOptionWin* OptionForm = nullptr;
    TFormFindXRef* FormFindXRef = nullptr;
    TChildWindows& windows_;
};

}  // namespace lumorca::gui
