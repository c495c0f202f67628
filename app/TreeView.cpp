#include "app/TreeView.h"

#include <QHeaderView>
#include <QMenu>
#include <QTreeView>

#include "app/TreeModel.h"

namespace lumorca::gui {

QTreeView* MakeTreeView(const char* name, QWidget* parent, TreeModel*& model) {
    auto* view = new QTreeView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setHeaderHidden(true);
    view->setUniformRowHeights(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->header()->setStretchLastSection(false);
    model = new TreeModel(view);
    view->setModel(model);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    return view;
}

void AttachGroupPopup(QTreeView* view, QMenu* popup) {
    QObject::connect(view, &QWidget::customContextMenuRequested, popup, [view, popup](const QPoint& pos) {
        if (!popup->isEmpty()) popup->popup(view->viewport()->mapToGlobal(pos));
    });
    auto* model = qobject_cast<TreeModel*>(view->model());
    QObject::connect(view, &QTreeView::expanded, popup, [model, popup](const QModelIndex& index) {
        AdjustPopupCheck(popup, model->NodeOf(index), true);
    });
    QObject::connect(view, &QTreeView::collapsed, popup, [model, popup](const QModelIndex& index) {
        AdjustPopupCheck(popup, model->NodeOf(index), false);
    });
}

namespace {

QVariant NodeData(const TreeNode* node) {
    return QVariant::fromValue(reinterpret_cast<quintptr>(node));
}

}  // namespace

void SetGroupNode(QAction* item, const TreeNode* node) {
    item->setData(NodeData(node));
}

void AdjustPopupCheck(QMenu* popup, const TreeNode* node, bool expanded) {
    if (node == nullptr || node->Role != NodeRole::Category) return;
    const QVariant data = NodeData(node);
    for (QAction* item : popup->actions()) {
        if (item->data() == data) {
            item->setChecked(expanded);
            return;
        }
    }
}

}  // namespace lumorca::gui
