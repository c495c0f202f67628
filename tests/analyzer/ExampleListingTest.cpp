// The example listing as the program reads it, and the load pipeline:
// reading, recognition, dropping of empty lines with the map back to the
// file, analysis.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "analyzer/LineModel.h"
#include "analyzer/ListingLoader.h"
#include "analyzer/ListingReader.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

const std::string kExample = std::string(LUMORCA_SOURCE_DIR) + "/examples/orders.pro";

std::string ExampleBytes() {
    std::ostringstream read;
    read << std::ifstream(kExample, std::ios::binary).rdbuf();
    return read.str();
}

TEST(ExampleListing, IsARecognisedListingWithCrLfLineEnds) {
    const std::string bytes = ExampleBytes();
    ASSERT_FALSE(bytes.empty());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
        if (bytes[i] == '\n') ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const ListingLines lines = ReadListingFile(kExample, LanguageEnglish);
    EXPECT_GE(lines.size(), 150u);
    EXPECT_LE(lines.size(), 250u);
    EXPECT_TRUE(IsCorvaneListing(lines));
    EXPECT_EQ(ListingComponentOf(lines), "ORDERS");
    EXPECT_EQ(SplitClipboardText(bytes), lines);  // pasted instead of opened, it reads the same
}

// Each line is one of the kinds a listing has, and the numbers run on
// within a trigger, header lines included.
TEST(ExampleListing, LinesFollowTheListingLayout) {
    const ListingLines lines = ReadListingFile(kExample, LanguageEnglish);
    int expected = 0, triggers = 0, headers = 0, messages = 0;
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
            ++expected;
            EXPECT_EQ(line.substr(6, 8), "        ");
            const int kind = StructureLineKind(ListingLineText(line, false, false));
            EXPECT_TRUE(kind >= 2 && kind <= 4);
        } else if (line.rfind("INFO: ", 0) == 0 || line.rfind("WARNING: ", 0) == 0 || line.rfind("ERROR: ", 0) == 0) {
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
        tokenizer.TokenizeLine(tokens, ListingLineText(lines[i], true, true), static_cast<int32_t>(i), false);
        for (const Token& token : tokens) {
            const std::string& t = token.Text;
            joinedString |= !t.empty() && t.front() == '"' && t.find("MORE THAN") != std::string::npos &&
                            t.find("THE FORM CAN SHOW\"") != std::string::npos;
        }
    }
    EXPECT_EQ(continued, 2);
    EXPECT_TRUE(joinedString);
    EXPECT_FALSE(tokenizer.InOpenString);
}

TEST(EmptyLines, DroppedExactlyWhenShortAndBlankFirst) {
    for (const char* dropped : {"", "     3        ", "\t", "      "}) {
        EXPECT_TRUE(IsDroppedEmptyLine(dropped)) << dropped;
    }
    for (const char* kept : {"     4        x", "-", "              x", "Trigger"}) {
        EXPECT_FALSE(IsDroppedEmptyLine(kept)) << kept;
    }
}

// Blank lines and empty numbered lines among the listing's own, one at the
// very start too.
TEST(LoadListing, MapsEveryAnalysedLineToItsFileLine) {
    std::string padded = "\n";
    std::istringstream in(ExampleBytes());
    std::string line;
    for (int i = 0; std::getline(in, line); ++i) {
        padded += line + "\n" + (i % 7 == 3 ? "\n" : "") + (i % 11 == 5 ? "    12        \n" : "") +
                  (i % 13 == 6 ? " \t\n" : "");
    }
    const ListingLines file = SplitFileText(padded);
    AnalysisSettings settings;
    settings.IgnoreEmptyLines = true;
    const LoadedListing loaded = LoadListing(ListingSource::FileBytes(padded), settings);
    const std::vector<int32_t>& map = loaded.Analysis.FileLines;
    ASSERT_LT(loaded.Lines.size(), file.size());
    ASSERT_EQ(map.size(), loaded.Lines.size());
    for (size_t i = 0; i < map.size(); ++i) {
        ASSERT_EQ(loaded.Lines[i], file[static_cast<size_t>(map[i])]) << i;
        EXPECT_EQ(loaded.Analysis.FileLineOf(static_cast<int32_t>(i)), map[i]);
    }
    settings.IgnoreEmptyLines = false;
    const LoadedListing whole = LoadListing(ListingSource::FileBytes(padded), settings);
    EXPECT_EQ(whole.Lines, file);
    EXPECT_TRUE(whole.Analysis.FileLines.empty());
    EXPECT_EQ(whole.Analysis.FileLineOf(7), 7);
}

TEST(LoadListing, FileAndPastedTextGiveTheSameListingAndOthersAreRefused) {
    const LoadedListing file = LoadListing(ListingSource::File(kExample), {});
    const LoadedListing pasted = LoadListing(ListingSource::Pasted(ExampleBytes()), {});
    EXPECT_EQ(file.Lines, pasted.Lines);
    EXPECT_EQ(file.Analysis.EntryList, pasted.Analysis.EntryList);
    EXPECT_FALSE(file.Analysis.Empty());
    EXPECT_THROW(LoadListing(ListingSource::Pasted("just\ntext\n"), {}), ENoCorvaneSource);
    EXPECT_THROW(LoadListing(ListingSource::File(kExample + ".missing"), {}), EFileNotReadable);
    // Recognised, yet a title too short to open a structure.
    EXPECT_THROW(LoadListing(ListingSource::Pasted("\n\n\n\nTrigger <X> from\n"), {}), ENoCorvaneSource);
}

}  // namespace
}  // namespace lumorca
