#include "app/XRefWindow.h"

#include <QMenu>
#include <QTreeView>
#include <utility>

#include "analyzer/XRefTree.h"
#include "app/TreeView.h"

namespace lumorca::gui {

TXRefWindow::TXRefWindow(QWidget* owner, Tree& tree) : QObject(owner), tree_(tree) {
    TreeModel* model = nullptr;
    XRefOutline = MakeTreeView("XRefOutline", owner, model);
    XRefModel = model;
    XRefModel->SetTree(&tree);
    XRefModel->SetCaptions([this](const TreeNode& node) -> const std::string& { return XRefCaption(node, Language); });
    connect(XRefOutline->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit CurrentNodeChanged(XRefModel->NodeOf(current)); });
    PopupmenuXRef = new QMenu(owner);
    PopupmenuXRef->setObjectName(QStringLiteral("PopupmenuXRef"));
    AttachGroupPopup(XRefOutline, PopupmenuXRef);
    connect(PopupmenuXRef, &QMenu::triggered, this, [this](QAction* item) {
        if (item == PopupmenuXRef->actions().constLast()) {
            item->setChecked(false);
            emit FindRequested();
        } else {
            PopupXRefClick(item);
        }
    });
}

// The model points into the tree; unless the window took it first, it lets
// go before the tree does.
TXRefWindow::~TXRefWindow() {
    if (XRefModel != nullptr) XRefModel->SetTree(nullptr);
}

TreeNode* TXRefWindow::CurrentNode() const {
    return XRefModel->NodeOf(XRefOutline->currentIndex());
}

void TXRefWindow::Reveal(const TreeNode* node, TOpen open) {
    const QModelIndex index = XRefModel->IndexOf(node);
    if (!index.isValid()) return;
    if (open == TOpen::Node) XRefOutline->expand(index);
    if (open == TOpen::Everything) XRefOutline->expandRecursively(index);
    XRefOutline->setCurrentIndex(index);
    XRefOutline->scrollTo(index);
}

void TXRefWindow::ListingAnalysed(bool sortLocals, int language, bool enabled) {
    Language = language;
    FillXRefPopup(enabled);
    ArrangedSortLocals = sortLocals;
    XRefOutline->expand(XRefModel->index(0, 0));
}

void TXRefWindow::Clear() {
    PopupmenuXRef->clear();
}

void TXRefWindow::ShowLanguage(int language, bool enabled) {
    const bool changed = language != Language;
    Language = language;
    if (tree_.Empty()) return;
    FillXRefPopup(enabled);
    if (!changed) return;
    // Only categories and the groups captioned like them change.
    std::as_const(tree_).ForEach([this](const TreeNode* node) {
        if (node->Role == NodeRole::Category || node->Role == NodeRole::Group) XRefModel->NodeChanged(node);
    });
}

// Regrouping moves nodes: the view is told the whole tree changed.
void TXRefWindow::ArrangeLocals(bool sortLocals) {
    if (tree_.Empty() || sortLocals == ArrangedSortLocals) return;
    {
        TreeModel::Rebuilding rebuilding(XRefModel);
        lumorca::ArrangeLocals(tree_, sortLocals);
    }
    XRefOutline->expand(XRefModel->index(0, 0));
    ArrangedSortLocals = sortLocals;
}

void TXRefWindow::EnablePopup(bool enabled) {
    for (QAction* item : PopupmenuXRef->actions()) {
        item->setChecked(false);
        item->setEnabled(enabled);
    }
}

QStringList TXRefWindow::PopupCaptions() const {
    QStringList captions;
    for (const QAction* item : PopupmenuXRef->actions())
        captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

void TXRefWindow::FillXRefPopup(bool enabled) {
    PopupmenuXRef->clear();
    const std::vector<std::string> captions = XRefPopupCaptions(tree_, Language);
    const TreeNode* root = tree_.FirstRoot();
    for (size_t i = 0; i < captions.size(); ++i) {
        const std::string& caption = captions[i];
        if (caption == "-") {
            PopupmenuXRef->addSeparator();
            continue;
        }
        QAction* item = PopupmenuXRef->addAction(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
        // The last item finds a symbol; it is no toggle.
        const bool isFind = i + 1 == captions.size();
        item->setCheckable(!isFind);
        item->setEnabled(enabled);
        if (!isFind && root != nullptr && i < root->Children.size()) SetGroupNode(item, root->Children[i]);
    }
}

void TXRefWindow::PopupXRefClick(QAction* item) {
    // One item per category node, in the order of the nodes.
    const TreeNode* root = tree_.FirstRoot();
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

}  // namespace lumorca::gui
