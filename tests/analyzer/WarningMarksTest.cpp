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

}  // namespace
}  // namespace lumorca::test
