// The load pipeline on the example listing: reading, recognition, dropping
// of empty lines with the map back to the file, analysis.
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
