#include "analyzer/Tree.h"

#include <algorithm>
#include <unordered_set>

namespace lumorca {

void Tree::Clear() {
    roots_.clear();
    pool_.clear();
}

void Tree::Renumber(std::vector<TreeNode*>& list, size_t from) {
    for (size_t i = from; i < list.size(); ++i) list[i]->Row = static_cast<int>(i);
}

TreeNode* Tree::Add(TreeNode* parent, std::string caption, int image) {
    TreeNode& node = pool_.emplace_back();
    node.Caption = std::move(caption);
    node.Image = image;
    node.SelectedImage = image;
    node.Parent = parent;
    std::vector<TreeNode*>& list = parent ? parent->Children : roots_;
    node.Row = static_cast<int>(list.size());
    list.push_back(&node);
    return &node;
}

TreeNode* Tree::AddWithRecord(TreeNode* parent, std::string caption, int image,
                              const NodeRecord& record) {
    TreeNode* node = Add(parent, std::move(caption), image);
    node->HasRecord = true;
    node->Record = record;
    return node;
}

TreeNode* Tree::Insert(TreeNode* parent, int position, std::string caption, int image) {
    TreeNode* node = Add(parent, std::move(caption), image);
    std::vector<TreeNode*>& list = parent ? parent->Children : roots_;
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
    std::vector<TreeNode*>& list = newParent ? newParent->Children : roots_;
    const size_t target = (position < 0 || static_cast<size_t>(position) > list.size())
                              ? list.size()
                              : static_cast<size_t>(position);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(target), node);
    Renumber(list, target);
}

void Tree::MoveEach(const std::vector<std::pair<TreeNode*, TreeNode*>>& nodesAndParents, int position) {
    std::unordered_set<const TreeNode*> moving;
    std::vector<std::vector<TreeNode*>*> left;
    for (const auto& [node, newParent] : nodesAndParents) {
        moving.insert(node);
        left.push_back(&SiblingsOf(node));
    }
    std::sort(left.begin(), left.end());
    left.erase(std::unique(left.begin(), left.end()), left.end());
    for (std::vector<TreeNode*>* list : left) {
        std::erase_if(*list, [&moving](const TreeNode* node) { return moving.count(node) != 0; });
        Renumber(*list);
    }
    for (const auto& [node, newParent] : nodesAndParents) {
        node->Parent = nullptr;
        Move(node, newParent, position);
    }
}

void Tree::SortChildren(TreeNode* parent,
                        const std::function<bool(const TreeNode*, const TreeNode*)>& less) {
    std::vector<TreeNode*>& list = parent ? parent->Children : roots_;
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

TreeNode* Tree::NextInOrder(const TreeNode* node, const Tree& tree) {
    if (node == nullptr) return nullptr;
    if (!node->Children.empty()) return node->Children.front();
    for (const TreeNode* n = node; n != nullptr; n = n->Parent) {
        const std::vector<TreeNode*>& list = n->Parent ? n->Parent->Children : tree.roots_;
        const size_t next = static_cast<size_t>(n->Row) + 1;
        if (next < list.size()) return list[next];
    }
    return nullptr;
}

void Tree::ForEach(const std::function<void(TreeNode*)>& visit) const {
    for (TreeNode* node = FirstRoot(); node != nullptr; node = NextInOrder(node, *this)) {
        visit(node);
    }
}

size_t Tree::NodeCount() const {
    size_t count = 0;
    ForEach([&count](TreeNode*) { ++count; });
    return count;
}

}  // namespace lumorca
