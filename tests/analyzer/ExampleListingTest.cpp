#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "analyzer/LineModel.h"
#include "analyzer/ListingReader.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

const std::string kExample = std::string(LUMORCA_SOURCE_DIR) + "/examples/orders.pro";

std::string FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ExampleListing, IsARecognisedListingWithCrLfLineEnds) {
    const std::string bytes = FileBytes(kExample);
    ASSERT_FALSE(bytes.empty());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
        } else if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const ListingLines lines = ReadListingFile(kExample, LanguageEnglish);
    EXPECT_GE(lines.size(), 150u);
    EXPECT_LE(lines.size(), 250u);
    EXPECT_TRUE(IsCorvaneListing(lines));
    EXPECT_EQ(ListingComponentOf(lines), "ORDERS");
    // Pasted instead of opened, it reads the same.
    EXPECT_EQ(SplitClipboardText(bytes), lines);
}

// Each line is one of the kinds a listing has, and the numbers run on
// within a trigger, header lines included.
TEST(ExampleListing, LinesFollowTheListingLayout) {
    const ListingLines lines = ReadListingFile(kExample, LanguageEnglish);
    int expected = 0;
    int triggers = 0, headers = 0, messages = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        SCOPED_TRACE("line " + std::to_string(i) + ": " + line);
        if (line.rfind("Trigger <", 0) == 0) {
            ++triggers;
            EXPECT_EQ(StructureLineKind(line), 1);
            EXPECT_EQ(NthWord(line, 3), "from");
            ASSERT_LT(i + 1, lines.size());
            EXPECT_EQ(lines[i + 1], std::string(78, '='));
            expected = 1;
        } else if (IsListingLine(line)) {
            EXPECT_EQ(std::stoi(line.substr(0, 6)), expected++);
            EXPECT_TRUE(line[7] == ' ' || (line[7] >= '1' && line[7] <= '9'));
            EXPECT_EQ(line.substr(8, 6), "      ");
        } else if (line.rfind("******", 0) == 0) {
            ++headers;
            EXPECT_EQ(line.substr(6, 8), "        ");
            const int kind = StructureLineKind(ListingLineText(line, false, false));
            EXPECT_TRUE(kind >= 2 && kind <= 4);
            ++expected;
        } else if (line.rfind("INFO: ", 0) == 0 || line.rfind("WARNING: ", 0) == 0 ||
                   line.rfind("ERROR: ", 0) == 0) {
            ++messages;
        } else {
            EXPECT_TRUE(line.empty() || line == std::string(78, '='));
        }
    }
    EXPECT_GE(triggers, 10);
    EXPECT_GE(headers, 6);
    EXPECT_EQ(messages, 3);
}

// The continued statements join as the analysis joins them: the string
// that runs over a line end is one token, and nothing stays open.
TEST(ExampleListing, ContinuedLinesJoin) {
    const ListingLines lines = ReadListingFile(kExample, LanguageEnglish);
    Tokenizer tokenizer;
    TokenList tokens;
    int continued = 0;
    bool joinedString = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!tokens.empty() && tokens.back().Text == "%\\") {
            tokens.pop_back();
            ++continued;
        } else {
            tokens.clear();
        }
        tokenizer.TokenizeLine(tokens, ListingLineText(lines[i], true, true),
                               static_cast<int32_t>(i), false);
        for (const Token& token : tokens) {
            const std::string& t = token.Text;
            if (!t.empty() && t.front() == '"' && t.find("MORE THAN") != std::string::npos &&
                t.find("THE FORM CAN SHOW\"") != std::string::npos)
                joinedString = true;
        }
    }
    EXPECT_EQ(continued, 2);
    EXPECT_TRUE(joinedString);
    EXPECT_FALSE(tokenizer.InOpenString);
}

}  // namespace
}  // namespace lumorca
