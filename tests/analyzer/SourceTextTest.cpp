#include <gtest/gtest.h>

#include <string>

#include "AnalysisTestSupport.h"
#include "analyzer/SourceText.h"

namespace lumorca::test {
namespace {

// Structure views and trigger headers are cases in tests/data/listing-functions.txt.
TEST(SourceLineParts, PlainCharactersAreNoGoldCharacters) { EXPECT_EQ(GoldCharacter('a'), 0); }

TEST(PositionList, SlotsFillFreeSlotsFirstRespectTheLimitAndPopTheNewestFirst) {
    TPositionList bookmarks(10);
    EXPECT_TRUE(bookmarks.SetPosition(7, 3, 120));
    EXPECT_FALSE(bookmarks.SetPosition(10, 1, 1));
    EXPECT_EQ(bookmarks.Count(), 8);
    int32_t s = 0, l = 0;
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(bookmarks.GetPosition(i, s, l)) << i;
    EXPECT_EQ(std::make_pair(s, l), std::make_pair(-1, -1));
    EXPECT_TRUE(bookmarks.GetPosition(7, s, l));
    EXPECT_EQ(std::make_pair(s, l), std::make_pair(3, 120));
    EXPECT_EQ(bookmarks.AddPosition(4, 44), 0);
    EXPECT_EQ(bookmarks.FindPosition(3, 120), 7);
    EXPECT_EQ(bookmarks.FindPosition(3, 12), -1);
    bookmarks.ClearPosition(0);
    EXPECT_EQ(bookmarks.Count(), 8);
    EXPECT_EQ(bookmarks.FindPosition(4, 44), -1);

    TPositionList history(2);
    EXPECT_EQ(history.AddPosition(5, 200), 0);
    EXPECT_EQ(history.AddPosition(9, 1234567), 1);
    EXPECT_EQ(history.AddPosition(1, 3), -1);
    for (const auto& [structure, line] : {std::make_pair(9, 1234567), std::make_pair(5, 200)}) {
        EXPECT_TRUE(history.PopPosition(s, l));
        EXPECT_EQ(std::make_pair(s, l), std::make_pair(structure, line));
    }
    EXPECT_FALSE(history.PopPosition(s, l));
    EXPECT_EQ(s, -1);
    EXPECT_EQ(TPositionList::PositionKey(12, 340), "12/340");
}

}  // namespace
}  // namespace lumorca::test
