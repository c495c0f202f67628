// Call trees over symbol tables assembled reference by reference, so that the
// call-tree rules are checked apart from the analysis that normally feeds them.

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "AnalysisTestSupport.h"
#include "analyzer/CallTree.h"
#include "analyzer/CallTreeText.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {
namespace {

// A listing and its entry symbols from a script of words: "T:X" a
// trigger, "E:X" an entry header, "L" a plain line, "C:X" a line calling X,
// "H:X" a call on the last line itself, "U:X" a call on a line without a
// number of its own, "0:X" a call from the text before the first header.
struct Listing {
    explicit Listing(const std::string& script) {
        lines.push_back("Banner");
        starts.push_back(0);
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            const std::string name = word.size() > 2 ? word.substr(2) : "";
            const int32_t last = static_cast<int32_t>(lines.size()) - 1;
            if (word[0] == 'T') {
                Start("Trigger <" + name + "> from Form: F");
                lines.push_back("=====");
                own = 0;
            } else if (word[0] == 'E') {
                Start("******        entry " + name);
                entryList.push_back(name);
                Ref(name, RefEntryDef, last + 1);
            } else if (word[0] == 'L') {
                Line("x = 1");
            } else if (word[0] == 'U') {
                lines.push_back("      ");
                Ref(name, RefFunctionCall, last + 1);
            } else {
                const int32_t line = word[0] == 'C' ? Line("call " + name) : word[0] == 'H' ? last : 0;
                Ref(name, RefFunctionCall, line, word[0] == '0' ? 0 : -1);
            }
        }
    }
    void Start(const std::string& header) {
        ++own;
        starts.push_back(static_cast<int32_t>(lines.size()));
        lines.push_back(header);
    }
    int32_t Line(const std::string& text) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "%6d        ", ++own);
        lines.push_back(prefix + text);
        return static_cast<int32_t>(lines.size()) - 1;
    }
    void Ref(const std::string& name, uint8_t kind, int32_t line, int32_t structure = -1) {
        if (structure < 0) structure = static_cast<int32_t>(starts.size()) - 1;
        Symbol* symbol = nullptr;
        for (Symbol& s : symbols) symbol = s.Key.Name == name ? &s : symbol;
        if (symbol == nullptr) {
            symbols.emplace_back();
            symbol = &symbols.back();
            symbol->Key.Category = CatEntry;
            symbol->Key.Name = name;
        }
        symbol->Refs.push_back({structure, line, kind});
    }
    CallGraph Graph(CallDirection direction) const {
        return CallGraph(symbols, lines, test::RecordsOf(lines, starts), entryList, settings, direction);
    }

    ListingLines lines;
    StructureStartList starts;
    std::vector<Symbol> symbols;
    std::vector<std::string> entryList;
    int own = 0;
    AnalysisSettings settings;
};

// Captions, each after one ">" per level and followed by ";"; `full` adds
// image, structure and line.
template <typename Node>
std::string Shown(const Node& node, int depth, bool full) {
    return std::string(static_cast<size_t>(depth), '>') + node.Caption +
           (full ? "|" + std::to_string(node.Image) + "|" + std::to_string(node.Record.StructureIndex) +
                       "|" + std::to_string(node.Record.Line)
                 : "") + ";";
}

std::string Captions(const CallGraph& graph, const std::string& name, size_t cap = 100000,
                     bool full = false) {
    std::string out;
    graph.Walk(name, cap, [&](const CallNode& node, int depth) { out += Shown(node, depth, full); });
    return out;
}

std::string Captions(const Tree& tree, bool full = false) {
    std::string out;
    tree.ForEach([&](const TreeNode* node) { out += Shown(*node, node->Level(), full); });
    return out;
}

std::string Chain(int n) {  // LP_1 calls LP_2 ... calls LP_n
    std::string script;
    for (int i = 1; i <= n; ++i) {
        script += " E:LP_" + std::to_string(i) + (i < n ? " C:LP_" + std::to_string(i + 1) : "");
    }
    return script;
}

std::string Dense(int n) {  // every entry calls every other one
    std::string script;
    for (int i = 0; i < n; ++i) {
        script += " E:LP_" + std::to_string(i);
        for (int j = 0; j < n; ++j) script += j != i ? " C:LP_" + std::to_string(j) : "";
    }
    return script;
}

const char* const kCalledTwice = "E:LP_X L T:EXEC C:LP_X T:STRT C:LP_X E:LP_Y C:LP_X C:LP_X";
class CallTreeRules : public ::testing::TestWithParam<test::DataCase> {};

constexpr CallDirection From = CallDirection::CalledFrom;
constexpr CallDirection Calls = CallDirection::Calling;

// Cases in tests/data/call-trees.txt.
TEST_P(CallTreeRules, GiveTheTree) {
    const std::vector<std::string>& script = GetParam().Parts.at(0);
    Listing l(script.at(0));
    std::istringstream how(GetParam().Parts.at(1).at(0));
    std::string direction, selector;
    how >> direction >> selector >> l.settings.ListDuplicateCalls >> l.settings.ListLibraryCalls >>
        l.settings.SortCalls;
    ASSERT_TRUE(how) << GetParam().Parts.at(1).at(0);
    const std::string& expected = GetParam().Parts.at(2).at(0);
    const CallGraph graph = l.Graph(direction == "from" ? From : Calls);
    EXPECT_EQ(Captions(graph, selector), expected);
    // Call-tree records carry no reference kind.
    graph.Walk(selector, 100, [](const CallNode& node, int) { EXPECT_EQ(node.Record.Kind, 0) << node.Caption; });
    // The lazy tree, expanded completely, shows the same.
    Tree tree;
    LazyCallTree(graph, tree).Build(selector, true);
    EXPECT_EQ(Captions(tree), expected);
}

INSTANTIATE_TEST_SUITE_P(Listings, CallTreeRules, ::testing::ValuesIn(test::LoadCases("call-trees.txt")),
                         test::CaseName);

TEST(CallTree, DeepChainsEndSilentlyAtLevel23) {
    const auto depth = [](int chain, CallDirection direction, const std::string& name) {
        int deepest = 0;
        Listing(Chain(chain)).Graph(direction).Walk(name, 100000, [&](const CallNode&, int d) {
            deepest = std::max(deepest, d);
        });
        return deepest;
    };
    EXPECT_EQ(depth(30, Calls, "LP_1"), 23);
    EXPECT_EQ(depth(30, From, "LP_30"), 23);
    EXPECT_EQ(depth(24, Calls, "LP_1"), 23);
    EXPECT_EQ(depth(23, Calls, "LP_1"), 22);
}

TEST(CallTree, NodeCapStopsTheWalkTheBuildAndTheExpansion) {
    const Listing dense(Dense(6));
    const CallGraph graph = dense.Graph(Calls);
    size_t count = 0;
    EXPECT_FALSE(graph.Walk("LP_0", 1000, [&](const CallNode&, int) { ++count; }));
    EXPECT_EQ(count, 1000u);
    const Listing chain(Chain(5));
    EXPECT_TRUE(chain.Graph(Calls).Walk("LP_1", 5, [](const CallNode&, int) {}));
    EXPECT_FALSE(chain.Graph(Calls).Walk("LP_1", 4, [](const CallNode&, int) {}));
    Tree whole;
    EXPECT_FALSE(LazyCallTree(graph, whole).BuildWhole("LP_0", 500));
    EXPECT_EQ(whole.NodeCount(), 500u);
    EXPECT_EQ(Captions(whole, true), Captions(graph, "LP_0", 500, true));
    Tree wholeChain;
    EXPECT_TRUE(LazyCallTree(chain.Graph(Calls), wholeChain).BuildWhole("LP_1", 5));

    Tree tree;
    LazyCallTree lazy(graph, tree);
    lazy.Build("LP_0", false);
    EXPECT_EQ(tree.NodeCount(), 6u);
    EXPECT_FALSE(tree.FirstRoot()->Children[0]->Expanded);
    const auto expanded = [&tree] {
        size_t n = 0;
        tree.ForEach([&](const TreeNode* node) { n += node->Expanded ? 1 : 0; });
        return n;
    };
    EXPECT_FALSE(lazy.ExpandTree(100));
    EXPECT_EQ(expanded(), 100u);
    lazy.CollapseTree();
    EXPECT_EQ(expanded(), 1u);
    EXPECT_TRUE(tree.FirstRoot()->Expanded);
}

TEST(CallTree, RebuildingForTheShownEntryChangesNothing) {
    const Listing l(kCalledTwice);
    const CallGraph graph = l.Graph(From);
    Tree tree;
    LazyCallTree lazy(graph, tree);
    EXPECT_EQ(lazy.Build("", true), nullptr);
    EXPECT_TRUE(tree.Empty());
    ASSERT_NE(lazy.Build("LP_X", true), nullptr);
    EXPECT_EQ(lazy.Build("LP_X", true), nullptr);
    EXPECT_EQ(tree.FirstRoot()->Children.size(), 4u);
    // The entry shown is known by its name, whatever its root is captioned.
    tree.FirstRoot()->Caption = "LP_Y";
    EXPECT_NE(lazy.Build("LP_Y", true), nullptr);
    EXPECT_EQ(lazy.ShownName(), "LP_Y");
}

TEST(CallTreeText, EdgesJoinEachNodeToItsParentAndTheCapEndsTheGraph) {
    std::ostringstream dot;
    EXPECT_TRUE(WriteCallTreeDot(dot, Listing(Chain(4)).Graph(Calls), "LP_1"));
    for (const char* edge : {"  n0 -> n1;\n", "  n1 -> n2;\n", "  n2 -> n3;\n"}) {
        EXPECT_NE(dot.str().find(edge), std::string::npos) << edge;
    }
    EXPECT_EQ(dot.str().find("n4"), std::string::npos);

    const Listing dense(Dense(5));
    std::ostringstream capped, lines;
    EXPECT_FALSE(WriteCallTreeDot(capped, dense.Graph(Calls), "LP_0", 50));
    const std::string cut = capped.str();
    EXPECT_NE(cut.find("  n49 [label="), std::string::npos);
    EXPECT_EQ(cut.find("  n50 [label="), std::string::npos);
    const std::string ending = "  more [label=\"...\", shape=plaintext];\n}\n";
    EXPECT_EQ(cut.substr(cut.size() - ending.size()), ending);
    EXPECT_FALSE(WriteCallTreeLines(lines, dense.Graph(Calls), "LP_0", 50));
    const std::string listed = lines.str();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 51);
    EXPECT_EQ(listed.substr(listed.size() - 4), "...\n");
}

// Random call graphs: expanding lazily, in any order, ends in the tree the
// eager walk gives.
TEST(CallTree, LazyExpansionMatchesTheEagerTree) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        const int n = 2 + static_cast<int>(random() % 6);
        std::string script;
        for (int i = 0; i < n; ++i) {
            script += " E:LP_" + std::to_string(i);
            // Some callees are not defined in the listing.
            for (int c = static_cast<int>(random() % 4); c > 0; --c) {
                script += " C:LP_" + std::to_string(random() % (n + 2));
            }
            if (random() % 3 == 0) script += " T:T" + std::to_string(i) + " C:LP_" + std::to_string(random() % n);
        }
        Listing l(script);
        l.settings.ListDuplicateCalls = random() % 2 == 0;
        l.settings.ListLibraryCalls = random() % 2 == 0;
        l.settings.SortCalls = static_cast<int>(random() % 2);
        for (CallDirection d : {From, Calls}) {
            const CallGraph graph = l.Graph(d);
            const std::string name = "LP_" + std::to_string(random() % n);
            Tree tree;
            LazyCallTree lazy(graph, tree);
            lazy.Build(name, false);
            for (;;) {  // expand pending nodes in a random order until none is left
                std::vector<TreeNode*> pending;
                tree.ForEach([&](TreeNode* node) {
                    if (lazy.HasPendingChildren(node)) pending.push_back(node);
                });
                if (pending.empty()) break;
                lazy.EnsureChildren(pending[random() % pending.size()]);
            }
            EXPECT_EQ(Captions(tree, true), Captions(graph, name, 1u << 30, true)) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace lumorca
