// The findings of small listings as data: what each rule reports, and that
// the warning marks of the cross-reference tree are exactly the nodes the
// findings name.
#include <gtest/gtest.h>

#include <functional>

#include "AnalysisTestSupport.h"
#include "analyzer/Findings.h"
#include "analyzer/Fingerprint.h"

namespace lumorca::test {
namespace {

struct ModelCase {
    const char* Name;
    std::vector<std::string> Body;
    std::function<void(AnalysisSettings&)> Configure;
    std::vector<std::string> Findings;  // "LINE rule: message", lines of the file
    std::vector<std::string> Marks;     // marked symbols, "symbol@LINE" for marked calls
};

void PrintTo(const ModelCase& c, std::ostream* out) { *out << c.Name; }

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

class FindingsModel : public ::testing::TestWithParam<ModelCase> {};

TEST_P(FindingsModel, RulesDecideFindingsAndMarks) {
    const ModelCase& c = GetParam();
    AnalysisSettings settings;
    if (c.Configure) c.Configure(settings);
    const Analysed a = Analyse(c.Body, settings);
    ASSERT_FALSE(a.Result.Empty());

    FindingsInput input;
    input.Records = &a.Result.Findings;
    input.Lines = &a.Lines;
    input.KeptLines = &a.Result.FileLines;
    std::vector<std::string> findings;
    for (const Finding& f : CollectFindings(input)) {
        findings.push_back(std::to_string(f.Line) + " " + f.Rule + ": " + f.Message);
    }
    EXPECT_EQ(findings, c.Findings);

    std::vector<std::string> marks;
    for (const TreeNode* root : a.Result.XRef.Roots()) CollectMarks(root, marks);
    EXPECT_EQ(marks, c.Marks);
}

const std::string kExec = TriggerTitle("EXEC", "Form", "F");

INSTANTIATE_TEST_SUITE_P(
    SmallListings, FindingsModel,
    ::testing::Values(
        ModelCase{"EntriesAndLabels",
                  {kExec, "CALL Lp_Missing", "L_UNUSED:", "GOTO L_NOWHERE", "GOTO L_NOWHERE",
                   Header("entry LP_UNUSED"), Header("entry LP_USED"), "CALL LP_USED"},
                  nullptr,
                  {"3 entry-undefined: entry Lp_Missing is called but not defined in this listing",
                   "4 label-unused: label L_UNUSED is defined but never jumped to",
                   "5 label-undefined: label L_NOWHERE is jumped to but not defined",
                   "6 label-undefined: label L_NOWHERE is jumped to but not defined",
                   "7 entry-unused: entry LP_UNUSED is defined but never called"},
                  {"lp_missing", "lp_unused", "l_nowhere", "l_unused"}},
        ModelCase{"ExceptionPatternsAndSwitches",
                  {kExec, "CALL LP_MISSING", "$W$ = 1", "$RW$ = $RW$ + 1", "$OK1$ = 1",
                   "$2 = $R$"},
                  [](AnalysisSettings& s) {
                      s.MarkSuspCompVarsEx = {"$OK*"};
                      s.MarkSuspEntries = false;
                  },
                  {"4 component-variable-write-only: component variable $W$ is written but never read",
                   "7 component-variable-read-only: component variable $R$ is read but never written"},
                  {"$r$", "$w$"}},
        ModelCase{"ArgumentCountsAgainstTheParameterGroup",
                  {kExec, "CALL LP_TWO(1, 2)", "CALL LP_TWO(1)", "X = LP_TWO(A, \"b,(\", C)",
                   Header("entry LP_TWO"), "params", "numeric P1 : IN", "numeric P2 : IN",
                   "endparams", "ACTIVATE \"F\".OP(1)", Header("operation OP")},
                  nullptr,
                  {"4 argument-count: call of LP_TWO passes 1 argument, entry has 2 parameters",
                   "5 argument-count: call of LP_TWO passes 3 arguments, entry has 2 parameters",
                   "11 argument-count: call of OP passes 1 argument, operation has 0 parameters"},
                  {"op", "op@11", "lp_two", "lp_two@4", "lp_two@5"}},
        ModelCase{"ArgumentCountsSwitchedOff",
                  {kExec, "CALL LP_TWO(1)", Header("entry LP_TWO"), "params",
                   "numeric P1 : IN", "numeric P2 : IN", "endparams"},
                  [](AnalysisSettings& s) { s.MarkInvalidParams = false; },
                  {},
                  {}},
        ModelCase{"UndefinedEntryCalledWithArguments",
                  {kExec, "CALL LP_EXT(A, B)"},
                  nullptr,
                  {"3 entry-undefined: entry LP_EXT is called but not defined in this listing",
                   "3 argument-count: call of LP_EXT passes 2 arguments, entry has 0 parameters"},
                  {"lp_ext", "lp_ext@3"}},
        // Only the argument check marks the call, which is not mistaken for
        // an undefined entry.
        ModelCase{"UndefinedEntryWithTheEntryRuleOff",
                  {kExec, "CALL LP_EXT(A, B)"},
                  [](AnalysisSettings& s) { s.MarkSuspEntries = false; },
                  {"3 argument-count: call of LP_EXT passes 2 arguments, entry has 0 parameters"},
                  {"lp_ext", "lp_ext@3"}},
        ModelCase{"LocalsUnderTheirEntry",
                  {kExec, "CALL LP_X()", Header("entry LP_X"), "variables", "string V_WO",
                   "string V_RO", "string V_NONE", "string V_OK", "endvariables", "V_WO = 1",
                   "$1 = V_RO", "V_OK = V_OK + 1"},
                  nullptr,
                  {"6 local-variable-write-only: local variable V_WO is written but never read",
                   "7 local-variable-read-only: local variable V_RO is read but never written",
                   "8 local-variable-unused: local variable V_NONE is neither read nor written"},
                  {"v_none", "v_ro", "v_wo"}},
        ModelCase{"LocalsInTheirCategory",
                  {kExec, "CALL LP_X()", Header("entry LP_X"), "variables", "string V_WO",
                   "endvariables", "V_WO = 1"},
                  [](AnalysisSettings& s) { s.SortLocals = false; },
                  {"6 local-variable-write-only: local variable V_WO is written but never read"},
                  {"v_wo"}},
        ModelCase{"StringsAndCompilerMessages",
                  {kExec, "message \"Hello %%Name\"", "message \"Done %%N%%%\"",
                   "WARNING: 1032 - ignored", "ERROR: 2001 - not a field", "INFO: 0815 - compiled"},
                  nullptr,
                  {"3 open-substitution: string \"Hello %%Name\" opens a %% substitution "
                   "without a closing %%%",
                   "5 listing-warning: 1032 - ignored", "6 listing-error: 2001 - not a field",
                   "7 listing-info: 0815 - compiled"},
                  {"\"hello %%name\""}},
        ModelCase{"LinesOfTheFileWhenEmptyLinesAreDropped",
                  {kExec, "", "", "L_UNUSED:", "", "GOTO L_NOWHERE"},
                  [](AnalysisSettings& s) { s.IgnoreEmptyLines = true; },
                  {"5 label-unused: label L_UNUSED is defined but never jumped to",
                   "7 label-undefined: label L_NOWHERE is jumped to but not defined"},
                  {"l_nowhere", "l_unused"}}),
    [](const ::testing::TestParamInfo<ModelCase>& info) { return std::string(info.param.Name); });

TEST(ListingSpellingTest, WholeWordsWithoutRegardToCase) {
    EXPECT_EQ(ListingSpelling("     3        call Lp_Sum(LP_SUMX)", "LP_SUM"), "Lp_Sum");
    EXPECT_EQ(ListingSpelling("     3        call LP_SUMX(lp_sum)", "LP_SUM"), "lp_sum");
    EXPECT_EQ(ListingSpelling("call Lp_Sum2(lp_sumx, Lp_sUm)", "LP_SUM"), "Lp_sUm");
    EXPECT_EQ(ListingSpelling("nothing here", "LP_SUM"), "LP_SUM");
    EXPECT_EQ(ListingSpelling("x = \"Gr\xF6\xDF" "e %%a\"", "\"GR\xF6\xDF" "E %%A\""),
              "\"Gr\xF6\xDF" "e %%a\"");
}

// Closing messages get a span of their own only after a source line.
TEST(StructureSpans, NoSourceLineMeansNoClosingSpan) {
    const ListingLines lines = {TriggerTitle("EXEC", "Form", "F"), "=====", "WARNING: 1032 - x"};
    EXPECT_EQ(StructureSpans(lines, {0, 0}, nullptr).size(), 2u);
}

}  // namespace
}  // namespace lumorca::test
