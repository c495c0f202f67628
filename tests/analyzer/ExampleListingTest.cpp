// The load pipeline on the example listing: reading or pasting, recognition,
// analysis.
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

// The map from analysed to file lines with empty lines dropped is pinned by
// the findings, graph and structure outputs of listings with empty lines.
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
