#pragma once
// The XRef window's part: the cross-reference tree, its grouping of locals
// and its pop-up of categories with the find item last.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <string>
#include <vector>

#include "app/TreeModel.h"

class QAction;
class QMenu;
class QTreeView;
class QWidget;

namespace lumorca::gui {

class TXRefWindow : public QObject {
    Q_OBJECT
public:
    // `tree` belongs to the main window's analysis and outlives the part.
    TXRefWindow(QWidget* owner, Tree& tree);
    ~TXRefWindow() override;

    QTreeView* Outline() const { return XRefOutline; }
    // While it lives the view knows the tree is being replaced.
    TreeModel::Rebuilding Rebuilding() { return TreeModel::Rebuilding(XRefModel); }
    TreeNode* CurrentNode() const;
    enum class TOpen { Nothing, Node, Everything };
    void Reveal(const TreeNode* node, TOpen open);

    // A new analysis, grouped by `sortLocals`, shown in `language`.
    void ListingAnalysed(bool sortLocals, int language, bool enabled);
    void Clear();
    // Options applied: the tree and the pop-up shown in the language, locals
    // grouped anew.
    void ShowLanguage(int language, bool enabled);
    void ArrangeLocals(bool sortLocals);
    void EnablePopup(bool enabled);
    // The pop-up's items, separators as "-".
    QStringList PopupCaptions() const;

signals:
    void CurrentNodeChanged(lumorca::TreeNode* node);
    // The pop-up's last item.
    void FindRequested();

private:
    void FillXRefPopup(bool enabled);
    void PopupXRefClick(QAction* item);

    Tree& tree_;
    QTreeView* XRefOutline = nullptr;
    QPointer<TreeModel> XRefModel;
    QMenu* PopupmenuXRef = nullptr;
    // How the tree's locals are grouped now.
    bool ArrangedSortLocals = true;
    int Language = 1;  // of the captions shown
};

}  // namespace lumorca::gui
