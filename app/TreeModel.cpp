#include "app/TreeModel.h"

#include "app/ImageList.h"

namespace lumorca::gui {

TreeModel::TreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void TreeModel::SetTree(lumorca::Tree* tree) {
    beginResetModel();
    tree_ = tree;
    unannounced_.clear();
    endResetModel();
}

void TreeModel::BeginRebuild() {
    beginResetModel();
}

void TreeModel::EndRebuild() {
    unannounced_.clear();
    endResetModel();
}

lumorca::TreeNode* TreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return nullptr;
    return static_cast<lumorca::TreeNode*>(index.internalPointer());
}

QModelIndex TreeModel::IndexOf(const lumorca::TreeNode* node) const {
    if (node == nullptr || tree_ == nullptr) return {};
    return createIndex(node->Row, 0, node);
}

void TreeModel::NodeChanged(const lumorca::TreeNode* node) {
    const QModelIndex index = IndexOf(node);
    if (index.isValid()) emit dataChanged(index, index);
}

const lumorca::NodeList* TreeModel::ChildrenOf(const QModelIndex& parent,
                                                         size_t& visible) const {
    visible = 0;
    if (tree_ == nullptr) return nullptr;
    if (!parent.isValid()) {
        visible = tree_->Roots().size();
        return &tree_->Roots();
    }
    const lumorca::TreeNode* node = NodeOf(parent);
    if (node == nullptr) return nullptr;
    const auto pending = unannounced_.find(node);
    visible = pending == unannounced_.end() ? node->Children.size() : pending->second;
    return &node->Children;
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    size_t visible = 0;
    const auto* children = ChildrenOf(parent, visible);
    if (children == nullptr || row >= static_cast<int>(visible)) return {};
    return createIndex(row, 0, (*children)[static_cast<size_t>(row)]);
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    const lumorca::TreeNode* node = NodeOf(child);
    if (node == nullptr || node->Parent == nullptr) return {};
    return createIndex(node->Parent->Row, 0, node->Parent);
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    size_t visible = 0;
    ChildrenOf(parent, visible);
    return static_cast<int>(visible);
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const lumorca::TreeNode* node = NodeOf(index);
    if (node == nullptr) return {};
    switch (role) {
        case Qt::DisplayRole: {
            const std::string& caption = caption_ ? caption_(*node) : node->Caption;
            return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
        }
        case Qt::DecorationRole:
            return TreeImage(node->Image, node->HasWarningMark());
        default:
            return {};
    }
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

bool TreeModel::hasChildren(const QModelIndex& parent) const {
    if (!parent.isValid()) return tree_ != nullptr && !tree_->Empty();
    const lumorca::TreeNode* node = NodeOf(parent);
    if (node == nullptr) return false;
    if (!node->Children.empty()) return true;
    return lazy_.Pending && lazy_.Pending(node);
}

bool TreeModel::canFetchMore(const QModelIndex& parent) const {
    const lumorca::TreeNode* node = NodeOf(parent);
    return node != nullptr && lazy_.Pending && lazy_.Pending(node);
}

void TreeModel::fetchMore(const QModelIndex& parent) {
    lumorca::TreeNode* node = NodeOf(parent);
    if (node == nullptr || !lazy_.Compute || !lazy_.Pending || !lazy_.Pending(node)) return;
    const size_t before = node->Children.size();
    unannounced_[node] = before;
    lazy_.Compute(node);
    const size_t after = node->Children.size();
    if (after > before) {
        // The views still see the old count until the insertion is announced.
        beginInsertRows(parent, static_cast<int>(before), static_cast<int>(after) - 1);
        unannounced_.erase(node);
        endInsertRows();
    } else {
        unannounced_.erase(node);
        emit dataChanged(parent, parent);
    }
}

}  // namespace lumorca::gui
