// Warning marks: exception patterns, suspicious symbols, substitutions and
// argument counts of calls.

#include "AnalysisTestSupport.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/WarningMarks.h"

namespace lumorca::test {
namespace {

TEST(ExceptionPatterns, ListsAreCheckedOnTheUpperCasedName) {
    EXPECT_FALSE(IsExceptedName("lp_x", {}));
    EXPECT_TRUE(IsExceptedName("anything", {"*"}));
    EXPECT_TRUE(IsExceptedName("lp_init", {"X", "LP_*"}));
    EXPECT_FALSE(IsExceptedName("lp_init", {"lp_*"}));  // patterns are upper case
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

    // The other switches and lists are the check command's cases.
    s.MarkSuspLocalVars = false;
    s.MarkSuspLabel = false;
    EXPECT_FALSE(IsSuspiciousSymbol(CatLocalVar, "V", false, false, s));
    EXPECT_FALSE(IsSuspiciousSymbol(CatLabel, "L", false, true, s));
}

}  // namespace
}  // namespace lumorca::test
