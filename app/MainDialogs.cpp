// The main window's dialogs: options, find in XRef and About, and the
// recent-files menu.
#include "app/MainDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTreeView>

#include "app/ChildWindows.h"
#include "app/Main.h"
#include "app/MainActions.h"
#include "app/MessageService.h"
#include "app/XRefWindow.h"
#include "dialogs/Aboutbox.h"
#include "dialogs/FindXRefDialog.h"
#include "options/OptionWin.h"

namespace lumorca::gui {

class TMainDialogs::FindXRefHost : public TFindXRefHost {
public:
    FindXRefHost(QWidget* window, const TOptionSettings& settings, const Tree& tree, TXRefWindow& xref,
                 TChildWindows& windows, std::function<void(const QString&)> showMessage)
        : window_(window),
          settings_(settings),
          tree_(tree),
          xref_(xref),
          windows_(windows),
          showMessage_(std::move(showMessage)) {}

    int Language() const override { return settings_.Options().Language; }
    const Tree& XRefTree() const override { return tree_; }
    QStringList XRefPopupCaptions() const override { return xref_.PopupCaptions(); }
    TreeNode* SelectedXRefNode() const override { return xref_.CurrentNode(); }

    void ShowFoundNode(const TreeNode* node) override {
        xref_.Reveal(node, TXRefWindow::TOpen::Everything);
        window_->activateWindow();
        TChildForm* xrefWin = windows_.ChildOf(TWindowId::XRef);
        if (xrefWin->CurrentState() == StateMinimized) windows_.toggleWin(xrefWin, true);
        windows_.Activate(TWindowId::XRef);
        xref_.Outline()->setFocus();
    }

    void ShowMessage(const QString& text) override { showMessage_(text); }

private:
    QWidget* window_;
    const TOptionSettings& settings_;
    const Tree& tree_;
    TXRefWindow& xref_;
    TChildWindows& windows_;
    std::function<void(const QString&)> showMessage_;
};

TMainDialogs::TMainDialogs(QWidget* window, TOptionSettings& settings, const TMainServices& services,
                           std::function<TMessageService&()> messages, const AnalysisResult& analysis,
                           TXRefWindow& xref, TChildWindows& windows)
    : window_(window), settings_(settings), services_(services), windows_(windows) {
    // Over the dialog, which gets the keys back when the box is closed.
    FindXRefHost_ = std::make_unique<FindXRefHost>(
        window, settings, analysis.XRef, xref, windows,
        [this, messages](const QString& text) { messages().Error(FormFindXRef, text); });
    FormFindXRef = new TFormFindXRef(FindXRefHost_.get(), window);
    OptionForm = new TOptionWin(settings, window);
    TOptionChoosers choosers = OptionForm->Choosers();
    choosers.ConfirmReset = [messages](QWidget* parent, const QString& caption, const QString& text) {
        return messages().AskYesNo(parent, caption, text) == TAnswer::Yes;
    };
    OptionForm->SetChoosers(std::move(choosers));
}

TMainDialogs::~TMainDialogs() = default;

void TMainDialogs::ActionShowOptionsExecute() {
    if (OptionForm->exec() != QDialog::Accepted) return;
    // ApplyOptions has run; the child windows show the new settings too.
    for (TChildForm* child : windows_.Children()) child->update();
    window_->update();
}

void TMainDialogs::ActionAboutExecute() {
    auto* about = new TAbout(settings_.Options().Language, window_);
    about->setWindowModality(Qt::ApplicationModal);
    if (services_.AboutBoxOpened) services_.AboutBoxOpened(*about);
    about->exec();
}

void TMainDialogs::XRefFindDialogClick() {
    FormFindXRef->show();
    FormFindXRef->raise();
    FormFindXRef->activateWindow();
}

void TMainDialogs::ListingLoadedForDialogs() { FormFindXRef->ListingChanged(); }

bool TMainDialogs::PasteIntoDialog() {
    if (FormFindXRef == nullptr || !FormFindXRef->isVisible() ||
        QApplication::activeWindow() != FormFindXRef)
        return false;
    QString text;
    if (services_.ClipboardText) {
        const std::string bytes = services_.ClipboardText();
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } else if (const QClipboard* clipboard = QGuiApplication::clipboard()) {
        text = clipboard->text();
    }
    FormFindXRef->InsertFindText(text);
    return true;
}

void TMain::ActionShowOptionsExecute() { Dialogs->ActionShowOptionsExecute(); }

void TMain::XRefFindDialogClick() { Dialogs->XRefFindDialogClick(); }

void TMain::AttachHistoryMenu() {
    THistoryList& history = OptionWin->History();
    history.SetMenu(Actions->MenuItemFileList);
    history.SetOnFileClick([this](QObject* sender, const QString& fileName) {
        MenuItemHistoryFileClick(sender, fileName);
    });
}

void TMain::MenuItemHistoryFileClick(QObject*, const QString& fileName) { LoadFile(fileName); }

}  // namespace lumorca::gui
