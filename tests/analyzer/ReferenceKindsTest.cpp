// How the statement walk records each name: category and reference kind.

#include "AnalysisTestSupport.h"

namespace lumorca::test {
namespace {

class ReferenceKinds : public ::testing::TestWithParam<DataCase> {};

// The settings of a case: "Key=Value" lines in its third part, if any.
AnalysisSettings SettingsOfCase(const DataCase& c) { return c.Parts.size() > 2 ? SettingsOf(c.Parts[2]) : AnalysisSettings{}; }

// Cases in tests/data/reference-kinds.txt: "key => line:kind ..." after the body.
TEST_P(ReferenceKinds, AreRecordedPerLine) {
    ExpectRefLines(Body(GetParam().Parts.at(0), SettingsOfCase(GetParam())), GetParam().Parts.at(1));
}

INSTANTIATE_TEST_SUITE_P(Statements, ReferenceKinds, ::testing::ValuesIn(LoadCases("reference-kinds.txt")), CaseName);

class CategoryOrder : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/category-order.txt: the category and its children after the body.
TEST_P(CategoryOrder, SortsItsSymbols) {
    const Names& expected = GetParam().Parts.at(1);
    const Analysed a = Body(GetParam().Parts.at(0), SettingsOfCase(GetParam()));
    const TreeNode* category = XRef(a, {expected.at(0)});
    EXPECT_EQ(category == nullptr, expected.size() == 1);
    EXPECT_EQ(ChildCaptions(category), Names(expected.begin() + 1, expected.end()));
}

INSTANTIATE_TEST_SUITE_P(Categories, CategoryOrder, ::testing::ValuesIn(LoadCases("category-order.txt")), CaseName);

TEST(ReferenceKindsSettings, EmptyLineTestLooksAtTheFirstFourteenColumns) {
    AnalysisSettings settings;
    settings.IgnoreEmptyLines = true;
    ListingLines lines = MakeListing({TriggerTitle("EXEC", "Form", "F"), "A = 1"});
    for (const char* line : {"     2        ", "     3         ", "\t", "x", ""}) lines.push_back(line);
    const AnalysisResult r = AnalyzeListing(lines, settings);
    EXPECT_EQ(lines, (ListingLines{lines[0], lines[1], lines[2], "     3         ", "x"}));
    EXPECT_EQ(Refs(XRefAt(r.XRef, {"Other variable", "x"})), "4:3");
}

TEST(ReferenceKindsStates, UnbalancedSubstitutionsAndArgumentCountsAreMarked) {
    const Analysed a = Body({"F = \"%%$TEXT(GREET) %%%%% %%G\"", "X = \"plain %%%\"",
                             "call LP_A(1, B(2), \"x,y\")", "R = LP_SUMX(1)", "call LP_SUM(Q, %\\", "W)",
                             Header("entry LP_SUM"), "params", "numeric P1 : IN", "string P2 : OUT",
                             "endparams", Header("entry LP_A"), "params", "numeric P1 : INOUT", "endparams"});
    const auto state = [&a](const std::vector<std::string>& path) {
        const TreeNode* node = XRef(a, path);
        return node == nullptr ? -1 : node->StateImage;
    };
    // "%%%%%" counts for nothing: two openings, no closing.
    EXPECT_EQ(state({"Variable %%strings%%%", "\"%%$text(greet) %%%%% %%g\""}), 1);
    EXPECT_EQ(state({"Variable %%strings%%%", "\"plain %%%\""}), 1);
    EXPECT_EQ(state({"Entries", "lp_a"}), 1);    // three arguments, one parameter
    EXPECT_EQ(state({"Entries", "lp_sum"}), 0);  // Q and W on two lines: two arguments
    ExpectRefs(a, {{"Entries|b", "4:26"}, {"q", "6:6"}, {"w", "7:6"}, {"Strings|\"x,y\"", "4:6"}});
}

TEST(ReferenceKindsMessages, MessageOnlyListingHasRootAndMessagesAlsoBeforeTheFirstTrigger) {
    // A message before the first trigger belongs to the listing's top.
    ListingLines lines = {"WARNING: 0 - before any trigger", TriggerTitle("EXEC", "Form", "F"),
                          "WARNING: 1 - only this"};
    EXPECT_EQ(XRefDumpText(AnalyzeListing(lines, AnalysisSettings()).XRef),
              "Form F\t0\t0\t-\t-\t-\n"
              "  Compiler messages\t5\t0\t-1\t-1\t21\n"
              "    warning\t6\t0\t-1\t-1\t0\n"
              "         0 (top)\t11\t0\t0\t0\t1\n"
              "         2 <EXEC> from Form: F\t11\t0\t1\t2\t1\n");
}

}  // namespace
}  // namespace lumorca::test
