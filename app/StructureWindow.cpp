#include "app/StructureWindow.h"

#include <QMenu>
#include <QTreeView>

#include "app/TreeView.h"

namespace lumorca::gui {

TStructureWindow::TStructureWindow(QWidget* owner, Tree& tree) : QObject(owner) {
    TreeModel* model = nullptr;
    StrukturOutline = MakeTreeView("StrukturOutline", owner, model);
    StructureModel = model;
    StructureModel->SetTree(&tree);
    connect(StrukturOutline->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { emit CurrentNodeChanged(StructureModel->NodeOf(current)); });
    PopupmenuStruktur = new QMenu(owner);
    PopupmenuStruktur->setObjectName(QStringLiteral("PopupmenuStruktur"));
    AttachGroupPopup(StrukturOutline, PopupmenuStruktur);
}

// The model points into the tree; unless the window took it first, it lets
// go before the tree does.
TStructureWindow::~TStructureWindow() {
    if (StructureModel != nullptr) StructureModel->SetTree(nullptr);
}

TreeNode* TStructureWindow::CurrentNode() const {
    return StructureModel->NodeOf(StrukturOutline->currentIndex());
}

void TStructureWindow::Clear() {
    PopupmenuStruktur->clear();
}

void TStructureWindow::ListingAnalysed(const std::vector<EntityMenuItem>& groups) {
    for (const EntityMenuItem& item : groups) {
        QAction* action = PopupmenuStruktur->addAction(
            QString::fromLatin1(item.Caption.data(), static_cast<qsizetype>(item.Caption.size())));
        action->setCheckable(true);
        TreeNode* node = item.Node;
        connect(action, &QAction::triggered, this, [this, node](bool checked) {
            const QModelIndex index = StructureModel->IndexOf(node);
            if (checked) {
                StrukturOutline->expand(index);
                StrukturOutline->setCurrentIndex(index);
            } else {
                StrukturOutline->collapse(index);
                for (TreeNode* child : node->Children)
                    StrukturOutline->collapse(StructureModel->IndexOf(child));
            }
        });
    }
    StrukturOutline->expand(StructureModel->index(0, 0));
}

}  // namespace lumorca::gui
