#pragma once
// A plain tree of captioned nodes, the shape of all three views' trees.
// Nodes live in the tree's pool and keep their address until the tree is
// cleared, so a view can hold raw pointers to them.
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lumorca {

// What a node stands for. Set when the node is made; nothing reads a role
// from a node's caption, image or record.
enum class NodeRole : uint8_t {
    Plain,
    Structure,  // a node of the structure tree
    XRefRoot,   // the component at the top of the cross-reference tree
    Category,   // a symbol category; its record's Kind is the category
    Group,      // an entity, or the locals or parameters of one structure; its
                // record's Kind is the category it was made in (the record is
                // not shown: HasRecord stays false)
    Symbol,
    Reference,  // one use of a symbol; its record holds line and kind
    Call,       // a node of a call tree
};

// Node data of all three trees: a structure node, a reference, a call.
struct NodeRecord {
    int32_t StructureIndex = -1;
    int32_t Line = -1;
    uint8_t Kind = 0;
};

struct TreeNode;

// The children of a node or the roots of a tree. Through a const list the
// nodes are const too; only the tree changes a list.
class NodeList {
public:
    using iterator = std::span<TreeNode* const>::iterator;
    using const_iterator = std::span<const TreeNode* const>::iterator;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    iterator begin() { return Nodes().begin(); }
    iterator end() { return Nodes().end(); }
    const_iterator begin() const { return Nodes().begin(); }
    const_iterator end() const { return Nodes().end(); }
    reverse_iterator rbegin() { return reverse_iterator(end()); }
    reverse_iterator rend() { return reverse_iterator(begin()); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    TreeNode* operator[](size_t i) { return items_[i]; }
    const TreeNode* operator[](size_t i) const { return items_[i]; }
    TreeNode* at(size_t i) { return items_.at(i); }
    const TreeNode* at(size_t i) const { return items_.at(i); }
    TreeNode* front() { return items_.front(); }
    const TreeNode* front() const { return items_.front(); }
    TreeNode* back() { return items_.back(); }
    const TreeNode* back() const { return items_.back(); }

private:
    friend class Tree;
    std::span<TreeNode* const> Nodes() { return items_; }
    std::span<const TreeNode* const> Nodes() const {
        const TreeNode* const* data = items_.data();
        return {data, items_.size()};
    }
    std::vector<TreeNode*> items_;
};

// State images of a node; the dump prints the number.
enum TreeStateImage : int {
    StateImageNone = 0,
    StateImageWarning = 1,  // the warning mark, set from the analysis' findings
};

// Members ordered so that no padding is left between them: a large
// listing has hundreds of thousands of nodes.
struct TreeNode {
    std::string Caption;  // Latin-1
    TreeNode* Parent = nullptr;
    NodeList Children;
    NodeRecord Record;
    int Row = 0;  // position among the parent's children (or among the roots)
    int Image = 0;
    int SelectedImage = 0;
    int StateImage = StateImageNone;
    NodeRole Role = NodeRole::Plain;
    bool HasRecord = false;
    bool Expanded = false;  // the state the view should show after a rebuild

    bool HasWarningMark() const { return StateImage == StateImageWarning; }

    int Level() const {
        int level = 0;
        for (const TreeNode* p = Parent; p != nullptr; p = p->Parent) ++level;
        return level;
    }
};

class Tree {
public:
    Tree() = default;
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;
    Tree(Tree&&) = default;
    Tree& operator=(Tree&&) = default;

    NodeList& Roots() { return roots_; }
    const NodeList& Roots() const { return roots_; }
    bool Empty() const { return roots_.empty(); }
    TreeNode* FirstRoot() { return roots_.empty() ? nullptr : roots_.front(); }
    const TreeNode* FirstRoot() const { return roots_.empty() ? nullptr : roots_.front(); }
    void Clear();

    // Appends a node under parent (a root when parent is null).
    TreeNode* Add(TreeNode* parent, std::string caption, int image = 0,
                  NodeRole role = NodeRole::Plain);
    TreeNode* AddWithRecord(TreeNode* parent, std::string caption, int image,
                            const NodeRecord& record, NodeRole role = NodeRole::Plain);
    void ReserveChildren(TreeNode* parent, size_t count) { ListOf(parent).reserve(count); }
    // Inserts at a position among parent's children (or the roots).
    TreeNode* Insert(TreeNode* parent, int position, std::string caption, int image = 0);
    // Takes a node (with its subtree) out of the tree; its memory stays in
    // the pool until Clear.
    void Remove(TreeNode* node);
    // Moves a node with its subtree under newParent at position (-1: last).
    void Move(TreeNode* node, TreeNode* newParent, int position = -1);
    // Many moves at once, as Move(node, parent, 0) (front) or Move(node,
    // parent) (back) one after the other would make them, in time linear in
    // the lists concerned.
    struct Relocation {
        TreeNode* Node;
        TreeNode* NewParent;
        bool Front;
    };
    void MoveAll(const std::vector<Relocation>& moves);
    // Stable sort of one node's children (or the roots for null).
    void SortChildren(TreeNode* parent,
                      const std::function<bool(const TreeNode*, const TreeNode*)>& less);
    // Stable sort of every level.
    void SortAll(const std::function<bool(const TreeNode*, const TreeNode*)>& less);

    // Depth-first order (parent before children).
    static TreeNode* NextInOrder(TreeNode* node, Tree& tree);
    static const TreeNode* NextInOrder(const TreeNode* node, const Tree& tree);
    void ForEach(const std::function<void(TreeNode*)>& visit);
    void ForEach(const std::function<void(const TreeNode*)>& visit) const;
    size_t NodeCount() const;

    std::vector<TreeNode*>& SiblingsOf(TreeNode* node) { return ListOf(node->Parent); }

    // The symbol a group of locals or parameters belongs to (its entry or
    // operation), kept outside the nodes since few nodes have one.
    void SetOwner(const TreeNode* group, TreeNode* owner) { owners_[group] = owner; }
    TreeNode* OwnerOf(const TreeNode* group) const {
        const auto it = owners_.find(group);
        return it == owners_.end() ? nullptr : it->second;
    }

    // The node each symbol of an analysis is shown by, indexed by the
    // symbol's position; null for a symbol without one. Kept outside the
    // nodes, which stay as small as they are.
    void SetSymbolNodes(std::vector<TreeNode*> nodes);
    TreeNode* NodeOfSymbol(size_t symbol) { return symbol < symbolNodes_.size() ? symbolNodes_[symbol] : nullptr; }
    const TreeNode* NodeOfSymbol(size_t symbol) const {
        return symbol < symbolNodes_.size() ? symbolNodes_[symbol] : nullptr;
    }
    size_t SymbolNodeCount() const { return symbolNodes_.size(); }
    // The position of the symbol a node shows, -1 for any other node.
    int32_t SymbolOf(const TreeNode* node) const;

private:
    std::deque<TreeNode> pool_;
    NodeList roots_;
    std::unordered_map<const TreeNode*, TreeNode*> owners_;
    std::vector<TreeNode*> symbolNodes_;
    // Positions into symbolNodes_ (of nodes only) ordered by node address.
    std::vector<uint32_t> symbolsByNode_;
    std::vector<TreeNode*>& ListOf(TreeNode* parent) {
        return parent ? parent->Children.items_ : roots_.items_;
    }
    static void Renumber(std::vector<TreeNode*>& list, size_t from = 0);
};

}  // namespace lumorca
