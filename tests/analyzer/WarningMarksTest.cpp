// Warning marks: exception patterns, suspicious symbols, substitutions and
// argument counts of calls.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/WarningMarks.h"

namespace lumorca::test {
namespace {

TEST(ExceptionPatterns, WildcardsAtEitherEnd) {
    EXPECT_TRUE(MatchesExceptionPattern("TMP", "TMP*"));
    EXPECT_TRUE(MatchesExceptionPattern("TMP_1", "TMP*"));
    EXPECT_FALSE(MatchesExceptionPattern("XTMP", "TMP*"));
    EXPECT_TRUE(MatchesExceptionPattern("XTMP", "*TMP"));
    EXPECT_FALSE(MatchesExceptionPattern("TMPX", "*TMP"));
    EXPECT_TRUE(MatchesExceptionPattern("XTMPY", "*TMP*"));
    EXPECT_TRUE(MatchesExceptionPattern("TMP", "TMP"));
    EXPECT_FALSE(MatchesExceptionPattern("TMP1", "TMP"));
    // Any occurrence that satisfies the pattern counts.
    EXPECT_TRUE(MatchesExceptionPattern("ABXAB", "*AB"));
    EXPECT_TRUE(MatchesExceptionPattern("XTMPYTMP", "*TMP*"));
    EXPECT_TRUE(MatchesExceptionPattern("ABXAB", "AB*"));
    EXPECT_TRUE(MatchesExceptionPattern("ANY", "*"));
    EXPECT_FALSE(MatchesExceptionPattern("ANY", ""));
    EXPECT_FALSE(MatchesExceptionPattern("AB", "*ABC"));
}

TEST(ExceptionPatterns, ListsAreCheckedOnTheUpperCasedName) {
    EXPECT_FALSE(IsExceptedName("lp_x", {}));
    EXPECT_TRUE(IsExceptedName("anything", {"*"}));
    EXPECT_TRUE(IsExceptedName("lp_init", {"X", "LP_*"}));
    EXPECT_FALSE(IsExceptedName("lp_init", {"lp_*"}));  // patterns are upper case
}

TEST(Substitutions, OpeningsMustMatchClosings) {
    EXPECT_FALSE(HasUnbalancedSubstitutions("\"%%A%%%\""));
    EXPECT_TRUE(HasUnbalancedSubstitutions("\"%%A\""));
    EXPECT_FALSE(HasUnbalancedSubstitutions("\"%%%%%\""));
    EXPECT_TRUE(HasUnbalancedSubstitutions("\"%%A %%B%%%\""));
    EXPECT_FALSE(HasUnbalancedSubstitutions("\"%%A%%% %%B%%%\""));
}

TEST(SuspiciousSymbols, EachCategoryFollowsItsSwitchAndList) {
    AnalysisSettings s;
    EXPECT_TRUE(IsSuspiciousSymbol(CatEntry, "LP_X", false, true, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatEntry, "LP_X", true, true, s));
    EXPECT_TRUE(IsSuspiciousSymbol(CatComponentVar, "$A$", true, false, s));
    EXPECT_TRUE(IsSuspiciousSymbol(CatLocalVar, "V", false, false, s));
    EXPECT_TRUE(IsSuspiciousSymbol(CatLabel, "L", false, true, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatGlobalVar, "$$G", false, true, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatOtherVar, "X", false, true, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatParameter, "P", false, true, s));
    EXPECT_TRUE(IsSuspiciousSymbol(CatVarString, "\"%%A\"", true, false, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatVarString, "\"%%A%%%\"", true, false, s));

    s.MarkSuspEntriesEx = {"LP_*"};
    EXPECT_FALSE(IsSuspiciousSymbol(CatEntry, "LP_X", false, true, s));
    s.MarkSuspEntries = false;
    s.MarkSuspCompVars = false;
    s.MarkSuspLocalVars = false;
    s.MarkSuspLabel = false;
    s.MarkVarStrings = false;
    EXPECT_FALSE(IsSuspiciousSymbol(CatEntry, "E", false, true, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatComponentVar, "$A$", true, false, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatLocalVar, "V", false, false, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatLabel, "L", false, true, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatVarString, "\"%%A\"", true, false, s));
}

TEST(SuspiciousSymbols, MarksInTheTree) {
    AnalysisSettings settings;
    settings.MarkSuspCompVarsEx = {"$OK*"};
    const Analysed a = Analyse({TriggerTitle("EXEC", "Form", "F"),
                                "CALL LP_MISSING", "$W$ = 1", "$RW$ = $RW$ + 1", "$OK1$ = 1",
                                "L_UNUSED:", "GOTO L_NOWHERE", Header("entry LP_UNUSED")},
                               settings);
    EXPECT_EQ(XRef(a, {"Entries", "lp_missing"})->StateImage, 1);
    EXPECT_EQ(XRef(a, {"Entries", "lp_unused"})->StateImage, 1);
    EXPECT_EQ(XRef(a, {"$Component variables$", "$w$"})->StateImage, 1);
    EXPECT_EQ(XRef(a, {"$Component variables$", "$rw$"})->StateImage, 0);
    EXPECT_EQ(XRef(a, {"$Component variables$", "$ok1$"})->StateImage, 0);
    EXPECT_EQ(XRef(a, {"Label", "l_unused"})->StateImage, 1);
    EXPECT_EQ(XRef(a, {"Label", "l_nowhere"})->StateImage, 1);
}

ListingLines OneLine(const std::vector<std::string>& texts) {
    ListingLines lines;
    int n = 1;
    for (const std::string& text : texts) lines.push_back(Numbered(n++, text));
    return lines;
}

TEST(CallArguments, CountedUpToTheMatchingParenthesis) {
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME()"}), 0, "name"), 0);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME"}), 0, "name"), 0);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME(A)"}), 0, "NAME"), 1);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME(A, B(1), C)"}), 0, "name"), 3);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME(\"a,b)\", 'c,(d', E)"}), 0, "name"), 3);
    // A quote of the other kind takes over the open quote.
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME('c\"d', E)"}), 0, "name"), 0);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME(A, B, %\\", "C)"}), 0, "name"), 3);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME(A, %\\", "B, %\\", "C, D)"}), 0, "name"), 4);
    EXPECT_EQ(CountCallArguments(OneLine({"CALL NAME(A, B"}), 0, "name"), 0);
    EXPECT_EQ(CountCallArguments(OneLine({"X = 1 ; NAME(A, B)"}), 0, "name"), 0);
}

TEST(CallArguments, NameIsFoundAsAWholeWord) {
    EXPECT_EQ(CountCallArguments(OneLine({"X = LP_SUMX(1) + LP_SUM(A, B)"}), 0, "lp_sum"), 2);
    EXPECT_EQ(CountCallArguments(OneLine({"ACTIVATE \"ORDERS\".SAVE(A, B)"}), 0, "save"), 2);
    EXPECT_EQ(CountCallArguments(OneLine({"X = $LP(1) + LP(A, B)"}), 0, "lp"), 2);
}

TEST(CallArguments, WrongCountMarksTheCallAndTheEntry) {
    const std::vector<std::string> body = {
        TriggerTitle("EXEC", "Form", "ORDERS"),
        "CALL LP_TWO(1, 2)",
        "CALL LP_TWO(1)",
        "X = LP_TWO(A, B(1), C)",
        Header("entry LP_TWO"), "params", "numeric P1 : IN", "numeric P2 : IN", "endparams",
        Header("entry LP_NONE"),
        "CALL LP_NONE",
        "ACTIVATE \"ORDERS\".OP(1)",
        Header("operation OP"),
    };
    const Analysed a = Analyse(body);
    const TreeNode* two = XRef(a, {"Entries", "lp_two"});
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->StateImage, 1);
    std::vector<int> marks;
    for (const TreeNode* ref : two->Children) {
        if (ref->HasRecord && ref->Record.Kind == RefFunctionCall) marks.push_back(ref->StateImage);
    }
    EXPECT_EQ(marks, (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(XRef(a, {"Entries", "lp_none"})->StateImage, 0);
    // An operation without parameters called with one argument.
    EXPECT_EQ(XRef(a, {"Operations", "op"})->StateImage, 1);

    AnalysisSettings off;
    off.MarkInvalidParams = false;
    const Analysed b = Analyse(body, off);
    EXPECT_EQ(XRef(b, {"Entries", "lp_two"})->StateImage, 0);
    EXPECT_EQ(XRef(b, {"Operations", "op"})->StateImage, 0);
}

}  // namespace
}  // namespace lumorca::test
