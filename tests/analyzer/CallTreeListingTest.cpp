// Call trees of small listings, through the whole analysis, as lumorca-cli
// prints them: caption, image, state, structure, line.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "AnalysisTestSupport.h"
#include "analyzer/CallTree.h"
#include "analyzer/CallTreeText.h"

namespace lumorca::test {
namespace {

CallGraph GraphOf(const ListingLines& lines, const AnalysisResult& r, const AnalysisSettings& settings,
                  CallDirection direction) {
    return CallGraph(r.XRef, lines, r.StructureStarts, r.EntryList, settings, direction);
}

std::string Calls(ListingLines lines, const std::string& entry, CallDirection direction,
                  const AnalysisSettings& settings = {}) {
    const AnalysisResult r = AnalyzeListing(lines, settings);
    std::ostringstream out;
    WriteCallTreeLines(out, GraphOf(lines, r, settings, direction), entry, CallPrintLimit);
    return out.str();
}

// LP_X is called from two triggers and twice from LP_Y, whose header is in
// upper case.
const ListingLines kTwoTriggersAndAnEntry = {
    TriggerTitle("EXEC", "Form", "F"), "=====", Numbered(1, "call LP_X"), "",     // 0-3
    TriggerTitle("INIT", "Form", "F"), "=====", Numbered(1, "call LP_X()"),       // 4-6
    Numbered(2, "call LP_Y"), Header("entry LP_X"), Numbered(4, "return (0)"),    // 7-9
    Header("ENTRY LP_Y"), Numbered(6, "call LP_X(1)"), Numbered(7, "$1 = LP_X(2)"),  // 10-12
};

// LP_A and LP_B call each other; LP_B calls LP_C on its last line, and LP_C
// calls LP_A on the last line of the listing; LIB_X is not defined.
const ListingLines kMutualCalls = {
    TriggerTitle("LPMX", "Form", "F"), "=====", Numbered(1, "; local procs"),            // 0-2
    Header("entry LP_A"), Numbered(3, "call LP_B(1)"), Numbered(4, "$1 = LIB_X(2)"),     // 3-5
    Numbered(5, "call LP_B"), Header("entry LP_B"), Numbered(7, "if ($status < 0)"),     // 6-8
    Numbered(8, "call LP_A", '1'), Numbered(9, "endif", '1'), Numbered(10, "call LP_C"),  // 9-11
    Header("entry LP_C"), Numbered(12, "return (0)"), Numbered(13, "call LP_A"),         // 12-14
};

TEST(CallTreeOfListing, CalledFromTriggersAndEntriesWithAndWithoutDuplicates) {
    const std::string tree =
        "entry LP_X\t4\t0\t3\t8\t-\n"
        "  <EXEC> from Form: F\t25\t0\t1\t2\t-\n"
        "  <INIT> from Form: F\t25\t0\t2\t6\t-\n"
        "  ENTRY LP_Y\t26\t0\t4\t11\t-\n"
        "    <INIT> from Form: F\t25\t0\t2\t7\t-\n";
    EXPECT_EQ(Calls(kTwoTriggersAndAnEntry, "LP_X", CallDirection::CalledFrom),
              tree + "  ENTRY LP_Y ...\t26\t0\t4\t12\t-\n");
    AnalysisSettings once;
    once.ListDuplicateCalls = false;
    EXPECT_EQ(Calls(kTwoTriggersAndAnEntry, "LP_X", CallDirection::CalledFrom, once), tree);
}

TEST(CallTreeOfListing, CallingFollowsCalleesUntilACallSiteRepeats) {
    EXPECT_EQ(Calls(kMutualCalls, "LP_A", CallDirection::Calling),
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
    EXPECT_EQ(Calls(kMutualCalls, "LP_A", CallDirection::CalledFrom),
              "entry LP_A\t4\t0\t2\t3\t-\n"
              "  entry LP_B\t26\t0\t3\t9\t-\n"
              "    entry LP_A ...\t26\t0\t2\t4\t-\n"
              "    entry LP_A ...\t26\t0\t2\t6\t-\n"
              "  entry LP_C\t26\t0\t4\t14\t-\n"
              "    entry LP_B\t26\t0\t3\t11\t-\n"
              "      entry LP_A ...\t26\t0\t2\t4\t-\n"
              "      entry LP_A ...\t26\t0\t2\t6\t-\n");
}

TEST(CallTreeOfListing, CallingWithoutDuplicatesOrLibraryCalls) {
    AnalysisSettings settings;
    settings.ListDuplicateCalls = false;
    settings.ListLibraryCalls = false;
    settings.SortCalls = 1;
    EXPECT_EQ(Calls(kMutualCalls, "lp_a", CallDirection::Calling, settings),
              "entry LP_A\t4\t0\t2\t3\t-\n"
              "  entry LP_B 3\t22\t0\t2\t4\t-\n"
              "    entry LP_A 8\t22\t0\t3\t9\t-\n"
              "      entry LP_B 3 ...\t22\t0\t2\t4\t-\n"
              "    entry LP_C 10\t22\t0\t3\t11\t-\n"
              "      entry LP_A 13\t22\t0\t4\t14\t-\n"
              "        entry LP_B 3 ...\t22\t0\t2\t4\t-\n");
    // Callers are listed whether or not library calls are.
    EXPECT_EQ(Calls(kMutualCalls, "LIB_X", CallDirection::CalledFrom, settings),
              "\t4\t0\t-\t-\t-\n"
              "  entry LP_A\t26\t0\t2\t5\t-\n"
              "    entry LP_B\t26\t0\t3\t9\t-\n"
              "      entry LP_A ...\t26\t0\t2\t4\t-\n"
              "    entry LP_C\t26\t0\t4\t14\t-\n"
              "      entry LP_B\t26\t0\t3\t11\t-\n"
              "        entry LP_A ...\t26\t0\t2\t4\t-\n");
}

}  // namespace
}  // namespace lumorca::test
