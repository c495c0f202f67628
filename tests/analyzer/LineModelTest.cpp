#include <string>
#include <vector>

#include "AnalysisTestSupport.h"
#include "analyzer/LineModel.h"

namespace lumorca::test {
namespace {

// Token texts from `from` on.
Names Texts(const TokenList& tokens, size_t from = 1) {
    Names texts;
    for (size_t i = from; i < tokens.size(); ++i) texts.emplace_back(tokens[i].Text);
    return texts;
}

// Cases in tests/data/tokens.txt.
TEST(LineModel, TokenizeSplitsTheLineAfterItsMarker) {
    ExpectResults(LoadCases("tokens.txt").at(0), [](const Names& a) {
        const bool inString = a[0].rfind("string: ", 0) == 0;
        Tokenizer tokenizer;
        TokenList tokens;
        tokenizer.TokenizeLine(tokens, a[0].substr(inString ? 8 : 0), 7, inString);
        std::string words = tokens.empty() || LineMarkerLine(tokens.front()) != 7 ? "no marker" : "";
        for (const std::string& word : Texts(tokens)) words += (words.empty() ? "" : " | ") + word;
        return words;
    });
}

TEST(LineModel, StringContinuedOverLinesIsOneTokenOfTheClosingLine) {
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, R"($1 = "ABC %\)", 10, false);
    EXPECT_TRUE(tokenizer.InOpenString());
    EXPECT_EQ(Texts(tokens), (Names{"$1", "=", "\"ABC \"", "%\\"}));
    tokens.pop_back();  // the driver drops the continuation mark
    tokenizer.TokenizeLine(tokens, R"(DEF" + X)", 11, false);
    EXPECT_FALSE(tokenizer.InOpenString());
    EXPECT_EQ(Texts(tokens), (Names{"$1", "=", "##11", "\"ABC DEF\"", "+", "X"}));
    EXPECT_EQ(LineMarkerLine(tokens[3]), 11);

    // Three lines: the string stays open as long as each line is continued.
    tokens.clear();
    for (const char* line : {R"(A = "ONE %\)", R"(TWO %\)"}) {
        tokenizer.TokenizeLine(tokens, line, 0, false);
        EXPECT_TRUE(tokenizer.InOpenString());
        tokens.pop_back();
    }
    tokenizer.TokenizeLine(tokens, R"(THREE")", 2, false);
    EXPECT_EQ(tokens.back().Text, "\"ONE TWO THREE\"");
    EXPECT_FALSE(tokenizer.InOpenString());
    // Without a continuation an open string closes at the line end.
    tokenizer.TokenizeLine(tokens, R"(B = "X)", 3, false);
    EXPECT_FALSE(tokenizer.InOpenString());
}

TEST(LineModel, LineMarkersReadBackWholeNumbersAndListingTextIsNoMarker) {
    Tokenizer tokenizer;
    EXPECT_EQ(tokenizer.LineMarker(1234).Text, "##1234");
    for (int32_t line : {0, 99999, 123456, 2000000000}) EXPECT_EQ(LineMarkerLine(tokenizer.LineMarker(line)), line);
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, "A = ##12", 3, false);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(LineMarkerLine(tokens[0]), 3);
    EXPECT_FALSE(tokens[3].IsMarker());
    EXPECT_EQ(LineMarkerLine(tokens[3]), -1);
    EXPECT_EQ(LineMarkerLine(Token{"##5"}), -1);
}

}  // namespace
}  // namespace lumorca::test
