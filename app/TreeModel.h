#pragma once
// One item model for the structure, XRef and call trees: a view onto a
// lumorca::Tree. The model owns nothing; whoever rebuilds the tree holds a
// Rebuilding for as long as the change lasts.
#include <QAbstractItemModel>
#include <functional>
#include <unordered_map>

#include "analyzer/Tree.h"
#include "analyzer/TreeDump.h"

namespace lumorca::gui {

class TreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TreeModel(QObject* parent = nullptr);

    // Shows `tree` (may be null). The tree must outlive the model or be
    // replaced first.
    void SetTree(lumorca::Tree* tree);
    lumorca::Tree* GetTree() const { return tree_; }

    // Trees whose children are computed on first expansion (the call tree).
    struct LazyChildren {
        std::function<bool(const lumorca::TreeNode*)> Pending;
        std::function<bool(lumorca::TreeNode*)> Compute;
    };
    void SetLazyChildren(LazyChildren lazy) { lazy_ = std::move(lazy); }

    // While it lives the views know the tree is being replaced; they see the
    // new tree when it goes, also when the change throws.
    class Rebuilding {
    public:
        explicit Rebuilding(TreeModel* model) : model_(model) { model_->BeginRebuild(); }
        ~Rebuilding() { model_->EndRebuild(); }
        Rebuilding(const Rebuilding&) = delete;
        Rebuilding& operator=(const Rebuilding&) = delete;

    private:
        TreeModel* model_;
    };

    // The caption shown for a node; without one the node's own.
    void SetCaptions(lumorca::NodeCaption caption) { caption_ = std::move(caption); }

    lumorca::TreeNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const lumorca::TreeNode* node) const;
    // Tells the views that a node's caption, image or state changed.
    void NodeChanged(const lumorca::TreeNode* node);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    void BeginRebuild();
    void EndRebuild();
    const lumorca::NodeList* ChildrenOf(const QModelIndex& parent,
                                                      size_t& visible) const;

    lumorca::Tree* tree_ = nullptr;
    lumorca::NodeCaption caption_;
    LazyChildren lazy_;
    // Nodes whose freshly computed children are not announced yet, with the
    // number of children the views already know.
    std::unordered_map<const lumorca::TreeNode*, size_t> unannounced_;
};

}  // namespace lumorca::gui
