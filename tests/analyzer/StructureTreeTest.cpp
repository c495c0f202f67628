// Structure tree, structure starts, entry list and entity menu; the golden
// dumps hold the service root and the sorting of entities, fields and triggers.

#include "AnalysisTestSupport.h"

namespace lumorca::test {
namespace {

class StructureTree : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/structure-trees.txt.
TEST_P(StructureTree, HasTheNodesOfTheListing) {
    std::string dump;
    for (const std::string& line : GetParam().Parts.at(2)) dump += line + "\n";
    EXPECT_EQ(DumpText(Analyse(GetParam().Parts.at(0), SettingsOf(GetParam().Parts.at(1))).Result.Structure), dump);
}

INSTANTIATE_TEST_SUITE_P(Listings, StructureTree, ::testing::ValuesIn(LoadCases("structure-trees.txt")), CaseName);

TEST(StructureLists, StartsEntriesAndEntityMenu) {
    const Analysed a = Analyse({TriggerTitle("EXEC", "Service", "CUSTSVC"), TriggerTitle("READ", "Entity", "ORDER.S"),
                                TriggerTitle("LPMX", "Entity", "ADDRESS.S"), Header("entry LP_B"), "X = 1",
                                Header("entry lp_a"), Header("entry"), "Y = 1"});
    EXPECT_EQ(a.Result.ComponentName, "Service");
    // The root of the cross-reference tree carries the form's caption.
    EXPECT_EQ(a.Result.XRef.FirstRoot()->Caption, "Service CUSTSVC");
    // A header without a name records nothing.
    EXPECT_EQ(a.Result.StructureStarts, (StructureStartList{0, 0, 2, 4, 6, 8}));
    EXPECT_EQ(a.Result.EntryList, (Names{"LP_A", "LP_B"}));
    ASSERT_EQ(a.Result.EntityMenu.size(), 2u);
    EXPECT_EQ(a.Result.EntityMenu[0].Caption, "ADDRESS");
    EXPECT_EQ(a.Result.EntityMenu[0].Node->Caption, "Entity ADDRESS");
    EXPECT_EQ(a.Result.EntityMenu[1].Caption, "ORDER");
}

TEST(StructureLists, EntryListKeepsDuplicatesAndIsFilledEvenWithWarningsOnly) {
    AnalysisSettings settings;
    settings.WarningsOnly = true;
    const Analysed a = Analyse({TriggerTitle("LPMX", "Form", "F"), Header("entry LP_X"), "CALL LP_X",
                                Header("entry LP_X")}, settings);
    EXPECT_EQ(a.Result.EntryList, (Names{"LP_X", "LP_X"}));
    EXPECT_EQ(XRef(a, {"Entries"}), nullptr);  // no entry definitions, no calls recorded
}

TEST(StructureLists, ShortTitleChangesNothing) {
    ListingLines lines = {TriggerTitle("EXEC", "Form", "F"), std::string(78, '='), "Trigger <X> from",
                          Numbered(1, "A = 1")};
    const AnalysisResult r = AnalyzeListing(lines, AnalysisSettings());
    EXPECT_EQ(DumpText(r.Structure), "Form F\t0\t0\t-1\t-1\t0\n  Trigger EXEC\t3\t0\t1\t0\t3\n");
    EXPECT_EQ(Refs(XRefAt(r.XRef, {"Other variable", "a"})), "3:3");  // still in the EXEC trigger
}

TEST(StructureLists, IgnoredErrfTriggerRecordsNothing) {
    AnalysisSettings settings;
    settings.IgnoreERRF = true;
    const std::vector<std::string> body = {TriggerTitle("ERRF", "Form", "F"), "A = 1", "CALL LP_X", "ERROR: boom",
                                           TriggerTitle("EXEC", "Form", "F"), "B = 1"};
    const Analysed ignored = Analyse(body, settings);
    ExpectRefs(ignored, {{"a", "<none>"}, {"Entries|lp_x", "<none>"}, {"b", "7:3"}});
    EXPECT_EQ(XRef(ignored, {"Compiler messages"}), nullptr);
    settings.IgnoreERRF = false;
    ExpectRefs(Analyse(body, settings), {{"a", "2:3"}});
}

TEST(StructureLists, IgnoreEmptyLinesShortensTheListingAndRenumbers) {
    ListingLines lines = {TriggerTitle("EXEC", "Form", "F"), "", Numbered(1, ""), Numbered(2, "A = 1"),
                          "     3        ", Header("entry LP_X"), Numbered(5, "B = %\\"), "", Numbered(6, "C")};
    AnalysisSettings settings;
    settings.IgnoreEmptyLines = true;
    const AnalysisResult r = AnalyzeListing(lines, settings);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], Numbered(2, "A = 1"));
    EXPECT_EQ(r.StructureStarts, (StructureStartList{0, 0, 2}));
    EXPECT_EQ(Refs(XRefAt(r.XRef, {"Other variable", "a"})), "1:3");
    // The continuation goes on across the dropped line.
    EXPECT_EQ(Refs(XRefAt(r.XRef, {"Other variable", "c"})), "4:2");
}

}  // namespace
}  // namespace lumorca::test
