// The findings of small listings as data: what each rule reports, and that
// the warning marks of the cross-reference tree are exactly the nodes the
// findings name.

#include "AnalysisTestSupport.h"
#include "analyzer/Findings.h"
#include "analyzer/Fingerprint.h"

namespace lumorca::test {
namespace {

void CollectMarks(const TreeNode* node, std::vector<std::string>& marks) {
    for (const TreeNode* child : node->Children) {
        if (child->HasWarningMark()) {
            marks.push_back(child->Role == NodeRole::Reference
                                ? node->Caption + "@" + std::to_string(child->Record.Line + 1)
                                : child->Caption);
        }
        CollectMarks(child, marks);
    }
}

class FindingsModel : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/findings-model.txt.
TEST_P(FindingsModel, RulesDecideFindingsAndMarks) {
    const std::vector<Names>& parts = GetParam().Parts;
    const Analysed a = Analyse(parts.at(0), SettingsOf(parts.at(1)));
    ASSERT_FALSE(a.Result.Empty());

    FindingsInput input;
    input.Records = &a.Result.Findings;
    input.Lines = &a.Lines;
    input.KeptLines = &a.Result.FileLines;
    Names findings;
    for (const Finding& f : CollectFindings(input)) {
        findings.push_back(std::to_string(f.Line) + " " + f.Rule + ": " + f.Message);
    }
    EXPECT_EQ(findings, parts.at(2));

    Names marks;
    for (const TreeNode* root : a.Result.XRef.Roots()) CollectMarks(root, marks);
    EXPECT_EQ(marks, parts.at(3));
}

INSTANTIATE_TEST_SUITE_P(SmallListings, FindingsModel, ::testing::ValuesIn(LoadCases("findings-model.txt")),
                         CaseName);

// Closing messages get a span of their own only after a source line.
TEST(StructureSpans, NoSourceLineMeansNoClosingSpan) {
    const ListingLines lines = {TriggerTitle("EXEC", "Form", "F"), "=====", "WARNING: 1032 - x"};
    EXPECT_EQ(StructureSpans(lines, RecordsOf(lines, {0, 0}), nullptr).size(), 2u);
}

}  // namespace
}  // namespace lumorca::test
