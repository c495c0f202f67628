// The trees lead the source view: a node chosen in the structure or XRef
// window shows its place.
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

}  // namespace lumorca::gui
