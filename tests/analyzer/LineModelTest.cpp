#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyzer/LineModel.h"

namespace lumorca {
namespace {

// Prefix of a numbered line: own number in columns 1-6, level in column 8.
std::string Numbered(int number, char level, const std::string& text) {
    std::string prefix = std::to_string(number);
    prefix.insert(0, 6 - prefix.size(), ' ');
    prefix += ' ';
    prefix += level;
    prefix += "      ";
    return prefix + text;
}

// Token texts after the line marker.
std::vector<std::string> Texts(const TokenList& tokens, size_t from = 0) {
    std::vector<std::string> texts;
    for (size_t i = from; i < tokens.size(); ++i) texts.push_back(tokens[i].Text);
    return texts;
}

std::vector<std::string> Tokenize(const std::string& text, bool stringContent = false) {
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, text, 7, stringContent);
    EXPECT_FALSE(tokens.empty());
    EXPECT_EQ(LineMarkerLine(tokens.front()), 7);
    return Texts(tokens, 1);
}

using Words = std::vector<std::string>;

TEST(LineModel, NumberedLineTest) {
    EXPECT_EQ(Numbered(12, '3', "X").size(), 15u);
    EXPECT_TRUE(IsListingLine(Numbered(12, '3', "SET A = 1")));
    EXPECT_TRUE(IsListingLine("            "));
    EXPECT_TRUE(IsListingLine("  -12-------"));
    EXPECT_FALSE(IsListingLine("           "));  // 11 characters
    EXPECT_FALSE(IsListingLine("    12 a    text"));
    EXPECT_FALSE(IsListingLine("******        entry LP_X"));
    EXPECT_FALSE(IsListingLine("Trigger <EXEC> from Form: ORDERS"));
    EXPECT_FALSE(IsListingLine("    12\t3      text"));  // a tab is no blank here
    EXPECT_FALSE(IsListingLine(""));
}

TEST(LineModel, CommentStartHonoursQuotes) {
    EXPECT_EQ(CommentStart("A = 1 ; x"), 7);
    EXPECT_EQ(CommentStart(";x"), 1);
    EXPECT_EQ(CommentStart("no comment"), -1);
    EXPECT_EQ(CommentStart(R"($1 = "a;b" ; c)"), 12);
    EXPECT_EQ(CommentStart(R"($1 = 'a;b' ; c)"), 12);
    // A quote of the other kind inside a quoted run takes over as the open
    // quote, so the run below never closes.
    EXPECT_EQ(CommentStart(R"(A = "it's" ; x)"), -1);
    EXPECT_EQ(CommentStart(R"(A = "it" ; x)"), 10);
}

TEST(LineModel, ListingLineTextCleansNumberedLines) {
    const std::string line = Numbered(12, '3', "set a = 1 ; set b = 2");
    EXPECT_EQ(ListingLineText(line, true, false), "set a = 1");
    EXPECT_EQ(ListingLineText(line, true, true), "SET A = 1");
    EXPECT_EQ(ListingLineText(line, false, true), "SET A = 1");

    // Control characters become blanks; leading blanks of the text stay.
    EXPECT_EQ(ListingLineText(Numbered(4, '1', "\tmessage \"x\"\t"), true, true), " MESSAGE \"X\"");
    // The comment is cut before the prefix goes, and a ";" in column 1 cuts nothing.
    EXPECT_EQ(ListingLineText(";comment line", true, false), ";comment line");
    EXPECT_EQ(ListingLineText(Numbered(5, ' ', "; just a comment"), true, false), "");
    // Only ASCII letters change case.
    EXPECT_EQ(ListingLineText(Numbered(6, ' ', "gr\xF6\xDF" "e = 1"), true, true),
              "GR\xF6\xDF" "E = 1");
}

TEST(LineModel, ListingLineTextStarLines) {
    const std::string header = "******        entry LP_X   ";
    EXPECT_EQ(ListingLineText(header, true, false), "******        entry LP_X");
    EXPECT_EQ(ListingLineText(header, true, true), "******        ENTRY LP_X");
    EXPECT_EQ(ListingLineText(header, false, false), "entry LP_X");
    // Other lines are kept whole.
    EXPECT_EQ(ListingLineText("Trigger <EXEC> from Form: ORDERS", false, true),
              "TRIGGER <EXEC> FROM FORM: ORDERS");
    EXPECT_EQ(ListingLineText("", true, true), "");
    EXPECT_EQ(ListingLineText("     7", true, true), "     7");  // too short to be numbered
}

TEST(LineModel, IdentifierCharacters) {
    EXPECT_TRUE(IsIdentStart('A'));
    EXPECT_TRUE(IsIdentStart('$'));
    EXPECT_FALSE(IsIdentStart('a'));
    EXPECT_FALSE(IsIdentStart('_'));
    EXPECT_FALSE(IsIdentStart('1'));
    EXPECT_FALSE(IsIdentStart(0xC4));
    EXPECT_TRUE(IsIdentChar('.'));
    EXPECT_TRUE(IsIdentChar('_'));
    EXPECT_TRUE(IsIdentChar('9'));
    EXPECT_FALSE(IsIdentChar('-'));
    EXPECT_FALSE(IsIdentChar('z'));
}

TEST(LineModel, LineMarkersReadBackWholeNumbers) {
    EXPECT_EQ(MakeLineMarker(0).Text, "##0");
    EXPECT_EQ(MakeLineMarker(1234).Text, "##1234");
    EXPECT_EQ(LineMarkerLine(MakeLineMarker(0)), 0);
    EXPECT_EQ(LineMarkerLine(MakeLineMarker(99999)), 99999);
    EXPECT_EQ(LineMarkerLine(MakeLineMarker(123456)), 123456);
    EXPECT_EQ(LineMarkerLine(MakeLineMarker(2000000000)), 2000000000);
}

TEST(LineModel, ListingTextThatLooksLikeAMarkerIsNoMarker) {
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, "A = ##12", 3, false);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(LineMarkerLine(tokens[0]), 3);
    EXPECT_EQ(tokens[3].Text, "##12");
    EXPECT_FALSE(tokens[3].IsMarker());
    EXPECT_EQ(LineMarkerLine(tokens[3]), -1);
    EXPECT_EQ(LineMarkerLine(Token{"##5"}), -1);
}

TEST(LineModel, TokenKinds) {
    EXPECT_EQ(Tokenize("IF (A=-1)"), (Words{"IF", "(", "A", "=-1", ")"}));
    EXPECT_EQ(Tokenize("IF (A = -1)"), (Words{"IF", "(", "A", "=", "-1", ")"}));
    EXPECT_EQ(Tokenize("CALL LP_X(A, B.ENT)"), (Words{"CALL", "LP_X", "(", "A", ",", "B.ENT", ")"}));
    EXPECT_EQ(Tokenize("$1 = 1.000,50+2"), (Words{"$1", "=", "1.000,50", "+2"}));
    EXPECT_EQ(Tokenize("X = <C_YES>"), (Words{"X", "=", "<", "C_YES", ">"}));
    EXPECT_EQ(Tokenize("A>=B!=C"), (Words{"A", ">=", "B", "!=", "C"}));
    EXPECT_EQ(Tokenize("MESSAGE/INFO $TEXT(X)"),
              (Words{"MESSAGE", "/", "INFO", "$TEXT", "(", "X", ")"}));
    EXPECT_EQ(Tokenize("#DEFINE C_NO = 1"), (Words{"#", "DEFINE", "C_NO", "=", "1"}));
    EXPECT_EQ(Tokenize("A   B"), (Words{"A", "B"}));
    EXPECT_EQ(Tokenize(""), Words{});
}

TEST(LineModel, BytesAbove127AreOperatorCharacters) {
    EXPECT_EQ(Tokenize("A\xE4" "B"), (Words{"A", "\xE4", "B"}));
    EXPECT_EQ(Tokenize("X =\xFC\xFF" "1"), (Words{"X", "=\xFC\xFF" "1"}));
    EXPECT_EQ(Tokenize("\x80\x81 \xE9", true), (Words{"\x80\x81", "\xE9"}));
    EXPECT_EQ(Tokenize("$A\xF6$", true), (Words{"$A", "\xF6", "$"}));
}

TEST(LineModel, StringsInStatements) {
    EXPECT_EQ(Tokenize(R"($1 = "A;B" + 'C D')"), (Words{"$1", "=", "\"A;B\"", "+", "'C D'"}));
    EXPECT_EQ(Tokenize(R"(X="")"), (Words{"X", "=", "\"\""}));
    // An unclosed string gets its closing quote at the line end.
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, R"(X = "OPEN)", 0, false);
    EXPECT_EQ(Texts(tokens, 1), (Words{"X", "=", "\"OPEN\""}));
    EXPECT_FALSE(tokenizer.InOpenString);  // no continuation: closed at the line end
    tokenizer.TokenizeLine(tokens, "X = 'OPEN", 1, false);
    EXPECT_EQ(tokens.back().Text, "'OPEN'");
    EXPECT_FALSE(tokenizer.InOpenString);
}

TEST(LineModel, ContinuationSplitsOffItsOwnToken) {
    EXPECT_EQ(Tokenize("A = B+%\\"), (Words{"A", "=", "B", "+", "%\\"}));
    EXPECT_EQ(Tokenize("CALL X(A, %\\"), (Words{"CALL", "X", "(", "A", ",", "%\\"}));
    EXPECT_EQ(Tokenize("%\\"), (Words{"%\\"}));
    EXPECT_EQ(Tokenize("A = 1%\\"), (Words{"A", "=", "1", "%\\"}));
}

TEST(LineModel, StringContinuedOverLines) {
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, R"($1 = "ABC %\)", 10, false);
    EXPECT_TRUE(tokenizer.InOpenString);
    EXPECT_EQ(Texts(tokens, 1), (Words{"$1", "=", "\"ABC \"", "%\\"}));

    tokens.pop_back();  // the driver drops the continuation mark
    tokenizer.TokenizeLine(tokens, R"(DEF" + X)", 11, false);
    EXPECT_FALSE(tokenizer.InOpenString);
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(LineMarkerLine(tokens[0]), 10);
    EXPECT_EQ(LineMarkerLine(tokens[3]), 11);
    EXPECT_EQ(Texts(tokens, 1), (Words{"$1", "=", "##11", "\"ABC DEF\"", "+", "X"}));

    // Three lines: the string stays open as long as each line is continued.
    Tokenizer three;
    TokenList t3;
    three.TokenizeLine(t3, R"(A = "ONE %\)", 0, false);
    t3.pop_back();
    three.TokenizeLine(t3, R"(TWO %\)", 1, false);
    EXPECT_TRUE(three.InOpenString);
    t3.pop_back();
    three.TokenizeLine(t3, R"(THREE")", 2, false);
    EXPECT_FALSE(three.InOpenString);
    EXPECT_EQ(t3.back().Text, "\"ONE TWO THREE\"");

    // Reset forgets an open string.
    three.TokenizeLine(t3, R"(B = "X %\)", 3, false);
    EXPECT_TRUE(three.InOpenString);
    three.Reset();
    EXPECT_FALSE(three.InOpenString);
}

TEST(LineModel, StringContentMode) {
    EXPECT_EQ(Tokenize("$A$B", true), (Words{"$A$", "B"}));
    EXPECT_EQ(Tokenize("$A$B", false), (Words{"$A$B"}));
    EXPECT_EQ(Tokenize("$$NAME$X", true), (Words{"$$NAME$", "X"}));
    EXPECT_EQ(Tokenize("%%X%%%", true), (Words{"%%", "X", "%%%"}));
    EXPECT_EQ(Tokenize("%%%%%X", true), (Words{"%%%", "%%", "X"}));
    EXPECT_EQ(Tokenize("%%%%%%", true), (Words{"%%%%%%"}));
    // Quotes are operator characters inside a string, "%" ends an operator run.
    EXPECT_EQ(Tokenize("A\"B", true), (Words{"A", "\"", "B"}));
    EXPECT_EQ(Tokenize("=%%", true), (Words{"=", "%%"}));
    EXPECT_EQ(Tokenize("=%%", false), (Words{"=%%"}));
}

TEST(LineModel, StructureLineKinds) {
    EXPECT_EQ(StructureLineKind("Trigger <EXEC> from Form: ORDERS"), 1);
    EXPECT_EQ(StructureLineKind("entry LP_X"), 2);
    EXPECT_EQ(StructureLineKind("ENTRYPOINT"), 2);
    EXPECT_EQ(StructureLineKind("operation STORE_ALL"), 3);
    EXPECT_EQ(StructureLineKind("partner operation GET_DATA"), 4);
    EXPECT_EQ(StructureLineKind("public\toperation GET_DATA"), 4);
    EXPECT_EQ(StructureLineKind("******        entry LP_X"), 0);
    EXPECT_EQ(StructureLineKind("call LP_X"), 0);
    EXPECT_EQ(StructureLineKind(""), 0);
}

TEST(LineModel, StructureNames) {
    const ListingLines lines = {
        "Trigger <EXEC> from Form: ORDERS",
        "==========",
        "     1        ; exec",
        "******        entry LP_BUILD",
        "******        partner operation GET_DATA",
        "******        operation SAVE",
    };
    const StructureStartList starts = {0, 0, 3, 4, 5};
    EXPECT_EQ(StructureName(lines, starts, 0).Name, "(top)");
    EXPECT_EQ(StructureName(lines, starts, 0).Kind, 0);
    // A trigger title on line 0 keeps its own name.
    EXPECT_EQ(StructureName(lines, starts, 1).Name, "<EXEC> from Form: ORDERS");
    EXPECT_EQ(StructureName(lines, starts, 1).Kind, 1);
    EXPECT_EQ(StructureName(lines, starts, 2).Name, "entry LP_BUILD");
    EXPECT_EQ(StructureName(lines, starts, 2).Kind, 2);
    EXPECT_EQ(StructureName(lines, starts, 3).Name, "operation GET_DATA");
    EXPECT_EQ(StructureName(lines, starts, 3).Kind, 4);
    EXPECT_EQ(StructureName(lines, starts, 4).Name, "operation SAVE");
    EXPECT_EQ(StructureName(lines, starts, 4).Kind, 3);
    EXPECT_EQ(StructureName(lines, starts, 5).Name, "");
    EXPECT_EQ(StructureName(lines, starts, -1).Name, "");
    EXPECT_EQ(StructureName(lines, starts, -1).Kind, 0);
}

TEST(LineModel, WordsAndCase) {
    EXPECT_EQ(NthWord("Trigger <EXEC>\tfrom  Form: ORDERS", 3), "from");
    EXPECT_EQ(NthWord("  a b", 1), "a");
    EXPECT_EQ(NthWord("a b", 3), "");
    EXPECT_EQ(NthWord("", 1), "");
    EXPECT_EQ(UpperCase("abc\xE4z"), "ABC\xE4Z");
    EXPECT_EQ(LowerCase("ABC\xC4Z"), "abc\xC4z");
    EXPECT_EQ(CompareNoCase("abc", "ABC"), 0);
    EXPECT_LT(CompareNoCase("ab", "ABC"), 0);
    EXPECT_LT(CompareNoCase("A_", "a\xE4"), 0);
    EXPECT_GT(CompareNoCase("B", "a"), 0);
}

}  // namespace
}  // namespace lumorca
