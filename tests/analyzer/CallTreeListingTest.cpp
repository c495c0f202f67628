// Call trees of small listings, through the whole analysis.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "analyzer/Analysis.h"
#include "analyzer/CallTree.h"
#include "analyzer/CallTreeText.h"
#include "analyzer/ListingReader.h"
#include "bench/ListingGenerator.h"

namespace lumorca {
namespace {

std::string Numbered(int number, const std::string& text, char level = ' ') {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%6d %c      ", number, level);
    return prefix + text;
}

struct Analysed {
    ListingLines Lines;
    AnalysisSettings Settings;
    AnalysisResult Result;

    Analysed(ListingLines lines, const AnalysisSettings& settings = {})
        : Lines(std::move(lines)), Settings(settings), Result(AnalyzeListing(Lines, Settings)) {}

    // The tree as lumorca-cli prints it, without the section header.
    std::string Calls(const std::string& entry, CallDirection direction, size_t cap = CallPrintLimit) const {
        const CallGraph graph(Result.XRef, Lines, Result.StructureStarts, Result.EntryList, Settings,
                              direction);
        std::ostringstream out;
        WriteCallTreeLines(out, graph, entry, cap);
        return out.str();
    }
};

// LP_X is called from two triggers and twice from LP_Y.
ListingLines TwoTriggersAndAnEntry() {
    return {
        "Trigger <EXEC> from Form: F",   // 0, structure 1
        "=====",
        Numbered(1, "call LP_X"),        // 2
        "",
        "Trigger <INIT> from Form: F",   // 4, structure 2
        "=====",
        Numbered(1, "call LP_X()"),      // 6
        Numbered(2, "call LP_Y"),        // 7
        "******        entry LP_X",      // 8, structure 3
        Numbered(4, "return (0)"),
        "******        entry LP_Y",      // 10, structure 4
        Numbered(6, "call LP_X(1)"),     // 11
        Numbered(7, "$1 = LP_X(2)"),     // 12
    };
}

TEST(CallTreeOfListing, CalledFromTwoTriggersAndTwiceFromOneEntry) {
    const Analysed a(TwoTriggersAndAnEntry());
    EXPECT_EQ(a.Calls("LP_X", CallDirection::CalledFrom),
              "entry LP_X\t4\t0\t3\t8\t-\n"
              "  <EXEC> from Form: F\t25\t0\t1\t2\t-\n"
              "  <INIT> from Form: F\t25\t0\t2\t6\t-\n"
              "  entry LP_Y\t26\t0\t4\t11\t-\n"
              "    <INIT> from Form: F\t25\t0\t2\t7\t-\n"
              "  entry LP_Y ...\t26\t0\t4\t12\t-\n");

    AnalysisSettings once;
    once.ListDuplicateCalls = false;
    const Analysed b(TwoTriggersAndAnEntry(), once);
    EXPECT_EQ(b.Calls("LP_X", CallDirection::CalledFrom),
              "entry LP_X\t4\t0\t3\t8\t-\n"
              "  <EXEC> from Form: F\t25\t0\t1\t2\t-\n"
              "  <INIT> from Form: F\t25\t0\t2\t6\t-\n"
              "  entry LP_Y\t26\t0\t4\t11\t-\n"
              "    <INIT> from Form: F\t25\t0\t2\t7\t-\n");
}

TEST(CallTreeOfListing, CallersWhoseHeaderIsInUpperCaseAreExpanded) {
    ListingLines lines = TwoTriggersAndAnEntry();
    lines[10] = "******        ENTRY LP_Y";
    const Analysed a(lines);
    EXPECT_EQ(a.Calls("LP_X", CallDirection::CalledFrom),
              "entry LP_X\t4\t0\t3\t8\t-\n"
              "  <EXEC> from Form: F\t25\t0\t1\t2\t-\n"
              "  <INIT> from Form: F\t25\t0\t2\t6\t-\n"
              "  ENTRY LP_Y\t26\t0\t4\t11\t-\n"
              "    <INIT> from Form: F\t25\t0\t2\t7\t-\n"
              "  ENTRY LP_Y ...\t26\t0\t4\t12\t-\n");
}

// LP_A and LP_B call each other; LP_B calls LP_C on its last line, and LP_C
// calls LP_A on the last line of the listing; LIB_X is not defined.
ListingLines MutualCalls() {
    return {
        "Trigger <LPMX> from Form: F",        // 0, structure 1
        "=====",
        Numbered(1, "; local procs"),
        "******        entry LP_A",           // 3, structure 2
        Numbered(3, "call LP_B(1)"),          // 4
        Numbered(4, "$1 = LIB_X(2)"),         // 5
        Numbered(5, "call LP_B"),             // 6
        "******        entry LP_B",           // 7, structure 3
        Numbered(7, "if ($status < 0)"),
        Numbered(8, "call LP_A", '1'),        // 9
        Numbered(9, "endif", '1'),
        Numbered(10, "call LP_C"),            // 11
        "******        entry LP_C",           // 12, structure 4
        Numbered(12, "return (0)"),
        Numbered(13, "call LP_A"),            // 14
    };
}

TEST(CallTreeOfListing, CallingFollowsCalleesUntilACallSiteRepeats) {
    const Analysed a(MutualCalls());
    EXPECT_EQ(a.Calls("LP_A", CallDirection::Calling),
              "entry LP_A\t4\t0\t2\t3\t-\n"
              "  entry LP_B 3\t22\t0\t2\t4\t-\n"
              "    entry LP_A 8\t22\t0\t3\t9\t-\n"
              "      entry LP_B 3 ...\t22\t0\t2\t4\t-\n"
              "      entry LIB_X 4\t22\t0\t2\t5\t-\n"
              "      entry LP_B 5 ...\t22\t0\t2\t6\t-\n"
              "    entry LP_C 10\t22\t0\t3\t11\t-\n"
              "      entry LP_A 13\t22\t0\t4\t14\t-\n"
              "        entry LP_B 3 ...\t22\t0\t2\t4\t-\n"
              "        entry LIB_X 4\t22\t0\t2\t5\t-\n"
              "        entry LP_B 5 ...\t22\t0\t2\t6\t-\n"
              "  entry LIB_X 4\t22\t0\t2\t5\t-\n"
              "  entry LP_B 5 ...\t22\t0\t2\t6\t-\n");
}

TEST(CallTreeOfListing, CallingWithoutDuplicatesOrLibraryCalls) {
    AnalysisSettings settings;
    settings.ListDuplicateCalls = false;
    settings.ListLibraryCalls = false;
    settings.SortCalls = 1;
    const Analysed a(MutualCalls(), settings);
    EXPECT_EQ(a.Calls("lp_a", CallDirection::Calling),
              "entry LP_A\t4\t0\t2\t3\t-\n"
              "  entry LP_B 3\t22\t0\t2\t4\t-\n"
              "    entry LP_A 8\t22\t0\t3\t9\t-\n"
              "      entry LP_B 3 ...\t22\t0\t2\t4\t-\n"
              "    entry LP_C 10\t22\t0\t3\t11\t-\n"
              "      entry LP_A 13\t22\t0\t4\t14\t-\n"
              "        entry LP_B 3 ...\t22\t0\t2\t4\t-\n");
    // Callers are listed whether or not library calls are.
    EXPECT_EQ(a.Calls("LIB_X", CallDirection::CalledFrom),
              "\t4\t0\t-\t-\t-\n"
              "  entry LP_A\t26\t0\t2\t5\t-\n"
              "    entry LP_B\t26\t0\t3\t9\t-\n"
              "      entry LP_A ...\t26\t0\t2\t4\t-\n"
              "    entry LP_C\t26\t0\t4\t14\t-\n"
              "      entry LP_B\t26\t0\t3\t11\t-\n"
              "        entry LP_A ...\t26\t0\t2\t4\t-\n");
}

TEST(CallTreeOfListing, CalledFromStopsAtTheRootAndAtDuplicates) {
    const Analysed a(MutualCalls());
    EXPECT_EQ(a.Calls("LP_A", CallDirection::CalledFrom),
              "entry LP_A\t4\t0\t2\t3\t-\n"
              "  entry LP_B\t26\t0\t3\t9\t-\n"
              "    entry LP_A ...\t26\t0\t2\t4\t-\n"
              "    entry LP_A ...\t26\t0\t2\t6\t-\n"
              "  entry LP_C\t26\t0\t4\t14\t-\n"
              "    entry LP_B\t26\t0\t3\t11\t-\n"
              "      entry LP_A ...\t26\t0\t2\t4\t-\n"
              "      entry LP_A ...\t26\t0\t2\t6\t-\n");
}

TEST(CallTreeOfListing, UnknownSelectorGivesAnEmptyRoot) {
    const Analysed a(MutualCalls());
    EXPECT_EQ(a.Calls("LP_NONE", CallDirection::Calling), "\t4\t0\t-\t-\t-\n");
    EXPECT_EQ(a.Calls("LP_NONE", CallDirection::CalledFrom), "\t4\t0\t-\t-\t-\n");
}

// LP_1 calls LP_2 ... calls LP_n, each from its second line.
ListingLines Chain(int n) {
    ListingLines lines = {"Trigger <LPMX> from Form: F", "=====", Numbered(1, "; chain")};
    int number = 1;
    for (int i = 1; i <= n; ++i) {
        ++number;
        lines.push_back("******        entry LP_" + std::to_string(i));
        if (i < n) lines.push_back(Numbered(++number, "call LP_" + std::to_string(i + 1)));
    }
    return lines;
}

int Deepest(const Analysed& a, const std::string& entry, CallDirection direction) {
    const CallGraph graph(a.Result.XRef, a.Lines, a.Result.StructureStarts, a.Result.EntryList,
                          a.Settings, direction);
    int deepest = -1;
    graph.Walk(entry, CallPrintLimit, [&](const CallNode&, int depth) { deepest = std::max(deepest, depth); });
    return deepest;
}

TEST(CallTreeOfListing, ChainsEndAtLevel23) {
    const Analysed a(Chain(30));
    EXPECT_EQ(Deepest(a, "LP_1", CallDirection::Calling), 23);
    EXPECT_EQ(Deepest(a, "LP_30", CallDirection::CalledFrom), 23);
    EXPECT_EQ(Deepest(a, "LP_20", CallDirection::Calling), 10);
}

// Entries that all call each other: far more than any cap.
ListingLines Clique(int n) {
    ListingLines lines = {"Trigger <LPMX> from Form: F", "=====", Numbered(1, "; clique")};
    int number = 1;
    for (int i = 0; i < n; ++i) {
        lines.push_back("******        entry LP_" + std::to_string(i));
        ++number;
        for (int j = 0; j < n; ++j) {
            if (j != i) lines.push_back(Numbered(++number, "call LP_" + std::to_string(j)));
        }
    }
    return lines;
}

TEST(CallTreeOfListing, PrintingStopsAfterTheCapWithAnEllipsis) {
    const Analysed a(Clique(7));
    const std::string text = a.Calls("LP_0", CallDirection::Calling, 1000);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1001);
    EXPECT_EQ(text.substr(text.size() - 4), "...\n");

    const Analysed small(Chain(3));
    EXPECT_EQ(small.Calls("LP_1", CallDirection::Calling, 3).find("..."), std::string::npos);
    EXPECT_NE(small.Calls("LP_1", CallDirection::Calling, 2).find("...\n"), std::string::npos);
}

// The window expands nodes one at a time, in whatever order the user
// clicks; at the end it must show what the whole build shows.
TEST(CallTreeOfListing, LazyTreesOfGeneratedListingsMatchTheEagerBuild) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        bench::ListingShape shape;
        shape.Lines = 600;
        shape.Seed = seed;
        AnalysisSettings settings;
        settings.ListDuplicateCalls = seed % 2 == 0;
        settings.ListLibraryCalls = seed % 3 != 0;
        settings.SortCalls = seed == 3 ? 1 : 0;
        const Analysed a(SplitFileText(bench::GenerateListing(shape)), settings);
        ASSERT_FALSE(a.Result.EntryList.empty());
        for (CallDirection direction : {CallDirection::CalledFrom, CallDirection::Calling}) {
            const CallGraph graph(a.Result.XRef, a.Lines, a.Result.StructureStarts,
                                  a.Result.EntryList, settings, direction);
            for (const std::string& entry : a.Result.EntryList) {
                Tree eager;
                LazyCallTree whole(graph, eager);
                if (!whole.BuildWhole(entry, 20000)) continue;

                Tree tree;
                LazyCallTree lazy(graph, tree);
                lazy.Build(entry, false);
                // Deepest pending node first: the opposite of the build's own order.
                for (;;) {
                    TreeNode* next = nullptr;
                    tree.ForEach([&](TreeNode* node) {
                        if (lazy.HasPendingChildren(node) &&
                            (next == nullptr || node->Level() >= next->Level())) {
                            next = node;
                        }
                    });
                    if (next == nullptr) break;
                    lazy.EnsureChildren(next);
                }
                std::string expected, actual;
                eager.ForEach([&](TreeNode* n) {
                    expected += std::to_string(n->Level()) + n->Caption + "|" + std::to_string(n->Image) +
                                "|" + std::to_string(n->Record.StructureIndex) + "|" +
                                std::to_string(n->Record.Line) + "\n";
                });
                tree.ForEach([&](TreeNode* n) {
                    actual += std::to_string(n->Level()) + n->Caption + "|" + std::to_string(n->Image) +
                              "|" + std::to_string(n->Record.StructureIndex) + "|" +
                              std::to_string(n->Record.Line) + "\n";
                });
                ASSERT_EQ(actual, expected) << "seed " << seed << " entry " << entry;
            }
        }
    }
}

}  // namespace
}  // namespace lumorca
