// The call window: its tree is rebuilt from the cross-reference tree when
// the selector or the direction changes; children are computed on expand.
#include <QComboBox>
#include <QMdiArea>
#include <QRadioButton>
#include <QTreeView>

#include "app/Main.h"
#include "analyzer/XRefTree.h"
#include "app/TreeModel.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

namespace {

std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

void TMain::ComboBoxEntryListChange() {
    const QString name = ComboBoxEntryList->currentText();
    if (name.isEmpty() || !HasListing()) return;
    const std::string latin = ToLatin1(name);
    const CallDirection direction =
        RadioButtonCalledFrom->isChecked() ? CallDirection::CalledFrom : CallDirection::Calling;
    if (!CallTree.Empty() && CallTree.FirstRoot()->Caption == latin && CallGraph_ &&
        CallGraph_->Direction() == direction)
        return;

    CallTreeBuilding = true;
    CallModel->BeginRebuild();
    CallTreeBuilder.reset();
    CallTree.Clear();
    AnalysisSettings settings = ToAnalysisSettings(Options());
    CallGraph_ = std::make_unique<CallGraph>(Analysis.XRef, ListingLines_, StructureStarts,
                                             Analysis.EntryList, settings, direction);
    CallTreeBuilder = std::make_unique<LazyCallTree>(*CallGraph_, CallTree);
    CallTreeBuilder->Build(latin, Options().ExpandCallTree);
    CallModel->SetLazyChildren(TreeModel::LazyChildren{
        [this](const TreeNode* node) {
            return CallTreeBuilder && CallTreeBuilder->HasPendingChildren(node);
        },
        [this](TreeNode* node) { return CallTreeBuilder && CallTreeBuilder->EnsureChildren(node); }});
    CallModel->EndRebuild();
    if (TreeNode* root = CallTree.FirstRoot()) SyncExpansion(CallOutline, CallModel, root);
    CallTreeBuilding = false;
}

// Opens in the view what the tree marks as expanded.
void TMain::SyncExpansion(QTreeView* view, TreeModel* model, TreeNode* node) {
    if (!node->Expanded) return;
    view->expand(model->IndexOf(node));
    for (TreeNode* child : node->Children) SyncExpansion(view, model, child);
}

void TMain::ExpandCallNode(const QModelIndex& index) {
    TreeNode* node = CallModel->NodeOf(index);
    if (node == nullptr) return;
    node->Expanded = true;
    if (CallModel->canFetchMore(index)) CallModel->fetchMore(index);
}

void TMain::MenuItemShowLocalClick(bool locals) {
    if (!HasListing()) return;
    const auto [caption, kind] = StructureName(ListingLines_, StructureStarts, CurrentStructure);
    const std::string group = ToLatin1(Txt(locals ? TextCatLocalVars : TextCatParameters));
    std::vector<std::string> path;
    if (Options().SortLocals && kind != 1) {
        path = {StructureKindCaption(kind, Options().Language), NthWord(caption, 2), group};
    } else {
        path = {group, caption};
    }
    TreeNode* node = FindXRefNode(Analysis.XRef, path);
    if (node == nullptr) return;
    const QModelIndex index = XRefModel->IndexOf(node);
    XRefOutline->expand(index);
    ReflectWindowState(XRefWin, XRefWin->CurrentState() == 1 ? 0 : XRefWin->CurrentState());
    MdiArea->setActiveSubWindow(XRefWin);
    XRefOutline->setCurrentIndex(index);
    XRefOutline->scrollTo(index);
    XRefOutline->setFocus();
}

void TMain::MenuItemExpandCalltreeClick() {
    if (CallTree.Empty() || !CallTreeBuilder) return;
    CallModel->BeginRebuild();
    CallTreeBuilder->ExpandTree();
    CallModel->EndRebuild();
    SyncExpansion(CallOutline, CallModel, CallTree.FirstRoot());
}

void TMain::MenuItemCollapseCalltreeClick() {
    if (CallTree.Empty() || !CallTreeBuilder) return;
    CallTreeBuilder->CollapseTree();
    for (TreeNode* child : CallTree.FirstRoot()->Children) {
        const QModelIndex index = CallModel->IndexOf(child);
        CallOutline->collapse(index);
        std::vector<TreeNode*> stack(child->Children.begin(), child->Children.end());
        while (!stack.empty()) {
            TreeNode* n = stack.back();
            stack.pop_back();
            CallOutline->collapse(CallModel->IndexOf(n));
            stack.insert(stack.end(), n->Children.begin(), n->Children.end());
        }
    }
}

}  // namespace lumorca::gui
