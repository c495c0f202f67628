#include "analyzer/Tree.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace lumorca {

void Tree::Clear() {
    roots_.items_.clear();
    pool_.clear();
    owners_.clear();
    symbolNodes_.clear();
    symbolsByNode_.clear();
}

void Tree::SetSymbolNodes(std::vector<TreeNode*> nodes) {
    symbolNodes_ = std::move(nodes);
    symbolsByNode_.clear();
    for (size_t i = 0; i < symbolNodes_.size(); ++i) {
        if (symbolNodes_[i] != nullptr) symbolsByNode_.push_back(static_cast<uint32_t>(i));
    }
    std::sort(symbolsByNode_.begin(), symbolsByNode_.end(), [this](uint32_t a, uint32_t b) {
        return std::less<const TreeNode*>()(symbolNodes_[a], symbolNodes_[b]);
    });
}

int32_t Tree::SymbolOf(const TreeNode* node) const {
    if (node == nullptr) return -1;
    const auto it = std::lower_bound(symbolsByNode_.begin(), symbolsByNode_.end(), node,
                                     [this](uint32_t symbol, const TreeNode* wanted) {
                                         return std::less<const TreeNode*>()(symbolNodes_[symbol], wanted);
                                     });
    return it != symbolsByNode_.end() && symbolNodes_[*it] == node ? static_cast<int32_t>(*it) : -1;
}

void Tree::Renumber(std::vector<TreeNode*>& list, size_t from) {
    for (size_t i = from; i < list.size(); ++i) list[i]->Row = static_cast<int>(i);
}

TreeNode* Tree::Add(TreeNode* parent, std::string caption, int image, NodeRole role) {
    TreeNode& node = pool_.emplace_back();
    node.Role = role;
    node.Caption = std::move(caption);
    node.Image = image;
    node.SelectedImage = image;
    node.Parent = parent;
    std::vector<TreeNode*>& list = ListOf(parent);
    node.Row = static_cast<int>(list.size());
    list.push_back(&node);
    return &node;
}

TreeNode* Tree::AddWithRecord(TreeNode* parent, std::string caption, int image,
                              const NodeRecord& record, NodeRole role) {
    TreeNode* node = Add(parent, std::move(caption), image, role);
    node->HasRecord = true;
    node->Record = record;
    return node;
}

TreeNode* Tree::Insert(TreeNode* parent, int position, std::string caption, int image) {
    TreeNode* node = Add(parent, std::move(caption), image);
    std::vector<TreeNode*>& list = ListOf(parent);
    const size_t target = std::min<size_t>(static_cast<size_t>(std::max(position, 0)), list.size() - 1);
    list.pop_back();
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(target), node);
    Renumber(list, target);
    return node;
}

void Tree::Remove(TreeNode* node) {
    std::vector<TreeNode*>& list = SiblingsOf(node);
    const size_t row = static_cast<size_t>(node->Row);
    if (row < list.size() && list[row] == node) {
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
        Renumber(list, row);
    }
    node->Parent = nullptr;
}

void Tree::Move(TreeNode* node, TreeNode* newParent, int position) {
    Remove(node);
    node->Parent = newParent;
    std::vector<TreeNode*>& list = ListOf(newParent);
    const size_t target = (position < 0 || static_cast<size_t>(position) > list.size())
                              ? list.size()
                              : static_cast<size_t>(position);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(target), node);
    Renumber(list, target);
}

void Tree::MoveAll(const std::vector<Relocation>& moves) {
    std::unordered_set<TreeNode*> moving;
    std::vector<TreeNode*> oldParents;
    for (const Relocation& move : moves) {
        if (!moving.insert(move.Node).second) continue;
        oldParents.push_back(move.Node->Parent);
    }
    std::unordered_set<TreeNode*> cleaned;
    for (TreeNode* parent : oldParents) {
        if (!cleaned.insert(parent).second) continue;
        std::vector<TreeNode*>& list = ListOf(parent);
        std::erase_if(list, [&moving](TreeNode* node) { return moving.count(node) != 0; });
        Renumber(list);
    }
    // Per new parent: the nodes put in front (the last one first) and behind.
    std::unordered_map<TreeNode*, std::pair<std::vector<TreeNode*>, std::vector<TreeNode*>>> added;
    std::vector<TreeNode*> newParents;
    for (const Relocation& move : moves) {
        auto [it, inserted] = added.try_emplace(move.NewParent);
        if (inserted) newParents.push_back(move.NewParent);
        (move.Front ? it->second.first : it->second.second).push_back(move.Node);
        move.Node->Parent = move.NewParent;
    }
    for (TreeNode* parent : newParents) {
        auto& [front, back] = added[parent];
        std::vector<TreeNode*>& list = ListOf(parent);
        std::vector<TreeNode*> joined(front.rbegin(), front.rend());
        joined.reserve(front.size() + list.size() + back.size());
        joined.insert(joined.end(), list.begin(), list.end());
        joined.insert(joined.end(), back.begin(), back.end());
        list = std::move(joined);
        Renumber(list);
    }
}

void Tree::SortChildren(TreeNode* parent,
                        const std::function<bool(const TreeNode*, const TreeNode*)>& less) {
    std::vector<TreeNode*>& list = ListOf(parent);
    std::stable_sort(list.begin(), list.end(), less);
    Renumber(list);
}

void Tree::SortAll(const std::function<bool(const TreeNode*, const TreeNode*)>& less) {
    SortChildren(nullptr, less);
    // Every node in the pool that is still attached has its children sorted.
    std::vector<TreeNode*> stack(roots_.begin(), roots_.end());
    while (!stack.empty()) {
        TreeNode* node = stack.back();
        stack.pop_back();
        if (node->Children.size() > 1) SortChildren(node, less);
        stack.insert(stack.end(), node->Children.begin(), node->Children.end());
    }
}

namespace {

// Node is TreeNode or const TreeNode, TreeType Tree or const Tree alike.
template <typename Node, typename TreeType>
Node* NextNode(Node* node, TreeType& tree) {
    if (node == nullptr) return nullptr;
    if (!node->Children.empty()) return node->Children.front();
    for (Node* n = node; n != nullptr; n = n->Parent) {
        auto& list = n->Parent ? n->Parent->Children : tree.Roots();
        const size_t next = static_cast<size_t>(n->Row) + 1;
        if (next < list.size()) return list[next];
    }
    return nullptr;
}

}  // namespace

const TreeNode* Tree::NextInOrder(const TreeNode* node, const Tree& tree) { return NextNode(node, tree); }

TreeNode* Tree::NextInOrder(TreeNode* node, Tree& tree) { return NextNode(node, tree); }

void Tree::ForEach(const std::function<void(TreeNode*)>& visit) {
    for (TreeNode* node = FirstRoot(); node != nullptr; node = NextInOrder(node, *this)) {
        visit(node);
    }
}

void Tree::ForEach(const std::function<void(const TreeNode*)>& visit) const {
    for (const TreeNode* node = FirstRoot(); node != nullptr; node = NextInOrder(node, *this)) {
        visit(node);
    }
}

size_t Tree::NodeCount() const {
    size_t count = 0;
    ForEach([&count](const TreeNode*) { ++count; });
    return count;
}

}  // namespace lumorca
