#include "analyzer/CallTree.h"

#include <algorithm>
#include <charconv>

#include "analyzer/SourceText.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

// The third word read as a whole integer; anything else counts as 0.
long long ThirdWordNumber(std::string_view caption) {
    const std::string word = NthWord(caption, 3);
    long long value = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return 0;
    return value;
}

}  // namespace

CallGraph::CallGraph(const std::vector<lumorca::Symbol>& symbols, const ListingLines& lines,
                     const StructureList& structures, const std::vector<std::string>& entryList,
                     const AnalysisSettings& settings, CallDirection direction)
    : direction_(direction),
      listDuplicateCalls_(settings.ListDuplicateCalls),
      listLibraryCalls_(settings.ListLibraryCalls),
      sortCalls_(settings.SortCalls),
      structures_(structures),
      lineCount_(static_cast<int32_t>(lines.size())) {
    for (const std::string& entry : entryList) entryNames_.insert(LowerCase(entry));

    for (const lumorca::Symbol& symbol : symbols) {
        if (symbol.Key.Category != CatEntry) continue;
        // Named as the cross-reference tree shows it.
        const std::string caption = LowerCase(symbol.Key.Name);
        // The first symbol of a name wins, as a look-up by name finds it.
        auto [it, added] = symbols_.try_emplace(UpperCase(caption));
        Entry& entry = it->second;
        if (added) entry.Caption = caption;
        for (const ReferenceRecord& ref : symbol.Refs) {
            if (ref.Kind != RefFunctionCall && ref.Kind != RefEntryDef) continue;
            const Call call{ref.StructureIndex, ref.Line};
            if (added && ref.Kind == RefEntryDef && !entry.HasDefinition) {
                entry.HasDefinition = true;
                entry.Definition = call;
            } else if (ref.Kind == RefFunctionCall) {
                if (added) entry.Calls.push_back(call);
                // Every call site, in the order of the symbols and their references.
                CallSite site;
                site.Where = call;
                site.Callee = caption;
                if (ref.Line >= 0 && ref.Line < lineCount_) {
                    site.LineNumber = ListingLineNumber(lines[static_cast<size_t>(ref.Line)]);
                }
                callSites_.push_back(std::move(site));
            }
        }
    }
    sitesByLine_.resize(callSites_.size());
    for (size_t i = 0; i < callSites_.size(); ++i) sitesByLine_[i] = static_cast<uint32_t>(i);
    std::stable_sort(sitesByLine_.begin(), sitesByLine_.end(), [this](uint32_t a, uint32_t b) {
        return callSites_[a].Where.Line < callSites_[b].Where.Line;
    });
}

const CallGraph::Entry* CallGraph::FindSymbol(std::string_view name) const {
    const auto it = symbols_.find(UpperCase(name));
    return it == symbols_.end() ? nullptr : &it->second;
}

CallNode CallGraph::Root(std::string_view name) const {
    CallNode root;
    root.Image = CallImageRoot;
    root.Expandable = true;
    root.Name = std::string(name);
    const Entry* symbol = FindSymbol(name);
    if (symbol != nullptr && symbol->HasDefinition) {
        const int32_t s = symbol->Definition.StructureIndex;
        root.Caption = StructureNameAt(structures_, s);
        root.HasRecord = true;
        root.Record = {symbol->Definition.StructureIndex, symbol->Definition.Line, 0};
    }
    return root;
}

std::vector<CallNode> CallGraph::Children(const CallNode& node, int depth,
                                          const std::vector<std::string_view>& path) const {
    if (!node.Expandable || depth >= CallDepthLimit) return {};
    std::vector<CallNode> children = direction_ == CallDirection::CalledFrom
                                         ? CallersOf(node.Name, depth, path)
                                         : CalleesOf(node.Name, depth, path);
    Sort(children);
    return children;
}

std::vector<CallNode> CallGraph::CallersOf(std::string_view name, int /*depth*/,
                                           const std::vector<std::string_view>& path) const {
    std::vector<CallNode> result;
    const Entry* symbol = FindSymbol(name);
    if (symbol == nullptr) return result;
    // Second words of the siblings added so far, for the duplicate test.
    std::unordered_set<std::string> earlier;
    for (const Call& call : symbol->Calls) {
        CallNode child;
        child.HasRecord = true;
        child.Record = {call.StructureIndex, call.Line, 0};
        int kind = 0;
        if (call.StructureIndex >= 0 &&
            static_cast<size_t>(call.StructureIndex) < structures_.size()) {
            const StructureRecord& caller = structures_[static_cast<size_t>(call.StructureIndex)];
            child.Caption = caller.Name;
            kind = caller.Kind;
        }
        if (kind == HeaderTrigger) {
            child.Image = CallImageTriggerCaller;
        } else {
            child.Image = CallImageCaller;
            if (IsEntryOrOperationWord(NthWord(child.Caption, 1))) {
                const std::string second = NthWord(child.Caption, 2);
                if (earlier.count(second) != 0) {
                    if (!listDuplicateCalls_) continue;
                    child.Caption += " ...";
                } else if (std::find(path.begin(), path.end(), child.Caption) != path.end()) {
                    child.Caption += " ...";
                } else {
                    child.Expandable = true;
                    child.Name = LowerCase(second);
                }
            }
        }
        earlier.insert(NthWord(child.Caption, 2));
        result.push_back(std::move(child));
    }
    return result;
}

std::vector<CallNode> CallGraph::CalleesOf(std::string_view name, int /*depth*/,
                                           const std::vector<std::string_view>& path) const {
    std::vector<CallNode> result;
    const Entry* symbol = FindSymbol(name);
    if (symbol == nullptr || !symbol->HasDefinition) return result;
    const int32_t s = symbol->Definition.StructureIndex;
    if (s < 0 || static_cast<size_t>(s) >= structures_.size()) return result;
    const int32_t start = structures_[static_cast<size_t>(s)].Line;
    const int32_t end = static_cast<size_t>(s) + 1 < structures_.size()
                            ? structures_[static_cast<size_t>(s) + 1].Line - 1
                            : lineCount_ - 1;

    // The calls after the header up to and including the last line, in tree order.
    const auto low = std::upper_bound(
        sitesByLine_.begin(), sitesByLine_.end(), start,
        [this](int32_t line, uint32_t site) { return line < callSites_[site].Where.Line; });
    const auto high = std::upper_bound(
        low, sitesByLine_.end(), end,
        [this](int32_t line, uint32_t site) { return line < callSites_[site].Where.Line; });
    std::vector<uint32_t> sites(low, high);
    std::sort(sites.begin(), sites.end());

    std::unordered_set<std::string> earlier;
    for (uint32_t index : sites) {
        const CallSite& site = callSites_[index];
        CallNode child;
        child.Image = CallImageCallee;
        child.Caption = "entry " + UpperCase(site.Callee) + " " + site.LineNumber;
        const std::string second = NthWord(child.Caption, 2);
        bool stop = false;
        if (earlier.count(second) != 0) {
            if (!listDuplicateCalls_) continue;
            child.Caption += " ...";
            stop = true;
        }
        if (!listLibraryCalls_ && NthWord(child.Caption, 1) == "entry" &&
            entryNames_.count(LowerCase(second)) == 0) {
            continue;  // not defined in this listing
        }
        if (!stop && std::find(path.begin(), path.end(), child.Caption) != path.end()) {
            child.Caption += " ...";
            stop = true;
        }
        child.HasRecord = true;
        child.Record = {site.Where.StructureIndex, site.Where.Line, 0};
        if (!stop) {
            child.Expandable = true;
            child.Name = site.Callee;
        }
        earlier.insert(NthWord(child.Caption, 2));
        result.push_back(std::move(child));
    }
    return result;
}

int CallGraph::CompareCallNodes(std::string_view a, std::string_view b) const {
    if (direction_ == CallDirection::Calling && sortCalls_ != 1) {
        const long long x = ThirdWordNumber(a);
        const long long y = ThirdWordNumber(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void CallGraph::Sort(std::vector<CallNode>& nodes) const {
    std::stable_sort(nodes.begin(), nodes.end(), [this](const CallNode& a, const CallNode& b) {
        return CompareCallNodes(a.Caption, b.Caption) < 0;
    });
}

bool CallGraph::Walk(std::string_view name, size_t cap,
                     const std::function<void(const CallNode&, int)>& visit) const {
    if (name.empty()) return true;
    size_t count = 0;
    std::vector<std::string_view> path;
    return WalkFrom(Root(name), 0, path, cap, count, visit);
}

bool CallGraph::WalkFrom(const CallNode& node, int depth, std::vector<std::string_view>& path,
                         size_t cap, size_t& count,
                         const std::function<void(const CallNode&, int)>& visit) const {
    if (count >= cap) return false;
    ++count;
    visit(node, depth);
    path.push_back(node.Caption);
    const std::vector<CallNode> children = Children(node, depth + 1, path);
    bool complete = true;
    for (const CallNode& child : children) {
        if (!WalkFrom(child, depth + 1, path, cap, count, visit)) {
            complete = false;
            break;
        }
    }
    path.pop_back();
    return complete;
}

TreeNode* LazyCallTree::AddNode(TreeNode* parent, const CallNode& node) {
    TreeNode* added = node.HasRecord ? tree_.AddWithRecord(parent, node.Caption, node.Image, node.Record, NodeRole::Call)
                                     : tree_.Add(parent, node.Caption, node.Image, NodeRole::Call);
    if (node.Expandable) pending_.emplace(added, node.Name);
    return added;
}

void LazyCallTree::Clear() {
    tree_.Clear();
    pending_.clear();
    shownName_.clear();
}

TreeNode* LazyCallTree::Build(std::string_view name, bool expandAll) {
    if (name.empty()) return nullptr;
    if (!tree_.Empty() && shownName_ == name) return nullptr;
    Clear();
    shownName_ = name;
    TreeNode* root = AddNode(nullptr, graph_.Root(name));
    EnsureChildren(root);
    root->Expanded = true;
    if (expandAll) ExpandAll(root);
    return root;
}

bool LazyCallTree::HasPendingChildren(const TreeNode* node) const {
    return pending_.count(node) != 0;
}

bool LazyCallTree::EnsureChildren(TreeNode* node) {
    const auto it = pending_.find(node);
    if (it == pending_.end()) return false;
    CallNode self;
    self.Caption = node->Caption;
    self.Expandable = true;
    self.Name = std::move(it->second);
    pending_.erase(it);

    std::vector<std::string_view> path;
    for (const TreeNode* p = node; p != nullptr; p = p->Parent) path.push_back(p->Caption);
    std::reverse(path.begin(), path.end());
    const int depth = static_cast<int>(path.size());
    for (const CallNode& child : graph_.Children(self, depth, path)) AddNode(node, child);
    return true;
}

bool LazyCallTree::ExpandAll(TreeNode* node, size_t limit) {
    if (node == nullptr) return true;
    size_t count = 0;
    std::vector<TreeNode*> stack{node};
    while (!stack.empty()) {
        if (count >= limit) return false;
        TreeNode* current = stack.back();
        stack.pop_back();
        ++count;
        EnsureChildren(current);
        current->Expanded = true;
        stack.insert(stack.end(), current->Children.rbegin(), current->Children.rend());
    }
    return true;
}

bool LazyCallTree::ExpandTree(size_t limit) { return ExpandAll(tree_.FirstRoot(), limit); }

void LazyCallTree::CollapseTree() {
    TreeNode* root = tree_.FirstRoot();
    if (root == nullptr) return;
    std::vector<TreeNode*> stack(root->Children.begin(), root->Children.end());
    while (!stack.empty()) {
        TreeNode* node = stack.back();
        stack.pop_back();
        node->Expanded = false;
        stack.insert(stack.end(), node->Children.begin(), node->Children.end());
    }
}

bool LazyCallTree::BuildWhole(std::string_view name, size_t cap) {
    Clear();
    shownName_ = name;
    std::vector<TreeNode*> last;  // the most recent node at each depth
    const bool complete = graph_.Walk(name, cap, [&](const CallNode& node, int depth) {
        TreeNode* parent = depth == 0 ? nullptr : last[static_cast<size_t>(depth) - 1];
        TreeNode* added = node.HasRecord
                              ? tree_.AddWithRecord(parent, node.Caption, node.Image, node.Record, NodeRole::Call)
                              : tree_.Add(parent, node.Caption, node.Image, NodeRole::Call);
        added->Expanded = true;
        last.resize(static_cast<size_t>(depth));
        last.push_back(added);
    });
    return complete;
}

}  // namespace lumorca
