#pragma once
// The read-only tree view the structure, XRef and call windows share.
class QTreeView;
class QWidget;

namespace lumorca::gui {

class TreeModel;

// A view named `name` showing a model of its own, returned in `model`.
QTreeView* MakeTreeView(const char* name, QWidget* parent, TreeModel*& model);

}  // namespace lumorca::gui
