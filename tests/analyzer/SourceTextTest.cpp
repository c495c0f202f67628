#include <gtest/gtest.h>

#include <string>

#include "AnalysisTestSupport.h"
#include "analyzer/SourceText.h"

namespace lumorca::test {
namespace {

TEST(SourceLineParts, GoldCharactersAndStructures) {
    EXPECT_EQ(GoldCharacter('a'), 0);
    const StructureStartList starts = {0, 3, 10};
    const std::pair<int32_t, int32_t> owners[] = {{0, 0}, {9, 1}, {10, 2}, {500, 2}, {-1, -1}};
    for (const auto& [line, owner] : owners) EXPECT_EQ(StructureOfLine(starts, line), owner) << line;
    EXPECT_EQ(StructureOfLine({}, 4), -1);
    // A title on line 0: the line belongs to the trigger, not the prelude.
    EXPECT_EQ(StructureOfLine({0, 0, 5}, 0), 1);
}

ListingLines SampleListing() {
    return {
        "Proc listing of CUSTSVC", "Trigger <EXEC> from Service: CUSTSVC", Numbered(1, "return (0)"),  // 0-2
        Numbered(2, "; builds the header"), Numbered(3, "; second comment"),                             // 3-4
        Header("entry LP_BUILD_HEADER"), Numbered(5, "return (0)"),                                      // 5-6
        "Trigger <CROC> from Entity: ORDER.SALES", Numbered(1, "x = 1"),                                 // 7-8
        Header("partner operation GET_DATA"), Numbered(3, "end"),                                        // 9-10
    };
}
const StructureStartList kStarts = {0, 1, 5, 7, 9};

// Top line, lead-in rows, end line, whether an entry, entry name.
std::string View(const ListingLines& lines, const StructureStartList& starts, int32_t index,
                 IndentSettings indent = {}) {
    const StructureView v = ComputeStructureView(lines, RecordsOf(lines, starts), index, indent);
    return std::to_string(v.TopLine) + " " + std::to_string(v.LeadInRows) + " " + std::to_string(v.EndLine) +
           (v.IsEntry ? " entry " + v.EntryName : "");
}

// Caption, trigger, from label and name, and for entries label and name.
std::string Info(const ListingLines& lines, const StructureStartList& starts, int32_t index) {
    const TriggerInfo i = ComputeTriggerInfo(lines, starts, index);
    return i.Caption + "|" + i.TriggerName + "|" + i.FromLabel + "|" + i.FromName +
           (i.EntryVisible ? "|" + i.EntryLabel + "|" + i.EntryName : "");
}

TEST(StructureView, EntriesTakeTheirCommentLinesAboveAsLeadIn) {
    ListingLines lines = SampleListing();
    EXPECT_EQ(View(lines, kStarts, 2), "3 2 6 entry lp_build_header");
    EXPECT_EQ(View(lines, kStarts, 1), "1 0 4");
    EXPECT_EQ(View(lines, kStarts, 4), "9 0 10 entry get_data");  // the qualifier is not the name
    EXPECT_EQ(View(lines, kStarts, 0), "0 0 0");
    // Only the header word makes an entry, in any case.
    lines[7] = "Trigger <CROC> from Entity: entry_operation.SALES";
    EXPECT_EQ(View(lines, kStarts, 3), "7 0 8");
    // Indented at level 1, the comment no longer starts the text.
    lines[4] = Numbered(3, "; nested comment", '1');
    EXPECT_EQ(View(lines, kStarts, 2, IndentSettings{true, 4}), "5 0 6 entry lp_build_header");
    EXPECT_EQ(View(lines, kStarts, 2, IndentSettings{false, 4}), "3 2 6 entry lp_build_header");
}

TEST(StructureView, PreludeOfAListingWithoutBannerIsEmpty) {
    const ListingLines lines = {"Trigger <EXEC> from Service: X", Numbered(1, "entry_x = 1")};
    const StructureView prelude = ComputeStructureView(lines, RecordsOf(lines, {0, 0}), 0, IndentSettings{});
    EXPECT_EQ(prelude.RowCount(), 0);
    EXPECT_EQ(prelude.EndLine, -1);
    EXPECT_EQ(View(lines, {0, 0}, 1), "0 0 1");
    EXPECT_EQ(Info(lines, {0, 0}, 1), "Trigger <EXEC> from Service: X|<EXEC>|from Service:|X");
}

TEST(TriggerInfo, HeaderTextsOfPreludeTriggersAndEntries) {
    const ListingLines lines = SampleListing();
    for (int32_t top : {0, 5}) EXPECT_EQ(Info(lines, kStarts, top), "Top from component|top|from|component");
    EXPECT_EQ(Info(lines, kStarts, 3), "Trigger <CROC> from Entity: ORDER|<CROC>|from Entity:|ORDER");
    EXPECT_EQ(Info(lines, kStarts, 2),
              "entry LP_BUILD_HEADER|<EXEC>|from Service:|CUSTSVC|entry|LP_BUILD_HEADER");
    // A blank before the closing bracket is dropped from the name only.
    EXPECT_EQ(Info({"x", "Trigger <LEAVE >  from  Field: AMOUNT.ORDER.SALES"}, {0, 1}, 1),
              "Trigger <LEAVE >  from  Field: AMOUNT.ORDER|<LEAVE>|from Field:|AMOUNT.ORDER");
}

// Header words in any case make an entry or operation, labels shown as written.
class HeaderInAnyCase : public ::testing::TestWithParam<const char*> {};

TEST_P(HeaderInAnyCase, IsAnEntryOrOperation) {
    ListingLines lines = SampleListing();
    lines[5] = Header(std::string(GetParam()) + " LP_BUILD_HEADER");
    EXPECT_EQ(View(lines, kStarts, 2), "3 2 6 entry lp_build_header");
    EXPECT_EQ(Info(lines, kStarts, 2), std::string(GetParam()) + " LP_BUILD_HEADER|<EXEC>|from Service:|CUSTSVC|" +
                                           GetParam() + "|LP_BUILD_HEADER");
}

INSTANTIATE_TEST_SUITE_P(Cases, HeaderInAnyCase, ::testing::Values("ENTRY", "Entry", "OPERATION", "Operation"));

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
