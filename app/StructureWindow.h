#pragma once
// The structure window's part: the tree of the listing's triggers and
// entries, and its pop-up of entity groups.
#include <QObject>
#include <QPointer>
#include <vector>

#include "analyzer/Analysis.h"
#include "app/TreeModel.h"

class QMenu;
class QTreeView;
class QWidget;

namespace lumorca::gui {

class TStructureWindow : public QObject {
    Q_OBJECT
public:
    // `tree` belongs to the main window's analysis and outlives the part.
    TStructureWindow(QWidget* owner, Tree& tree);
    ~TStructureWindow() override;

    QTreeView* Outline() const { return StrukturOutline; }
    // While it lives the view knows the tree is being replaced.
    TreeModel::Rebuilding Rebuilding() { return TreeModel::Rebuilding(StructureModel); }
    TreeNode* CurrentNode() const;

    // A new analysis: one pop-up item per entity group, the root open.
    void ListingAnalysed(const std::vector<EntityMenuItem>& groups);
    void Clear();

signals:
    // The user moved to a node.
    void CurrentNodeChanged(lumorca::TreeNode* node);

private:
    QTreeView* StrukturOutline = nullptr;
    QPointer<TreeModel> StructureModel;
    QMenu* PopupmenuStruktur = nullptr;
};

}  // namespace lumorca::gui
