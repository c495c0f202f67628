// The main window's dialogs: options, find in XRef and About, and the
// recent-files menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>

#include "app/ChildWindows.h"
#include "app/Main.h"
#include "app/MainActions.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "analyzer/XRefTree.h"
#include "app/TreeModel.h"
#include "dialogs/Aboutbox.h"
#include "dialogs/FindXRefDialog.h"
#include "dialogs/ProgramIcon.h"
#include "options/OptionWin.h"

namespace lumorca::gui {

class TMain::FindXRefHost : public TFindXRefHost {
public:
    FindXRefHost(TMain* main, TXRefWindow* xref) : main_(main), xref_(xref) {}

    int Language() const override { return main_->Options().Language; }
    const Tree& XRefTree() const override { return main_->Analysis.XRef; }

    QStringList XRefPopupCaptions() const override {
        return xref_->PopupCaptions();
    }

    TreeNode* SelectedXRefNode() const override {
        return xref_->CurrentNode();
    }

    void ShowFoundNode(const TreeNode* node) override {
        xref_->Reveal(node, TXRefWindow::TOpen::Everything);
        main_->activateWindow();
        TChildWindows& windows = *main_->Windows_;
        TChildForm* xrefWin = windows.ChildOf(TWindowId::XRef);
        if (xrefWin->CurrentState() == StateMinimized) windows.toggleWin(xrefWin, true);
        windows.Activate(TWindowId::XRef);
        xref_->Outline()->setFocus();
    }

    // Over the dialog, which gets the keys back when the box is closed.
    void ShowMessage(const QString& text) override { main_->Messages->Error(main_->FormFindXRef, text); }

private:
    TMain* main_;
    TXRefWindow* xref_;
};

void TMain::CreateDialogs() {
    setWindowIcon(lumorca::ProgramIcon());
    FindXRefHost_ = std::make_unique<FindXRefHost>(this, XRefPart);
    FormFindXRef = new TFormFindXRef(FindXRefHost_.get(), this);
    OptionForm = new TOptionWin(*OptionWin, this);
    TOptionChoosers choosers = OptionForm->Choosers();
    choosers.ConfirmReset = [this](QWidget* parent, const QString& caption, const QString& text) {
        return Messages->AskYesNo(parent, caption, text) == TAnswer::Yes;
    };
    OptionForm->SetChoosers(std::move(choosers));
    connect(Actions->ActionShowOptions, &QAction::triggered, this, &TMain::ActionShowOptionsExecute);
    connect(Actions->ActionAbout, &QAction::triggered, this, &TMain::ActionAboutExecute);
}

void TMain::ActionShowOptionsExecute() {
    if (OptionForm->exec() != QDialog::Accepted) return;
    // ApplyOptions has run; the child windows show the new settings too.
    for (TChildForm* child : Windows_->Children()) child->update();
    update();
}

void TMain::ActionAboutExecute() {
    auto* about = new TAbout(Options().Language, this);
    about->setWindowModality(Qt::ApplicationModal);
    if (Services.AboutBoxOpened) Services.AboutBoxOpened(*about);
    about->exec();
}

void TMain::XRefFindDialogClick() {
    FormFindXRef->show();
    FormFindXRef->raise();
    FormFindXRef->activateWindow();
}

void TMain::ListingLoadedForDialogs() { FormFindXRef->ListingChanged(); }

bool TMain::PasteIntoDialog() {
    if (FormFindXRef == nullptr || !FormFindXRef->isVisible() ||
        QApplication::activeWindow() != FormFindXRef)
        return false;
    QString text;
    if (Services.ClipboardText) {
        const std::string bytes = Services.ClipboardText();
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } else if (const QClipboard* clipboard = QGuiApplication::clipboard()) {
        text = clipboard->text();
    }
    FormFindXRef->InsertFindText(text);
    return true;
}

void TMain::AttachHistoryMenu() {
    THistoryList& history = OptionWin->History();
    history.SetMenu(Actions->MenuItemFileList);
    history.SetOnFileClick([this](QObject* sender, const QString& fileName) {
        MenuItemHistoryFileClick(sender, fileName);
    });
}

void TMain::MenuItemHistoryFileClick(QObject*, const QString& fileName) { LoadFile(fileName); }

}  // namespace lumorca::gui
