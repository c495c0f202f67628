#include <gtest/gtest.h>

#include <string>

#include "analyzer/Keywords.h"

namespace lumorca {
namespace {

struct WordClasses {
    const char* Word;
    bool Statement, Control, Reserved, Highlighted, Function, Aggregate;
};

TEST(Keywords, WordsBelongToTheirClassesInUpperCaseOnly) {
    const WordClasses words[] = {
        // word            statement control reserved highlighted function aggregate
        {"ACTIVATE",        true, false, true,  true,  false, false},
        {"CUROCC_VIDEO",    true, false, true,  false, false, false},
        {"DELETE_INSTANCE", true, false, true,  false, false, false},
        {"GETLISTITEMS",    true, false, true,  false, false, false},
        {"SELECTDB",        true, false, true,  false, false, false},
        {"XMLSAVE",         true, false, true,  false, false, false},
        {"CALL",            true, false, true,  true,  false, false},
        {"PARAMS",          true, false, true,  true,  false, false},
        {"REPEAT",          true,  true,  true, false, false, false},
        {"release",         false, false, false, false, false, false},
        {"RELEAS",          false, false, false, false, false, false},
        {"RELEASES",        false, false, false, false, false, false},
        {" RELEASE",        false, false, false, false, false, false},
        {"",                false, false, false, false, false, false},
        {"ENDPARAMS",       false, false, false, true, false, false},
        {"ENDVARIABLES",    false, false, false, true, false, false},
        {"ELSEIF",          false, true,  true, false, false, false},
        {"ENDSELECTCASE",   false, true,  true, false, false, false},
        {"U_WHERE",         false, true,  true, false, false, false},
        {"V6PROFILE",       false, true,  true, false, false, false},
        {"where",           false, false, false, false, false, false},
        {"THEN",            false, false, false, false, false, false},
        {"COUNT",           false, true,  true, false, false, true},
        {"MAX",             false, false, false, false, false, true},
        {"AVE",             false, false, false, false, false, true},
        {"AVG",             false, false, false, false, false, false},
        {"max",             false, false, false, false, false, false},
        // Dollar names are functions without being reserved words.
        {"$STATUS",         false, false, false, false, true,  false},
        {"$1",              false, false, false, false, true,  false},
        {"PI",              false, false, false, false, true,  false},
        {"LOG10",           false, false, false, false, true,  false},
        {"TYPED",           false, false, false, false, true,  false},
        {"$",               false, false, false, false, false, false},
        {"$$TOTAL",         false, false, false, false, false, false},
        {"$COUNTER$",       false, false, false, false, false, false},
        {"LOG1",            false, false, false, false, false, false},
        {"log10",           false, false, false, false, false, false},
        {"EE",              false, false, false, false, false, false},
    };
    for (const WordClasses& w : words) {
        SCOPED_TRACE(std::string("\"") + w.Word + "\"");
        EXPECT_EQ(IsStatementKeyword(w.Word), w.Statement);
        EXPECT_EQ(IsControlKeyword(w.Word), w.Control);
        EXPECT_EQ(IsReservedWord(w.Word), w.Reserved);
        EXPECT_EQ(IsHighlightedKeyword(w.Word), w.Highlighted);
        EXPECT_EQ(IsFunctionName(w.Word), w.Function);
        EXPECT_EQ(IsAggregateFunction(w.Word), w.Aggregate);
    }
}

TEST(Keywords, QualifiersDependOnThePreviousTokenAndOperatorsAreExact) {
    const std::tuple<const char*, const char*, bool> qualifiers[] = {
        {"MMM", "[", true}, {"AAA*", "[", true}, {"ROUND", "[", true}, {"MMM", "(", false}, {"MMM", "", false},
        {"AAA", "[", false}, {"MM", "[", false}, {"ANYTHING", "/", true}, {"INFO", "//", false}};
    for (const auto& [word, previous, is] : qualifiers) {
        EXPECT_EQ(IsQualifierWord(word, previous), is) << previous << word;
    }
    for (const char* op : {"=", "<", "<=", ">", ">=", "!="}) EXPECT_TRUE(IsRelationalOperator(op)) << op;
    for (const char* op : {"<>", "==", "=<", "!", "", "=-1"}) EXPECT_FALSE(IsRelationalOperator(op)) << op;
}

}  // namespace
}  // namespace lumorca
