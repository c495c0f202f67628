// The trees lead the source view: a node chosen in the structure or XRef
// window shows its place; the source view's look-ups go to the XRef window.
#include <QTreeView>

#include "app/ChildWindows.h"
#include "app/Main.h"
#include "app/SourceView.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"

namespace lumorca::gui {

void TMain::StrukturOutlineChange(TreeNode* node) {
    if (Closing || Loading || node == nullptr || !node->HasRecord) return;
    SourcePart->GotoReference(node->Record, true);
}

void TMain::XRefOutlineChange(TreeNode* node) {
    if (Closing || Loading || node == nullptr || Analysis.XRef.Empty()) return;
    if (node->Level() < 2 || !node->Children.empty() || !node->HasRecord) return;
    SourcePart->GotoReference(node->Record, true);
}

void TMain::StrukturOutlineEnter() {
    if (!Loading) StrukturOutlineChange(StructurePart->CurrentNode());
}

void TMain::XRefOutlineEnter() {
    if (!Loading) XRefOutlineChange(XRefPart->CurrentNode());
}

TreeNode* TMain::LookupXRef(const std::vector<std::string>& path, bool select) {
    TreeNode* node = XRefPart->LookupXRef(path, select);
    if (node == nullptr || !select) return node;
    TChildForm* xrefWin = Windows_->ChildOf(TWindowId::XRef);
    if (xrefWin->CurrentState() == 1) Windows_->ReflectWindowState(xrefWin, 0);
    Windows_->Activate(TWindowId::XRef);
    XRefPart->Outline()->setFocus();
    return node;
}

void TMain::RevealInXRef(const TreeNode* node) {
    TChildForm* xrefWin = Windows_->ChildOf(TWindowId::XRef);
    Windows_->ReflectWindowState(xrefWin, xrefWin->CurrentState() == 1 ? 0 : xrefWin->CurrentState());
    Windows_->Activate(TWindowId::XRef);
    XRefPart->Reveal(node, TXRefWindow::TOpen::Node);
    XRefPart->Outline()->setFocus();
}

}  // namespace lumorca::gui
