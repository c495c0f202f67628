#include "app/TreeView.h"

#include <QHeaderView>
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

}  // namespace lumorca::gui
