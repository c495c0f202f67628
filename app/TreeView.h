#pragma once
// The read-only tree view the structure, XRef and call windows share, and
// the pop-up menu of the structure and XRef trees.
class QAction;
class QMenu;
class QTreeView;
class QWidget;

namespace lumorca {
struct TreeNode;
}

namespace lumorca::gui {

class TreeModel;

// A view named `name` showing a model of its own, returned in `model`.
QTreeView* MakeTreeView(const char* name, QWidget* parent, TreeModel*& model);

// Opens `popup` on the view's context menu request when it has items, and
// keeps the check marks of its group items in step with the view.
void AttachGroupPopup(QTreeView* view, QMenu* popup);

// Ties a pop-up item to the group node it opens and closes.
void SetGroupNode(QAction* item, const TreeNode* node);

// The item tied to a group at level 1 shows whether the group is open.
void AdjustPopupCheck(QMenu* popup, const TreeNode* node, bool expanded);

}  // namespace lumorca::gui
