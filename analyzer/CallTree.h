#pragma once
// The call window's tree: who calls an entry ("Called from") and what it
// calls ("Calling"), read from the cross-reference tree and the structure
// boundaries. The tree can be computed one node at a time (the window expands
// lazily) or all at once up to a node cap; both give the same nodes, because
// a node's children depend only on the node, its ancestors and the sibling
// list they form, never on nodes elsewhere in the tree.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/LineModel.h"
#include "analyzer/TreeImages.h"
#include "analyzer/Settings.h"
#include "analyzer/StructureRecord.h"
#include "analyzer/Symbol.h"
#include "analyzer/Tree.h"

namespace lumorca {

enum class CallDirection { CalledFrom, Calling };

constexpr int CallImageRoot = ImageEntry;
constexpr int CallImageTriggerCaller = ImageCallingTrigger;
constexpr int CallImageCaller = ImageCallingEntry;
constexpr int CallImageCallee = ImageCallArgument;
// The root's children are depth 1; nothing is listed at this depth or deeper.
constexpr int CallDepthLimit = 24;
// "expand tree" stops after this many nodes and leaves the rest collapsed.
constexpr size_t CallExpandAllLimit = 10000;
// lumorca-cli prints at most this many nodes of a call tree.
constexpr size_t CallPrintLimit = 1000000;

// One node of a call tree as the graph computes it. Call-tree records carry
// a structure and a line only; their kind byte stays 0 and is never shown.
struct CallNode {
    std::string Caption;
    int Image = 0;
    bool HasRecord = false;
    NodeRecord Record;
    // True when the node's own children are looked up; false for triggers,
    // structures that are no entry or operation, and nodes marked " ...".
    bool Expandable = false;
    // The entry whose callers (or callees) are this node's children.
    std::string Name;
};

// Everything the call tree needs from one analysis, copied out of its entry
// symbols, so that it stays valid however long the call window shows its
// tree.
class CallGraph {
public:
    CallGraph(const std::vector<lumorca::Symbol>& symbols, const ListingLines& lines, const StructureList& structures,
              const std::vector<std::string>& entryList, const AnalysisSettings& settings,
              CallDirection direction);

    CallDirection Direction() const { return direction_; }

    // The root for the selector text `name`: the entry's header as caption and
    // its definition as record; an empty caption and no record when the entry
    // has no definition.
    CallNode Root(std::string_view name) const;

    // The children of `node`, sorted. `depth` is their depth (1 for the
    // root's children); `path` holds the captions from the root down to
    // `node` itself, for the recursion guard.
    std::vector<CallNode> Children(const CallNode& node, int depth,
                                   const std::vector<std::string_view>& path) const;

    // Sibling order: negative, 0 or positive.
    int CompareCallNodes(std::string_view a, std::string_view b) const;

    // Visits the whole tree for `name` depth-first (parent before children,
    // children in their order) with each node's depth (root 0). Stops before
    // the node that would exceed `cap` nodes; returns false when it stopped.
    bool Walk(std::string_view name, size_t cap,
              const std::function<void(const CallNode& node, int depth)>& visit) const;

private:
    struct Call {
        int32_t StructureIndex = -1;
        int32_t Line = -1;
    };
    struct Entry {
        std::string Caption;
        bool HasDefinition = false;
        Call Definition;
        std::vector<Call> Calls;  // its RefFunctionCall references, in tree order
    };
    // A call reference of an entry symbol.
    struct CallSite {
        Call Where;
        std::string Callee;      // caption of the reference's parent node
        std::string LineNumber;  // the listing's own number of the call line
    };

    const Entry* FindSymbol(std::string_view name) const;
    std::vector<CallNode> CallersOf(std::string_view name, int depth,
                                    const std::vector<std::string_view>& path) const;
    std::vector<CallNode> CalleesOf(std::string_view name, int depth,
                                    const std::vector<std::string_view>& path) const;
    void Sort(std::vector<CallNode>& nodes) const;
    bool WalkFrom(const CallNode& node, int depth, std::vector<std::string_view>& path,
                  size_t cap, size_t& count,
                  const std::function<void(const CallNode&, int)>& visit) const;

    CallDirection direction_;
    bool listDuplicateCalls_;
    bool listLibraryCalls_;
    int sortCalls_;

    std::unordered_map<std::string, Entry> symbols_;  // by upper-case caption
    StructureList structures_;
    int32_t lineCount_ = 0;
    std::vector<CallSite> callSites_;     // in tree order
    std::vector<uint32_t> sitesByLine_;   // positions in callSites_, by line
    std::unordered_set<std::string> entryNames_;  // lower case
};

// A call tree kept in a Tree, whose nodes get their children when they are
// first expanded.
class LazyCallTree {
public:
    LazyCallTree(const CallGraph& graph, Tree& tree) : graph_(graph), tree_(tree) {}

    // Rebuilds the tree for the selector text: nothing for an empty name, and
    // nothing when the tree already shows it. Adds the root expanded with its
    // children; with `expandAll` expands everything up to CallExpandAllLimit
    // nodes. Returns the root, or null when nothing was built.
    TreeNode* Build(std::string_view name, bool expandAll);

    // Empties the tree; clear it only this way, so that no node of a new
    // tree is taken for a pending node of the old one.
    void Clear();

    // True while a node's children have not been computed yet (they may turn
    // out to be none).
    bool HasPendingChildren(const TreeNode* node) const;
    // Computes a node's children if they are still pending; returns true when
    // it did. A view calls this when a node is first expanded, or for the
    // children of an expanded node to know which of them have any.
    bool EnsureChildren(TreeNode* node);

    // Expands `node` and its descendants in tree order, computing children on
    // the way, and stops after `limit` nodes. Returns true when the whole
    // subtree is expanded.
    bool ExpandAll(TreeNode* node, size_t limit = CallExpandAllLimit);
    // "expand tree": everything below the root, up to the limit.
    bool ExpandTree(size_t limit = CallExpandAllLimit);
    // "collapse tree": the root's children and their descendants are
    // collapsed; the root stays open.
    void CollapseTree();

    // Builds every node up to `cap` nodes in depth-first order; returns false
    // when the cap cut the tree short.
    bool BuildWhole(std::string_view name, size_t cap);

    Tree& Nodes() { return tree_; }
    // The entry the tree was built for; empty after Clear.
    const std::string& ShownName() const { return shownName_; }

private:
    TreeNode* AddNode(TreeNode* parent, const CallNode& node);

    const CallGraph& graph_;
    Tree& tree_;
    std::unordered_map<const TreeNode*, std::string> pending_;  // node -> entry name
    std::string shownName_;
};

}  // namespace lumorca
