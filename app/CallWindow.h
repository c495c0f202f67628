#pragma once
// The call window's part: the entry selector, the two directions and the
// call tree, rebuilt from the cross-reference tree whenever the user asks.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "analyzer/Analysis.h"
#include "analyzer/CallTree.h"
#include "options/LumorcaOptions.h"

class QAction;
class QComboBox;
class QMenu;
class QRadioButton;
class QTreeView;
class QWidget;

namespace lumorca::gui {

class TreeModel;

class TCallWindow : public QObject {
    Q_OBJECT
public:
    using TOptionsSource = std::function<const TLumorcaOptions&()>;
    // The listing and its analysis belong to the main window and outlive
    // the part; `options` reads the options in force.
    TCallWindow(QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                TOptionsSource options);
    ~TCallWindow() override;

    // The selector above the tree: what the call window shows.
    QWidget* Client() const { return client_; }
    QTreeView* Outline() const { return CallOutline; }

    // A new listing: the selector offers its entries, nothing is chosen.
    void ListingAnalysed();
    void Clear();
    // Options applied: a shown tree is built again with them.
    void Refresh();
    void Retranslate(const std::function<QString(int)>& text);
    QString CurrentEntry() const;
    void SelectEntry(const QString& entry);
    // The node the user moved to, when the tree is not being built.
    void CallOutlineEnter();

    // Rebuilds the call tree for the selector's entry and direction.
    void ComboBoxEntryListChange();

signals:
    void NodeChosen(const lumorca::NodeRecord& record);
    void SaveCallGraphRequested();

private:
    void CreateControls(QWidget* owner);
    void CallOutlineChange(TreeNode* node);
    void MenuItemExpandCalltreeClick();
    void MenuItemCollapseCalltreeClick();
    void ExpandCallNode(const QModelIndex& index);
    void SyncExpansion(TreeNode* node);

    const ListingLines& lines_;
    const AnalysisResult& analysis_;
    TOptionsSource options_;

    Tree CallTree;
    std::unique_ptr<CallGraph> CallGraph_;
    std::unique_ptr<LazyCallTree> CallTreeBuilder;
    bool CallTreeBuilding = false;

    QWidget* client_ = nullptr;
    QWidget* PanelCallWin = nullptr;
    QComboBox* ComboBoxEntryList = nullptr;
    QRadioButton* RadioButtonCalledFrom = nullptr;
    QRadioButton* RadioButtonCalling = nullptr;
    QTreeView* CallOutline = nullptr;
    QPointer<TreeModel> CallModel;
    QMenu* PopupMenucallWindow = nullptr;
    QAction* MenuItemExpandCalltree = nullptr;
    QAction* MenuItemCollapseCalltree = nullptr;
    QAction* MenuItemSaveCallGraph = nullptr;
};

}  // namespace lumorca::gui
