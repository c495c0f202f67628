// The main window's dialogs: options, find in XRef and About, and the
// recent-files menu.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTreeView>

#include "app/Main.h"
#include "analyzer/XRefTree.h"
#include "app/TreeModel.h"
#include "dialogs/Aboutbox.h"
#include "dialogs/FindXRefDialog.h"
#include "dialogs/ProgramIcon.h"
#include "options/OptionWin.h"

namespace lumorca::gui {

namespace {

class FindXRefHost : public TFindXRefHost {
public:
    explicit FindXRefHost(TMain* main) : main_(main) {}

    int Language() const override { return main_->Options().Language; }
    const Tree& XRefTree() const override { return main_->Analysis.XRef; }

    QStringList XRefPopupCaptions() const override {
        QStringList captions;
        for (const QAction* item : main_->PopupmenuXRef->actions())
            captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
        return captions;
    }

    TreeNode* SelectedXRefNode() const override {
        const QModelIndex current = main_->XRefOutline->currentIndex();
        return current.isValid() ? main_->XRefModel->NodeOf(current) : nullptr;
    }

    void ShowFoundNode(const TreeNode* node) override {
        const QModelIndex index = main_->XRefModel->IndexOf(node);
        main_->XRefOutline->expandRecursively(index);
        main_->XRefOutline->setCurrentIndex(index);
        main_->XRefOutline->scrollTo(index);
        main_->activateWindow();
        if (main_->XRefWin->CurrentState() == StateMinimized) main_->toggleWin(main_->XRefWin, true);
        main_->MdiArea->setActiveSubWindow(main_->XRefWin);
        main_->XRefOutline->setFocus();
    }

    // Over the dialog, which gets the keys back when the box is closed.
    void ShowMessage(const QString& text) override { main_->Messages->Error(main_->FormFindXRef, text); }

private:
    TMain* main_;
};

}  // namespace

void TMain::CreateDialogs() {
    setWindowIcon(lumorca::ProgramIcon());
    FindXRefHost_ = std::make_unique<FindXRefHost>(this);
    FormFindXRef = new TFormFindXRef(FindXRefHost_.get(), this);
    OptionForm = new TOptionWin(*OptionWin, this);
    OptionForm->ConfirmReset = [this](QWidget* parent, const QString& caption, const QString& text) {
        return Messages->AskYesNo(parent, caption, text) == TAnswer::Yes;
    };
    connect(ActionShowOptions, &QAction::triggered, this, &TMain::ActionShowOptionsExecute);
    connect(ActionAbout, &QAction::triggered, this, &TMain::ActionAboutExecute);
    // The XRef tree's pop-up: one item per group, then the find item.
    connect(PopupmenuXRef, &QMenu::triggered, this, [this](QAction* item) {
        if (item == PopupmenuXRef->actions().constLast()) {
            item->setChecked(false);
            XRefFindDialogClick();
        } else {
            PopupXRefClick(item);
        }
    });
}

void TMain::PopupXRefClick(QAction* item) {
    // One item per category node, in the order of the nodes.
    const TreeNode* root = Analysis.XRef.FirstRoot();
    const qsizetype row = PopupmenuXRef->actions().indexOf(item);
    if (root == nullptr || row < 0 || row >= static_cast<qsizetype>(root->Children.size())) return;
    const TreeNode* group = root->Children[static_cast<size_t>(row)];
    // The item's check mark has already flipped: checked now means it was not.
    const QModelIndex index = XRefModel->IndexOf(group);
    if (item->isChecked())
        XRefOutline->expand(index);
    else
        XRefOutline->collapse(index);
}

void TMain::ActionShowOptionsExecute() {
    if (OptionForm->exec() != QDialog::Accepted) return;
    // ApplyOptions has run; the child windows show the new settings too.
    for (QWidget* child : {static_cast<QWidget*>(StructureWin), static_cast<QWidget*>(XRefWin),
                           static_cast<QWidget*>(CallWin), static_cast<QWidget*>(SourceWin)})
        child->update();
    update();
}

void TMain::ActionAboutExecute() {
    auto* about = new TAbout(Options().Language, this);
    about->setWindowModality(Qt::ApplicationModal);
    if (AboutBoxOpened) AboutBoxOpened(*about);
    about->exec();
}

void TMain::XRefFindDialogClick() {
    FormFindXRef->show();
    FormFindXRef->raise();
    FormFindXRef->activateWindow();
}

void TMain::ListingLoadedForDialogs() { FormFindXRef->ListBuilt = false; }

bool TMain::PasteIntoDialog() {
    if (FormFindXRef == nullptr || !FormFindXRef->isVisible() ||
        QApplication::activeWindow() != FormFindXRef)
        return false;
    QString text;
    if (ClipboardText) {
        const std::string bytes = ClipboardText();
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } else if (const QClipboard* clipboard = QGuiApplication::clipboard()) {
        text = clipboard->text();
    }
    FormFindXRef->EditFindWhat->insert(text);
    return true;
}

void TMain::AttachHistoryMenu() {
    THistoryList& history = OptionWin->History;
    history.SetMenu(MenuItemFileList);
    history.OnFileClick = [this](QObject* sender, const QString& fileName) {
        MenuItemHistoryFileClick(sender, fileName);
    };
}

void TMain::MenuItemHistoryFileClick(QObject*, const QString& fileName) { LoadFile(fileName); }

}  // namespace lumorca::gui
