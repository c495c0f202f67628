// The trees lead the source view: a node chosen in the structure or XRef
// window shows its place.
#include "app/MainSourceLink.h"
#include "app/SourceView.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"

namespace lumorca::gui {

void TMain::StrukturOutlineChange(TreeNode* node) { SourceLink_->StrukturOutlineChange(node); }

void TMain::SourceLink::StrukturOutlineChange(TreeNode* node) {
    if (main_.Closing || main_.Loading || node == nullptr || !node->HasRecord) return;
    main_.SourcePart->GotoReference(node->Record, true);
}

void TMain::SourceLink::XRefOutlineChange(TreeNode* node) {
    if (main_.Closing || main_.Loading || node == nullptr || main_.Analysis.XRef.Empty()) return;
    if (node->Role != NodeRole::Reference) return;
    main_.SourcePart->GotoReference(node->Record, true);
}

void TMain::SourceLink::StrukturOutlineEnter() {
    if (!main_.Loading) StrukturOutlineChange(main_.StructurePart->CurrentNode());
}

void TMain::SourceLink::XRefOutlineEnter() {
    if (!main_.Loading) XRefOutlineChange(main_.XRefPart->CurrentNode());
}

}  // namespace lumorca::gui
