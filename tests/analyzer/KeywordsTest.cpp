#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyzer/Keywords.h"

namespace lumorca {
namespace {

TEST(Keywords, StatementKeywordsMatchWholeUpperCaseWords) {
    for (const char* word : {"ACTIVATE", "CUROCC_VIDEO", "DELETE_INSTANCE", "FILE_DUMP",
                             "GETLISTITEMS", "NEW_INSTANCE", "PRINT_BREAK", "PUTLISTITEMS",
                             "RELEASE", "SELECTDB", "SETFORMFOCUS", "VALIDATEOCC", "XMLSAVE"}) {
        EXPECT_TRUE(IsStatementKeyword(word)) << word;
        EXPECT_TRUE(IsReservedWord(word)) << word;
    }
    EXPECT_FALSE(IsStatementKeyword("release"));
    EXPECT_FALSE(IsStatementKeyword("Release"));
    EXPECT_FALSE(IsStatementKeyword("RELEAS"));
    EXPECT_FALSE(IsStatementKeyword("RELEASES"));
    EXPECT_FALSE(IsStatementKeyword(" RELEASE"));
    EXPECT_FALSE(IsStatementKeyword("ENDPARAMS"));
    EXPECT_FALSE(IsStatementKeyword(""));
    EXPECT_FALSE(IsStatementKeyword("IF"));
}

TEST(Keywords, ControlWordsAndTheirOverlaps) {
    for (const char* word : {"AND", "ELSEIF", "ENDSELECTCASE", "FROM", "ORDER", "TO", "U_WHERE",
                             "V5PROFILE", "V6PROFILE", "WHERE"}) {
        EXPECT_TRUE(IsControlKeyword(word)) << word;
        EXPECT_TRUE(IsReservedWord(word)) << word;
        EXPECT_FALSE(IsStatementKeyword(word)) << word;
    }
    EXPECT_TRUE(IsStatementKeyword("REPEAT"));
    EXPECT_TRUE(IsControlKeyword("REPEAT"));
    EXPECT_TRUE(IsControlKeyword("COUNT"));
    EXPECT_TRUE(IsAggregateFunction("COUNT"));
    EXPECT_FALSE(IsControlKeyword("THEN"));
    EXPECT_FALSE(IsControlKeyword("where"));
}

TEST(Keywords, EndWordsAreOnlyHighlighted) {
    for (const char* word : {"ENDPARAMS", "ENDVARIABLES"}) {
        EXPECT_TRUE(IsHighlightedKeyword(word));
        EXPECT_FALSE(IsReservedWord(word));
    }
    for (const char* word : {"PARAMS", "VARIABLES", "ACTIVATE", "CALL", "RUN"}) {
        EXPECT_TRUE(IsHighlightedKeyword(word)) << word;
        EXPECT_TRUE(IsStatementKeyword(word)) << word;
    }
    EXPECT_FALSE(IsHighlightedKeyword("SELECTDB"));
    EXPECT_FALSE(IsHighlightedKeyword("call"));
}

TEST(Keywords, FunctionNamesAndTheDollarRule) {
    for (const char* word : {"$STATUS", "$1", "$99", "$TEXT", "$X", "E", "PI", "LOG10", "VALUEPART",
                             "IDPART", "TYPED"}) {
        EXPECT_TRUE(IsFunctionName(word)) << word;
    }
    for (const char* word : {"$", "$$", "$$TOTAL", "$COUNTER$", "$$X$", "LOG1", "LOG100", "log10",
                             "STATUS", "", "EE"}) {
        EXPECT_FALSE(IsFunctionName(word)) << word;
    }
    // The dollar rule does not make a word reserved.
    EXPECT_FALSE(IsReservedWord("$STATUS"));
}

TEST(Keywords, QualifierWordsDependOnThePreviousToken) {
    EXPECT_TRUE(IsQualifierWord("MMM", "["));
    EXPECT_TRUE(IsQualifierWord("AAA*", "["));
    EXPECT_TRUE(IsQualifierWord("ROUND", "["));
    EXPECT_FALSE(IsQualifierWord("MMM", "("));
    EXPECT_FALSE(IsQualifierWord("MMM", ""));
    EXPECT_FALSE(IsQualifierWord("AAA", "["));
    EXPECT_FALSE(IsQualifierWord("MM", "["));
    EXPECT_TRUE(IsQualifierWord("ANYTHING", "/"));
    EXPECT_TRUE(IsQualifierWord("INFO", "/"));
    EXPECT_FALSE(IsQualifierWord("INFO", "//"));
}

TEST(Keywords, AggregatesAndRelationalOperators) {
    for (const char* word : {"MIN", "MAX", "SUM", "AVE"}) EXPECT_TRUE(IsAggregateFunction(word));
    EXPECT_FALSE(IsAggregateFunction("AVG"));
    EXPECT_FALSE(IsAggregateFunction("max"));
    for (const char* op : {"=", "<", "<=", ">", ">=", "!="}) EXPECT_TRUE(IsRelationalOperator(op));
    for (const char* op : {"<>", "==", "=<", "!", "", "=-1"}) EXPECT_FALSE(IsRelationalOperator(op));
}

}  // namespace
}  // namespace lumorca
