// The load pipeline: reading, recognition, dropping of empty lines with the
// map back to the file, analysis.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "analyzer/ListingLoader.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

std::string ExampleBytes() {
    std::ifstream file(std::string(LUMORCA_SOURCE_DIR) + "/examples/orders.pro", std::ios::binary);
    std::ostringstream read;
    read << file.rdbuf();
    return read.str();
}

TEST(EmptyLines, DroppedExactlyWhenShortAndBlankFirst) {
    for (const char* dropped : {"", "     3        ", "\t", "      "}) EXPECT_TRUE(IsDroppedEmptyLine(dropped));
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
        padded += line + "\n";
        if (i % 7 == 3) padded += "\n";
        if (i % 11 == 5) padded += "    12        \n";
        if (i % 13 == 6) padded += " \t\n";
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

TEST(LoadListing, FileAndPastedTextGiveTheSameListing) {
    const std::string bytes = ExampleBytes();
    const LoadedListing file =
        LoadListing(ListingSource::File(std::string(LUMORCA_SOURCE_DIR) + "/examples/orders.pro"), {});
    const LoadedListing pasted = LoadListing(ListingSource::Pasted(bytes), {});
    EXPECT_EQ(file.Lines, pasted.Lines);
    EXPECT_EQ(file.Analysis.EntryList, pasted.Analysis.EntryList);
    EXPECT_FALSE(file.Analysis.Empty());
}

TEST(LoadListing, RefusesWhatIsNoListing) {
    EXPECT_THROW(LoadListing(ListingSource::Pasted("just\ntext\n"), {}), ENoCorvaneSource);
    EXPECT_THROW(LoadListing(ListingSource::File(std::string(LUMORCA_SOURCE_DIR) + "/no/such.pro"), {}),
                 EFileNotReadable);
    // Recognised, yet a title too short to open a structure.
    const std::string title = "Trigger <X> from\n";
    EXPECT_THROW(LoadListing(ListingSource::Pasted("\n\n\n\n" + title), {}), ENoCorvaneSource);
}

}  // namespace
}  // namespace lumorca
