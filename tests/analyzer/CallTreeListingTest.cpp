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

}  // namespace
}  // namespace lumorca::test
