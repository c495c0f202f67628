// Findings read from hand-made cross-reference trees: the shapes the
// analysis produces (groups, moved groups, marks on references).
#include <gtest/gtest.h>

#include "analyzer/Findings.h"

namespace lumorca {
namespace {

class TreeFindings : public ::testing::Test {
protected:
    Tree xref;
    ListingLines lines;
    AnalysisSettings settings;
    TreeNode* root = nullptr;

    void SetUp() override {
        root = xref.Add(nullptr, "Form X", 0);
        lines.assign(40, "     1        ; filler");
    }

    TreeNode* Category(int code) { return xref.AddWithRecord(root, "", 5, {-1, -1, uint8_t(code)}, NodeRole::Category); }
    TreeNode* Group(TreeNode* parent, const std::string& caption, int code, TreeNode* owner = nullptr) {
        TreeNode* group = xref.Add(parent, caption, 3, NodeRole::Group);
        group->Record.Kind = uint8_t(code);
        if (owner != nullptr) xref.SetOwner(group, owner);
        return group;
    }
    TreeNode* Symbol(TreeNode* parent, const std::string& caption, bool marked) {
        TreeNode* node = xref.AddWithRecord(parent, caption, 6, {-1, -1, 0}, NodeRole::Symbol);
        node->StateImage = marked ? 1 : 0;
        return node;
    }
    TreeNode* Ref(TreeNode* symbol, int line, int kind, bool marked = false) {
        TreeNode* node = xref.AddWithRecord(symbol, std::to_string(line), 10, {1, line, uint8_t(kind)}, NodeRole::Reference);
        node->StateImage = marked ? 1 : 0;
        return node;
    }
    std::vector<Finding> Run(const std::vector<int32_t>* kept = nullptr) {
        FindingsInput input;
        input.XRef = &xref;
        input.Lines = &lines;
        input.KeptLines = kept;
        input.Settings = &settings;
        return CollectFindings(input);
    }
};

TEST_F(TreeFindings, EntriesUnusedAtEveryDefinitionUndefinedAtEveryCall) {
    TreeNode* entries = Category(2);
    lines[3] = "******        entry Lp_Save";
    lines[9] = "******        entry LP_SAVE";
    TreeNode* save = Symbol(entries, "lp_save", true);
    Ref(save, 3, 25);
    Ref(save, 9, 25);
    TreeNode* calc = Symbol(entries, "lp_calc", true);
    lines[5] = "     4        call lp_calc";
    lines[7] = "     6        $1 = LP_CALC()";
    Ref(calc, 5, 26);
    Ref(calc, 7, 26);
    TreeNode* used = Symbol(entries, "lp_used", false);
    Ref(used, 2, 25);
    Ref(used, 4, 26);

    const auto findings = Run();
    ASSERT_EQ(findings.size(), 4u);
    EXPECT_EQ(findings[0].Line, 4);
    EXPECT_EQ(findings[0].Rule, "entry-unused");
    EXPECT_EQ(findings[0].Symbol, "LP_SAVE");
    EXPECT_EQ(findings[0].Message, "entry Lp_Save is defined but never called");
    EXPECT_EQ(findings[1].Line, 6);
    EXPECT_EQ(findings[1].Rule, "entry-undefined");
    EXPECT_EQ(findings[1].Message, "entry lp_calc is called but not defined in this listing");
    EXPECT_EQ(findings[2].Line, 8);
    EXPECT_EQ(findings[2].Rule, "entry-undefined");
    EXPECT_EQ(findings[3].Line, 10);
    EXPECT_EQ(findings[3].Message, "entry LP_SAVE is defined but never called");
}

TEST_F(TreeFindings, ArgumentCountMarksAreNotMistakenForUndefinedEntries) {
    // An undefined entry that is switched off for the entry rule but called
    // with arguments carries the mark of the argument check only.
    settings.MarkSuspEntries = false;
    TreeNode* entries = Category(2);
    lines[5] = "     4        call LP_EXT(A, B)";
    TreeNode* ext = Symbol(entries, "lp_ext", true);
    Ref(ext, 5, 26, true);
    const auto findings = Run();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Rule, "argument-count");
    EXPECT_EQ(findings[0].Line, 6);
    EXPECT_EQ(findings[0].Message, "call of LP_EXT passes 2 arguments, entry has 0 parameters");

    settings.MarkSuspEntries = true;
    const auto both = Run();
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].Rule, "entry-undefined");
    EXPECT_EQ(both[1].Rule, "argument-count");
}

TEST_F(TreeFindings, ParameterCountFromEitherPlaceOfTheParameterGroup) {
    TreeNode* entries = Category(2);
    TreeNode* params = Category(6);
    lines[12] = "     9        call LP_A(X)";
    TreeNode* a = Symbol(entries, "lp_a", true);
    Ref(a, 2, 25);
    Ref(a, 12, 26, true);
    TreeNode* group = Group(params, "Entry lp_a", 6, a);
    Ref(Symbol(group, "p_1", false), 3, 28);
    Ref(Symbol(group, "p_2", false), 4, 29);
    auto findings = Run();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Message, "call of LP_A passes 1 argument, entry has 2 parameters");

    // The same group moved under its entry.
    xref.Move(group, a, 0);
    findings = Run();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Message, "call of LP_A passes 1 argument, entry has 2 parameters");
}

TEST_F(TreeFindings, OperationsOnlyReportArgumentCounts) {
    TreeNode* operations = Category(1);
    lines[6] = "     5        activate \"X\".GET_DATA(1, 2, 3)";
    TreeNode* op = Symbol(operations, "get_data", true);
    Ref(op, 2, 24);
    Ref(op, 6, 26, true);
    const auto findings = Run();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Message,
              "call of GET_DATA passes 3 arguments, operation has 0 parameters");
}

TEST_F(TreeFindings, VariablesByReadAndWriteClasses) {
    TreeNode* component = Category(4);
    lines[2] = "     2        $Dirty$ = 1";
    Ref(Symbol(component, "$dirty$", true), 2, 3);
    TreeNode* ro = Symbol(component, "$ro$", true);
    Ref(ro, 8, 2);
    Ref(ro, 6, 5);  // the earliest reference is reported
    Ref(Symbol(component, "$none$", true), 9, 12);
    Ref(Symbol(component, "$fine$", false), 10, 2);

    TreeNode* locals = Category(5);
    TreeNode* trigger = Group(locals, "Trigger <exec>", 5);
    TreeNode* v = Symbol(trigger, "v_key", true);
    Ref(v, 20, 27);
    Ref(v, 22, 3);
    TreeNode* u = Symbol(trigger, "v_unused", true);
    Ref(u, 21, 27);

    const auto findings = Run();
    ASSERT_EQ(findings.size(), 5u);
    EXPECT_EQ(findings[0].Rule, "component-variable-write-only");
    EXPECT_EQ(findings[0].Message, "component variable $Dirty$ is written but never read");
    EXPECT_EQ(findings[1].Rule, "component-variable-read-only");
    EXPECT_EQ(findings[1].Line, 7);
    EXPECT_EQ(findings[2].Rule, "component-variable-unused");
    EXPECT_EQ(findings[3].Rule, "local-variable-write-only");
    EXPECT_EQ(findings[3].Line, 21);  // the declaration
    EXPECT_EQ(findings[4].Rule, "local-variable-unused");
}

TEST_F(TreeFindings, LocalVariablesMovedUnderTheirEntryStillReported) {
    TreeNode* entries = Category(2);
    TreeNode* e = Symbol(entries, "lp_x", false);
    Ref(e, 1, 25);
    Ref(e, 30, 26);
    TreeNode* moved = Group(e, "Local variables", 5);
    Ref(Symbol(moved, "v_a", true), 3, 27);
    TreeNode* movedParams = Group(e, "Parameters", 6);
    Ref(Symbol(movedParams, "p_a", false), 2, 28);
    const auto findings = Run();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Rule, "local-variable-unused");
    EXPECT_EQ(findings[0].Symbol, "V_A");
    EXPECT_EQ(findings[0].Line, 4);
}

TEST_F(TreeFindings, LabelsStringsAndMessages) {
    TreeNode* labels = Category(12);
    Ref(Symbol(labels, "l_end", true), 5, 22);
    TreeNode* missing = Symbol(labels, "l_gone", true);
    Ref(missing, 7, 23);
    Ref(missing, 9, 23);
    TreeNode* strings = Category(17);
    lines[11] = "     8        message \"Hello %%Name\"";
    Ref(Symbol(strings, "\"hello %%name\"", true), 11, 2);
    TreeNode* messages = Category(21);
    lines[14] = "ERROR: 1000 - Undefined field X";
    lines[15] = "INFO: compiled";
    lines[16] = "WARNING: 1032 - ignored in service";
    Ref(Symbol(messages, "error", false), 14, 1);
    Ref(Symbol(messages, "warning (service)", false), 16, 1);
    Ref(Symbol(messages, "info", false), 15, 1);

    const auto findings = Run();
    ASSERT_EQ(findings.size(), 7u);
    EXPECT_EQ(findings[0].Rule, "label-unused");
    EXPECT_EQ(findings[1].Rule, "label-undefined");
    EXPECT_EQ(findings[1].Line, 8);
    EXPECT_EQ(findings[2].Line, 10);
    EXPECT_EQ(findings[3].Rule, "open-substitution");
    EXPECT_EQ(findings[3].Message,
              "string \"Hello %%Name\" opens a %% substitution without a closing %%%");
    EXPECT_EQ(findings[4].Rule, "listing-error");
    EXPECT_EQ(findings[4].Severity, FindingSeverity::Error);
    EXPECT_EQ(findings[4].Symbol, "ERROR");
    EXPECT_EQ(findings[4].Message, "1000 - Undefined field X");
    EXPECT_EQ(findings[5].Rule, "listing-info");
    EXPECT_EQ(findings[5].Severity, FindingSeverity::Note);
    EXPECT_EQ(findings[6].Rule, "listing-warning");
    EXPECT_EQ(findings[6].Symbol, "WARNING");
}

TEST_F(TreeFindings, LinesMapBackToTheFileAsRead) {
    TreeNode* labels = Category(12);
    Ref(Symbol(labels, "l_end", true), 3, 22);
    const std::vector<int32_t> kept = {0, 1, 4, 7, 8};
    const auto findings = Run(&kept);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].Line, 8);
}

TEST(ListingSpellingTest, WholeWordsWithoutRegardToCase) {
    EXPECT_EQ(ListingSpelling("     3        call Lp_Sum(LP_SUMX)", "LP_SUM"), "Lp_Sum");
    EXPECT_EQ(ListingSpelling("     3        call LP_SUMX(lp_sum)", "LP_SUM"), "lp_sum");
    EXPECT_EQ(ListingSpelling("     3        x = $Dirty$", "$DIRTY$"), "$Dirty$");
    EXPECT_EQ(ListingSpelling("nothing here", "LP_SUM"), "LP_SUM");
    EXPECT_EQ(ListingSpelling("x = \"Gr\xF6\xDF" "e %%a\"", "\"GR\xF6\xDF" "E %%A\""),
              "\"Gr\xF6\xDF" "e %%a\"");
}

}  // namespace
}  // namespace lumorca
