// Call trees over cross-reference trees assembled node by node, so that the
// call-tree rules are checked apart from the analysis that normally feeds them.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "analyzer/CallTree.h"
#include "analyzer/CallTreeText.h"

namespace lumorca {
namespace {

constexpr uint8_t Def = 25;
constexpr uint8_t CallRef = 26;

class Listing {
public:
    Listing() {
        lines.push_back("Banner");
        starts.push_back(0);
        TreeNode* root = xref.Add(nullptr, "Form F", 0);
        entries = xref.AddWithRecord(root, "Entries", 5, NodeRecord{-1, -1, 2}, NodeRole::Category);
    }

    // A trigger header with its separator; returns the structure index.
    int Trigger(const std::string& name) {
        starts.push_back(static_cast<int32_t>(lines.size()));
        lines.push_back("Trigger <" + name + "> from Form: F");
        lines.push_back("=====");
        own = 0;
        return static_cast<int>(starts.size()) - 1;
    }
    // An entry header; returns the structure index.
    int Entry(const std::string& name) {
        ++own;
        starts.push_back(static_cast<int32_t>(lines.size()));
        lines.push_back("******        entry " + name);
        entryList.push_back(name);
        Ref(name, Def);
        return static_cast<int>(starts.size()) - 1;
    }
    // A numbered line of the current structure; returns its line index.
    int32_t Line(const std::string& text = "x = 1") {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "%6d        ", ++own);
        lines.push_back(prefix + text);
        return static_cast<int32_t>(lines.size()) - 1;
    }
    // A call of `callee` on a new line of the current structure.
    int32_t Call(const std::string& callee) {
        const int32_t line = Line("call " + callee);
        Ref(callee, CallRef, line);
        return line;
    }
    // A reference in the current structure, by default on the last line.
    void Ref(const std::string& name, uint8_t kind, int32_t line = -1, int32_t structure = -1) {
        if (line < 0) line = static_cast<int32_t>(lines.size()) - 1;
        if (structure < 0) structure = static_cast<int32_t>(starts.size()) - 1;
        xref.AddWithRecord(Symbol(name), std::to_string(line), 11,
                           NodeRecord{structure, line, kind}, NodeRole::Reference);
    }
    TreeNode* Symbol(const std::string& name) {
        const std::string caption = LowerCase(name);
        for (TreeNode* node : entries->Children) {
            if (node->Caption == caption) return node;
        }
        return xref.AddWithRecord(entries, caption, 6, NodeRecord{-1, -1, 0}, NodeRole::Symbol);
    }

    ListingLines lines;
    StructureStartList starts;
    Tree xref;
    TreeNode* entries = nullptr;
    std::vector<std::string> entryList;
    int own = 0;
    AnalysisSettings settings;
};

// One line per node: indentation, caption, image and record.
std::string Dump(const CallGraph& graph, const std::string& name, size_t cap = 100000) {
    std::string out;
    graph.Walk(name, cap, [&](const CallNode& node, int depth) {
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + node.Caption + "|" +
               std::to_string(node.Image);
        if (node.HasRecord) {
            out += "|" + std::to_string(node.Record.StructureIndex) + "|" +
                   std::to_string(node.Record.Line);
        }
        out += "\n";
    });
    return out;
}

std::string Dump(const Tree& tree) {
    std::string out;
    tree.ForEach([&](const TreeNode* node) {
        out += std::string(static_cast<size_t>(node->Level()) * 2, ' ') + node->Caption + "|" +
               std::to_string(node->Image);
        if (node->HasRecord) {
            out += "|" + std::to_string(node->Record.StructureIndex) + "|" +
                   std::to_string(node->Record.Line);
        }
        out += "\n";
    });
    return out;
}

std::string Captions(const CallGraph& graph, const std::string& name) {
    std::string out;
    graph.Walk(name, 100000, [&](const CallNode& node, int depth) {
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + node.Caption + "\n";
    });
    return out;
}

CallGraph Graph(const Listing& l, CallDirection direction) {
    return CallGraph(l.xref, l.lines, l.starts, l.entryList, l.settings, direction);
}

// LP_X is called from two triggers and twice from LP_Y.
Listing CalledTwice() {
    Listing l;
    l.Entry("LP_X");
    l.Line();
    l.Trigger("EXEC");
    l.Call("LP_X");
    l.Trigger("STRT");
    l.Call("LP_X");
    l.Entry("LP_Y");
    l.Call("LP_X");
    l.Call("LP_X");
    return l;
}

TEST(CallTreeCalledFrom, ListsTriggersAndDuplicateEntryCallsWhenAsked) {
    Listing l = CalledTwice();
    const CallGraph graph = Graph(l, CallDirection::CalledFrom);
    EXPECT_EQ(Dump(graph, "LP_X"),
              "entry LP_X|4|1|1\n"
              "  <EXEC> from Form: F|25|2|5\n"
              "  <STRT> from Form: F|25|3|8\n"
              "  entry LP_Y|26|4|10\n"
              "  entry LP_Y ...|26|4|11\n");
}

TEST(CallTreeCalledFrom, DropsDuplicateEntryCallsWhenSwitchedOff) {
    Listing l = CalledTwice();
    l.settings.ListDuplicateCalls = false;
    EXPECT_EQ(Captions(Graph(l, CallDirection::CalledFrom), "LP_X"),
              "entry LP_X\n"
              "  <EXEC> from Form: F\n"
              "  <STRT> from Form: F\n"
              "  entry LP_Y\n");
}

TEST(CallTreeCalledFrom, FollowsCallersUpAndStopsAtTheirOwnCaption) {
    Listing l;
    l.Entry("LP_A");
    l.Call("LP_B");
    l.Entry("LP_B");
    l.Call("LP_A");
    l.Call("LP_B");  // calls itself
    EXPECT_EQ(Captions(Graph(l, CallDirection::CalledFrom), "lp_b"),
              "entry LP_B\n"
              "  entry LP_A\n"
              "    entry LP_B ...\n"
              "  entry LP_B ...\n");
}

TEST(CallTreeCalledFrom, CallerThatIsNoEntryIsALeaf) {
    Listing l;
    l.Entry("LP_X");
    l.Call("LP_X");
    l.Ref("LP_X", CallRef, 0, 0);  // from the text before the first header
    const CallGraph graph = Graph(l, CallDirection::CalledFrom);
    EXPECT_EQ(Dump(graph, "LP_X"),
              "entry LP_X|4|1|1\n"
              "  (top)|26|0|0\n"
              "  entry LP_X ...|26|1|2\n");
}

TEST(CallTreeCalling, MutualRecursionEndsAtTheRepeatedCallSite) {
    Listing l;
    l.Entry("LP_A");
    l.Line();
    l.Call("LP_B");  // own line 3
    l.Entry("LP_B");
    l.Call("LP_A");  // own line 5
    const CallGraph graph = Graph(l, CallDirection::Calling);
    EXPECT_EQ(Dump(graph, "LP_A"),
              "entry LP_A|4|1|1\n"
              "  entry LP_B 3|22|1|3\n"
              "    entry LP_A 5|22|2|5\n"
              "      entry LP_B 3 ...|22|1|3\n");
}

TEST(CallTreeCalling, CallsOnTheLastLineCountButNotOnTheHeader) {
    Listing l;
    l.Entry("LP_A");
    l.Ref("LP_C", CallRef);  // on the header line itself
    l.Call("LP_B");
    l.Line();
    l.Call("LP_C");  // the entry's last line
    l.Entry("LP_B");
    l.Entry("LP_C");
    l.Line();
    l.Call("LP_B");  // last line of the listing
    const CallGraph graph = Graph(l, CallDirection::Calling);
    EXPECT_EQ(Captions(graph, "LP_A"),
              "entry LP_A\n"
              "  entry LP_B 2\n"
              "  entry LP_C 4\n"
              "    entry LP_B 8\n");
}

TEST(CallTreeCalling, DuplicateCalleesAndLibraryCalls) {
    Listing l;
    l.Entry("LP_A");
    l.Call("LP_B");
    l.Call("LIB_X");
    l.Call("LP_B");
    l.Call("LIB_X");
    l.Entry("LP_B");
    l.Call("LIB_X");

    EXPECT_EQ(Captions(Graph(l, CallDirection::Calling), "LP_A"),
              "entry LP_A\n"
              "  entry LP_B 2\n"
              "    entry LIB_X 7\n"
              "  entry LIB_X 3\n"
              "  entry LP_B 4 ...\n"
              "  entry LIB_X 5 ...\n");

    l.settings.ListDuplicateCalls = false;
    EXPECT_EQ(Captions(Graph(l, CallDirection::Calling), "LP_A"),
              "entry LP_A\n"
              "  entry LP_B 2\n"
              "    entry LIB_X 7\n"
              "  entry LIB_X 3\n");

    l.settings.ListDuplicateCalls = true;
    l.settings.ListLibraryCalls = false;
    EXPECT_EQ(Captions(Graph(l, CallDirection::Calling), "LP_A"),
              "entry LP_A\n"
              "  entry LP_B 2\n"
              "  entry LP_B 4 ...\n");

    // Callers of a library entry are listed whatever the switch says.
    EXPECT_EQ(Captions(Graph(l, CallDirection::CalledFrom), "LIB_X"),
              "\n"
              "  entry LP_A\n"
              "  entry LP_A ...\n"
              "  entry LP_B\n"
              "    entry LP_A\n"
              "    entry LP_A ...\n");
}

TEST(CallTreeCalling, SortsByOwnLineNumberOrAlphabetically) {
    Listing l;
    l.Entry("LP_A");
    for (int i = 0; i < 7; ++i) l.Line();
    l.Call("LP_Z");   // own line 9
    l.Call("LP_M");   // own line 10
    l.Call("LP_B");   // own line 11
    l.Ref("LP_Q", CallRef, l.Line("")); // own line 12
    l.lines.back() = "      ";          // a line without a number of its own

    EXPECT_EQ(Captions(Graph(l, CallDirection::Calling), "LP_A"),
              "entry LP_A\n"
              "  entry LP_Q \n"
              "  entry LP_Z 9\n"
              "  entry LP_M 10\n"
              "  entry LP_B 11\n");

    l.settings.SortCalls = 1;
    EXPECT_EQ(Captions(Graph(l, CallDirection::Calling), "LP_A"),
              "entry LP_A\n"
              "  entry LP_B 11\n"
              "  entry LP_M 10\n"
              "  entry LP_Q \n"
              "  entry LP_Z 9\n");
}

TEST(CallTreeCalledFrom, SortsByCaptionWhateverSortCallsSays) {
    Listing l;
    l.Entry("LP_X");
    l.Entry("LP_ZZ");
    l.Call("LP_X");
    l.Entry("LP_AA");
    l.Call("LP_X");
    l.settings.SortCalls = 0;
    EXPECT_EQ(Captions(Graph(l, CallDirection::CalledFrom), "LP_X"),
              "entry LP_X\n"
              "  entry LP_AA\n"
              "  entry LP_ZZ\n");
}

TEST(CallTree, SelectorMatchingNothingGivesAnEmptyRoot) {
    Listing l = CalledTwice();
    for (CallDirection d : {CallDirection::CalledFrom, CallDirection::Calling}) {
        const CallGraph graph = Graph(l, d);
        EXPECT_EQ(Dump(graph, "NO_SUCH"), "|4\n");
        Tree tree;
        LazyCallTree lazy(graph, tree);
        TreeNode* root = lazy.Build("NO_SUCH", true);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->Caption, "");
        EXPECT_FALSE(root->HasRecord);
        EXPECT_TRUE(root->Children.empty());
    }
}

// LP_1 calls LP_2 ... calls LP_n.
Listing Chain(int n) {
    Listing l;
    for (int i = 1; i <= n; ++i) {
        l.Entry("LP_" + std::to_string(i));
        if (i < n) l.Call("LP_" + std::to_string(i + 1));
    }
    return l;
}

int Depth(const CallGraph& graph, const std::string& name) {
    int deepest = 0;
    graph.Walk(name, 100000, [&](const CallNode&, int depth) { deepest = std::max(deepest, depth); });
    return deepest;
}

TEST(CallTree, DeepChainsEndSilentlyAtLevel23) {
    const Listing l = Chain(30);
    EXPECT_EQ(Depth(Graph(l, CallDirection::Calling), "LP_1"), 23);
    EXPECT_EQ(Depth(Graph(l, CallDirection::CalledFrom), "LP_30"), 23);
    const Listing shorter = Chain(24);
    EXPECT_EQ(Depth(Graph(shorter, CallDirection::Calling), "LP_1"), 23);
    const Listing fits = Chain(23);
    EXPECT_EQ(Depth(Graph(fits, CallDirection::Calling), "LP_1"), 22);
}

// Every entry calls every other one: the tree grows very fast.
Listing Dense(int n) {
    Listing l;
    for (int i = 0; i < n; ++i) {
        l.Entry("LP_" + std::to_string(i));
        for (int j = 0; j < n; ++j) {
            if (j != i) l.Call("LP_" + std::to_string(j));
        }
    }
    return l;
}

TEST(CallTree, NodeCapStopsTheWalk) {
    const Listing l = Dense(6);
    const CallGraph graph = Graph(l, CallDirection::Calling);
    size_t count = 0;
    EXPECT_FALSE(graph.Walk("LP_0", 1000, [&](const CallNode&, int) { ++count; }));
    EXPECT_EQ(count, 1000u);

    const Listing small = Chain(5);
    const CallGraph chain = Graph(small, CallDirection::Calling);
    count = 0;
    EXPECT_TRUE(chain.Walk("LP_1", 5, [&](const CallNode&, int) { ++count; }));
    EXPECT_EQ(count, 5u);
    EXPECT_FALSE(chain.Walk("LP_1", 4, [](const CallNode&, int) {}));

    Tree tree;
    LazyCallTree lazy(graph, tree);
    EXPECT_FALSE(lazy.BuildWhole("LP_0", 500));
    EXPECT_EQ(tree.NodeCount(), 500u);
    EXPECT_EQ(Dump(tree), Dump(graph, "LP_0", 500));
}

TEST(CallTree, ExpandingEverythingStopsAtTheLimit) {
    const Listing l = Dense(6);
    const CallGraph graph = Graph(l, CallDirection::Calling);
    Tree tree;
    LazyCallTree lazy(graph, tree);
    lazy.Build("LP_0", false);
    EXPECT_EQ(tree.NodeCount(), 6u);
    EXPECT_TRUE(tree.FirstRoot()->Expanded);
    EXPECT_FALSE(tree.FirstRoot()->Children[0]->Expanded);

    EXPECT_FALSE(lazy.ExpandTree(100));
    size_t expanded = 0;
    tree.ForEach([&](const TreeNode* node) { expanded += node->Expanded ? 1 : 0; });
    EXPECT_EQ(expanded, 100u);

    lazy.CollapseTree();
    expanded = 0;
    tree.ForEach([&](const TreeNode* node) { expanded += node->Expanded ? 1 : 0; });
    EXPECT_EQ(expanded, 1u);
    EXPECT_TRUE(tree.FirstRoot()->Expanded);

    // A small tree expands completely.
    const Listing small = Chain(4);
    const CallGraph chain = Graph(small, CallDirection::Calling);
    Tree whole;
    LazyCallTree lazyChain(chain, whole);
    lazyChain.Build("LP_1", true);
    EXPECT_EQ(whole.NodeCount(), 4u);
    whole.ForEach([](TreeNode* node) { EXPECT_TRUE(node->Expanded); });
}

TEST(CallTree, RebuildingForTheShownCaptionChangesNothing) {
    Listing l = CalledTwice();
    const CallGraph graph = Graph(l, CallDirection::CalledFrom);
    Tree tree;
    LazyCallTree lazy(graph, tree);
    EXPECT_EQ(lazy.Build("", true), nullptr);
    EXPECT_TRUE(tree.Empty());
    ASSERT_NE(lazy.Build("LP_X", true), nullptr);
    tree.FirstRoot()->Caption = "LP_Y";  // a root whose caption equals the selector text
    EXPECT_EQ(lazy.Build("LP_Y", true), nullptr);
    EXPECT_EQ(tree.FirstRoot()->Children.size(), 4u);
}

TEST(CallTreeText, DotEscapesLabelsAndPointsFromCallerToCallee) {
    Listing l;
    l.Entry("LP_\"A\\B\xe4");
    l.Call("LP_C");
    l.Trigger("EXEC");
    l.Call("LP_\"A\\B\xe4");
    std::ostringstream from;
    EXPECT_TRUE(WriteCallTreeDot(from, Graph(l, CallDirection::CalledFrom), "LP_\"A\\B\xe4"));
    EXPECT_EQ(from.str(),
              "digraph calls {\n  node [shape=box];\n  edge [dir=back];\n"
              "  n0 [label=\"entry LP_\\\"A\\\\B\xc3\xa4\"];\n"
              "  n1 [label=\"<EXEC> from Form: F\"];\n"
              "  n0 -> n1;\n}\n");

    std::ostringstream calling;
    EXPECT_TRUE(WriteCallTreeDot(calling, Graph(l, CallDirection::Calling), "LP_\"A\\B\xe4"));
    EXPECT_EQ(calling.str(),
              "digraph calls {\n  node [shape=box];\n"
              "  n0 [label=\"entry LP_\\\"A\\\\B\xc3\xa4\"];\n"
              "  n1 [label=\"entry LP_C 2\"];\n"
              "  n0 -> n1;\n}\n");
}

TEST(CallTreeText, EdgesJoinEachNodeToItsParentAndTheCapEndsTheGraph) {
    const Listing l = Chain(4);
    std::ostringstream dot;
    EXPECT_TRUE(WriteCallTreeDot(dot, Graph(l, CallDirection::Calling), "LP_1"));
    const std::string text = dot.str();
    EXPECT_NE(text.find("  n0 -> n1;\n"), std::string::npos);
    EXPECT_NE(text.find("  n1 -> n2;\n"), std::string::npos);
    EXPECT_NE(text.find("  n2 -> n3;\n"), std::string::npos);
    EXPECT_EQ(text.find("n4"), std::string::npos);

    const Listing dense = Dense(5);
    std::ostringstream capped;
    EXPECT_FALSE(WriteCallTreeDot(capped, Graph(dense, CallDirection::Calling), "LP_0", 50));
    const std::string cut = capped.str();
    EXPECT_NE(cut.find("  n49 [label="), std::string::npos);
    EXPECT_EQ(cut.find("  n50 [label="), std::string::npos);
    const std::string ending = "  more [label=\"...\", shape=plaintext];\n}\n";
    EXPECT_EQ(cut.substr(cut.size() - ending.size()), ending);

    std::ostringstream lines;
    EXPECT_FALSE(WriteCallTreeLines(lines, Graph(dense, CallDirection::Calling), "LP_0", 50));
    const std::string listed = lines.str();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 51);
    EXPECT_EQ(listed.substr(listed.size() - 4), "...\n");
}

// Random call graphs: expanding lazily, in any order, ends in the tree the
// eager walk gives.
TEST(CallTree, LazyExpansionMatchesTheEagerTree) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        Listing l;
        const int n = 2 + static_cast<int>(random() % 6);
        for (int i = 0; i < n; ++i) {
            l.Entry("LP_" + std::to_string(i));
            const int calls = static_cast<int>(random() % 4);
            for (int c = 0; c < calls; ++c) {
                // Some callees are not defined in the listing.
                l.Call("LP_" + std::to_string(random() % (n + 2)));
            }
            if (random() % 3 == 0) {
                l.Trigger("T" + std::to_string(i));
                l.Call("LP_" + std::to_string(random() % n));
            }
        }
        l.settings.ListDuplicateCalls = random() % 2 == 0;
        l.settings.ListLibraryCalls = random() % 2 == 0;
        l.settings.SortCalls = static_cast<int>(random() % 2);
        for (CallDirection d : {CallDirection::CalledFrom, CallDirection::Calling}) {
            const CallGraph graph = Graph(l, d);
            const std::string name = "LP_" + std::to_string(random() % n);
            const std::string eager = Dump(graph, name, 1u << 30);

            Tree tree;
            LazyCallTree lazy(graph, tree);
            lazy.Build(name, false);
            // Expand pending nodes in a random order until none is left.
            for (;;) {
                std::vector<TreeNode*> pending;
                tree.ForEach([&](TreeNode* node) {
                    if (lazy.HasPendingChildren(node)) pending.push_back(node);
                });
                if (pending.empty()) break;
                lazy.EnsureChildren(pending[random() % pending.size()]);
            }
            EXPECT_EQ(Dump(tree), eager) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace lumorca
