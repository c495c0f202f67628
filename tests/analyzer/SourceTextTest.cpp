#include <gtest/gtest.h>

#include <string>

#include "analyzer/SourceText.h"

using namespace lumorca;

namespace {

// A numbered listing line: own number in columns 1-6, level in column 8,
// Proc text from column 15.
std::string Numbered(int number, char level, const std::string& text) {
    std::string prefix = std::to_string(number);
    prefix.insert(0, 6 - prefix.size(), ' ');
    prefix += ' ';
    prefix += level;
    prefix.resize(14, ' ');
    return prefix + text;
}

std::string Show(const ListingLines& lines, int line, bool strip, bool gold, bool lower,
                 bool autoIndent = true, int indent = 4) {
    return GetSourceLineText(lines, line, strip, gold, lower, IndentSettings{autoIndent, indent});
}

}  // namespace

TEST(SourceLineIndentation, BlockWordsOutdentAndContinuationsIndentDeeper) {
    const ListingLines lines = {
        Numbered(1, '2', "else"),
        Numbered(2, ' ', "endif"),
        Numbered(3, '1', "  call LP_X(1, %\\"),
        Numbered(4, '1', "2)"),
        Numbered(5, '3', "until ($1 > 2)"),
    };
    EXPECT_EQ(Show(lines, 0, false, true, false), "    else");
    EXPECT_EQ(Show(lines, 1, false, true, false), "endif");  // level -1 adds nothing
    EXPECT_EQ(Show(lines, 2, false, true, false), "    call LP_X(1, %\\");
    EXPECT_EQ(Show(lines, 3, false, true, false), "            2)");
    EXPECT_EQ(Show(lines, 4, false, true, false), "        until ($1 > 2)");
    // The unit never grows beyond eight blanks.
    EXPECT_EQ(Show(lines, 4, false, true, false, true, 10), std::string(16, ' ') + "until ($1 > 2)");
    // Without automatic indentation the text keeps its own blanks.
    EXPECT_EQ(Show(lines, 2, false, true, false, false), "  call LP_X(1, %\\");
}

TEST(SourceLineIndentation, NonDigitLevelColumnCountsAsLevelZero) {
    const ListingLines lines = {Numbered(7, '-', "  return"), "Trigger <EXEC> from Service: X"};
    EXPECT_EQ(LineLevel(lines[0]), 0);
    EXPECT_EQ(LineLevel(lines[1]), -1);
    EXPECT_EQ(LineLevel(Numbered(1, '3', "x")), 3);
    EXPECT_EQ(Show(lines, 0, false, true, false), "return");
}

TEST(SourceLinePrefix, HeadersLoseTheirPrefixOtherLinesStayWhole) {
    const ListingLines lines = {
        "******        entry LP_BUILD_HEADER",
        "WARNING: 1032 - Field video attributes",
        "Trigger <EXEC> from Service: CUSTSVC   \t ",
        "",
    };
    EXPECT_EQ(Show(lines, 0, false, true, false), "entry LP_BUILD_HEADER");
    EXPECT_EQ(Show(lines, 1, false, true, false), "WARNING: 1032 - Field video attributes");
    EXPECT_EQ(Show(lines, 2, false, true, false), "Trigger <EXEC> from Service: CUSTSVC");
    EXPECT_EQ(Show(lines, 3, false, true, false), "");
}

TEST(SourceLineTabs, TabsExpandToStopsEveryEightColumnsWithoutCuttingLongLines) {
    const std::string tail(300, 'x');
    const ListingLines lines = {"\tA", "abc\tB", "ab\t" + tail};
    EXPECT_EQ(Show(lines, 0, false, true, false, false), "        A");
    EXPECT_EQ(Show(lines, 1, false, true, false, false), "abc     B");
    EXPECT_EQ(Show(lines, 2, false, true, false, false), "ab      " + tail);
}

TEST(SourceLineContinuation, StripRemovesTheMarkAndTheBlanksBeforeIt) {
    const ListingLines lines = {Numbered(1, ' ', "message \"a\"   %\\"), Numbered(2, ' ', "x")};
    EXPECT_EQ(Show(lines, 0, true, true, false), "message \"a\"");
    EXPECT_EQ(Show(lines, 0, false, true, false), "message \"a\"   %\\");
    EXPECT_TRUE(HasContinuationMark(lines[0] + "  \t"));
    EXPECT_FALSE(HasContinuationMark(lines[1]));
}

TEST(SourceLineLowercase, LiteralsAndTrailingCommentsKeepTheirCase) {
    const ListingLines lines = {
        Numbered(1, ' ', "MESSAGE \"Hello World\" ; Say HELLO"),
        Numbered(2, ' ', "; Whole LINE Comment"),
        Numbered(3, ' ', "SET A = \"It's\" + 'MiXed' + B"),
        Numbered(4, ' ', "PUTMESS 'Open LITERAL"),
        Numbered(5, ' ', "SET X = \"a;B\" ; Note"),
    };
    EXPECT_EQ(Show(lines, 0, false, true, true), "message \"Hello World\" ; Say HELLO");
    EXPECT_EQ(Show(lines, 1, false, true, true), "; whole line comment");
    EXPECT_EQ(Show(lines, 2, false, true, true), "set a = \"It's\" + 'MiXed' + b");
    EXPECT_EQ(Show(lines, 3, false, true, true), "putmess 'Open LITERAL");
    EXPECT_EQ(Show(lines, 4, false, true, true), "set x = \"a;B\" ; Note");
}

TEST(SourceLineGold, GoldCodesShowAsTheirCharactersAtTheSamePositions) {
    const std::string codes = "\x15\x16\x10\x12\x1B\x17\x14\x13\x11";
    const ListingLines lines = {Numbered(1, ' ', "A" + codes + "B")};
    const std::string gold = Show(lines, 0, false, true, false);
    const std::string plain = Show(lines, 0, false, false, false);
    EXPECT_EQ(gold, "A!&*=;|<>?B");
    EXPECT_EQ(plain, "A" + codes + "B");
    EXPECT_EQ(gold.size(), plain.size());
    EXPECT_EQ(GoldCharacter('a'), 0);
}

TEST(ListingLineNumber, FirstSixColumnsAsANumberOrNothing) {
    EXPECT_EQ(ListingLineNumber(Numbered(12, '1', "x")), "12");
    EXPECT_EQ(ListingLineNumber("******        entry X"), "");
    EXPECT_EQ(ListingLineNumber("Trigger <EXEC>"), "");
    EXPECT_EQ(ListingLineNumber(""), "");
    EXPECT_EQ(ListingLineNumber("    7"), "7");
    EXPECT_EQ(ListingLineNumber("  1 2 x"), "");
}

TEST(StructureOfLine, LastStructureStartingAtOrBeforeTheLine) {
    const StructureStartList starts = {0, 3, 10};
    EXPECT_EQ(StructureOfLine(starts, 0), 0);
    EXPECT_EQ(StructureOfLine(starts, 9), 1);
    EXPECT_EQ(StructureOfLine(starts, 10), 2);
    EXPECT_EQ(StructureOfLine(starts, 500), 2);
    EXPECT_EQ(StructureOfLine(starts, -1), -1);
    EXPECT_EQ(StructureOfLine({}, 4), -1);
    // A title on line 0: the line belongs to the trigger, not the prelude.
    EXPECT_EQ(StructureOfLine({0, 0, 5}, 0), 1);
}

namespace {

ListingLines SampleListing() {
    return {
        "Proc listing of CUSTSVC",                    // 0
        "Trigger <EXEC> from Service: CUSTSVC",       // 1
        Numbered(1, ' ', "return (0)"),               // 2
        Numbered(2, ' ', "; builds the header"),      // 3
        Numbered(3, ' ', "; second comment"),         // 4
        "******        entry LP_BUILD_HEADER",        // 5
        Numbered(5, ' ', "return (0)"),               // 6
        "Trigger <CROC> from Entity: ORDER.SALES",    // 7
        Numbered(1, ' ', "x = 1"),                    // 8
        "******        partner operation GET_DATA",   // 9
        Numbered(3, ' ', "end"),                      // 10
    };
}

}  // namespace

TEST(StructureView, EntriesTakeTheirCommentLinesAboveAsLeadIn) {
    const ListingLines lines = SampleListing();
    const StructureStartList starts = {0, 1, 5, 7, 9};
    const IndentSettings indent;

    const StructureView entry = ComputeStructureView(lines, starts, 2, indent);
    EXPECT_EQ(entry.TopLine, 3);
    EXPECT_EQ(entry.LeadInRows, 2);
    EXPECT_EQ(entry.EndLine, 6);
    EXPECT_TRUE(entry.IsEntry);
    EXPECT_EQ(entry.EntryName, "lp_build_header");

    const StructureView trigger = ComputeStructureView(lines, starts, 1, indent);
    EXPECT_EQ(trigger.TopLine, 1);
    EXPECT_EQ(trigger.EndLine, 4);
    EXPECT_EQ(trigger.LeadInRows, 0);
    EXPECT_FALSE(trigger.IsEntry);

    const StructureView last = ComputeStructureView(lines, starts, 4, indent);
    EXPECT_EQ(last.EndLine, 10);
    EXPECT_TRUE(last.IsEntry);

    const StructureView prelude = ComputeStructureView(lines, starts, 0, indent);
    EXPECT_EQ(prelude.TopLine, 0);
    EXPECT_EQ(prelude.EndLine, 0);
}

TEST(StructureView, LeadInNeedsTheCommentInTheFirstColumnOfTheDisplayText) {
    ListingLines lines = SampleListing();
    lines[4] = Numbered(3, '1', "; nested comment");
    const StructureStartList starts = {0, 1, 5, 7, 9};
    // Indented at level 1, the comment no longer starts the text.
    EXPECT_EQ(ComputeStructureView(lines, starts, 2, IndentSettings{true, 4}).LeadInRows, 0);
    EXPECT_EQ(ComputeStructureView(lines, starts, 2, IndentSettings{false, 4}).LeadInRows, 2);
}

TEST(StructureView, PreludeOfAListingWithoutBannerIsEmpty) {
    const ListingLines lines = {"Trigger <EXEC> from Service: X", Numbered(1, ' ', "entry_x = 1")};
    const StructureStartList starts = {0, 0};
    const StructureView prelude = ComputeStructureView(lines, starts, 0, IndentSettings{});
    EXPECT_EQ(prelude.RowCount(), 0);
    EXPECT_EQ(prelude.EndLine, -1);
    EXPECT_FALSE(prelude.IsEntry);
    const StructureView first = ComputeStructureView(lines, starts, 1, IndentSettings{});
    EXPECT_EQ(first.TopLine, 0);
    EXPECT_EQ(first.EndLine, 1);

    const TriggerInfo info = ComputeTriggerInfo(lines, starts, 1);
    EXPECT_EQ(info.TriggerName, "<EXEC>");
    EXPECT_EQ(info.Caption, "Trigger <EXEC> from Service: X");
}

TEST(TriggerInfo, HeaderTextsOfPreludeTriggersAndEntries) {
    const ListingLines lines = SampleListing();
    const StructureStartList starts = {0, 1, 5, 7, 9};

    const TriggerInfo top = ComputeTriggerInfo(lines, starts, 0);
    EXPECT_EQ(top.Caption, "Top from component");
    EXPECT_EQ(top.TriggerName, "top");
    EXPECT_EQ(top.FromLabel, "from");
    EXPECT_EQ(top.FromName, "component");
    EXPECT_FALSE(top.EntryVisible);

    const TriggerInfo croc = ComputeTriggerInfo(lines, starts, 3);
    EXPECT_EQ(croc.Caption, "Trigger <CROC> from Entity: ORDER");
    EXPECT_EQ(croc.TriggerName, "<CROC>");
    EXPECT_EQ(croc.FromLabel, "from Entity:");
    EXPECT_EQ(croc.FromName, "ORDER");
    EXPECT_FALSE(croc.EntryVisible);

    const TriggerInfo entry = ComputeTriggerInfo(lines, starts, 2);
    EXPECT_TRUE(entry.EntryVisible);
    EXPECT_EQ(entry.EntryLabel, "entry");
    EXPECT_EQ(entry.EntryName, "LP_BUILD_HEADER");
    EXPECT_EQ(entry.Caption, "entry LP_BUILD_HEADER");
    EXPECT_EQ(entry.TriggerName, "<EXEC>");
    EXPECT_EQ(entry.FromName, "CUSTSVC");
}

// Header words in any case make an entry or operation: lead-in rows, labels
// shown as written.
class HeaderInAnyCase : public ::testing::TestWithParam<const char*> {};

TEST_P(HeaderInAnyCase, IsAnEntryOrOperation) {
    ListingLines lines = SampleListing();
    lines[5] = std::string("******        ") + GetParam() + " LP_BUILD_HEADER";
    const StructureStartList starts = {0, 1, 5, 7, 9};
    const StructureView view = ComputeStructureView(lines, starts, 2, IndentSettings{});
    EXPECT_TRUE(view.IsEntry);
    EXPECT_EQ(view.LeadInRows, 2);

    const TriggerInfo info = ComputeTriggerInfo(lines, starts, 2);
    EXPECT_TRUE(info.EntryVisible);
    EXPECT_EQ(info.EntryLabel, GetParam());
    EXPECT_EQ(info.Caption, std::string(GetParam()) + " LP_BUILD_HEADER");
    EXPECT_EQ(info.TriggerName, "<EXEC>");
}

INSTANTIATE_TEST_SUITE_P(Cases, HeaderInAnyCase, ::testing::Values("ENTRY", "Entry", "OPERATION", "Operation"));

TEST(StructureView, OnlyTheHeaderWordMakesAnEntry) {
    ListingLines lines = SampleListing();
    lines[7] = "Trigger <CROC> from Entity: entry_operation.SALES";
    const StructureStartList starts = {0, 1, 5, 7, 9};
    EXPECT_FALSE(ComputeStructureView(lines, starts, 3, IndentSettings{}).IsEntry);
    lines[9] = "******        PARTNER OPERATION GET_DATA";
    EXPECT_TRUE(ComputeStructureView(lines, starts, 4, IndentSettings{}).IsEntry);
}

TEST(TriggerInfo, BlankBeforeTheClosingBracketIsDropped) {
    const ListingLines lines = {"x", "Trigger <LEAVE >  from  Field: AMOUNT.ORDER.SALES"};
    const TriggerInfo info = ComputeTriggerInfo(lines, {0, 1}, 1);
    EXPECT_EQ(info.TriggerName, "<LEAVE>");
    EXPECT_EQ(info.FromLabel, "from Field:");
    EXPECT_EQ(info.FromName, "AMOUNT.ORDER");
    EXPECT_EQ(info.Caption, "Trigger <LEAVE >  from  Field: AMOUNT.ORDER");
}

TEST(PositionList, SlotsFillFreeSlotsFirstAndRespectTheLimit) {
    TPositionList bookmarks(10);
    EXPECT_TRUE(bookmarks.SetPosition(7, 3, 120));
    EXPECT_EQ(bookmarks.Count(), 8);
    int32_t s = 0;
    int32_t l = 0;
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(bookmarks.GetPosition(i, s, l));
    EXPECT_EQ(s, -1);
    EXPECT_EQ(l, -1);
    EXPECT_TRUE(bookmarks.GetPosition(7, s, l));
    EXPECT_EQ(s, 3);
    EXPECT_EQ(l, 120);
    EXPECT_FALSE(bookmarks.SetPosition(10, 1, 1));
    EXPECT_EQ(bookmarks.AddPosition(4, 44), 0);
    EXPECT_EQ(bookmarks.FindPosition(3, 120), 7);
    EXPECT_EQ(bookmarks.FindPosition(3, 12), -1);
    bookmarks.ClearPosition(0);
    EXPECT_EQ(bookmarks.Count(), 8);
    EXPECT_EQ(bookmarks.FindPosition(4, 44), -1);

    TPositionList full(2);
    EXPECT_EQ(full.AddPosition(1, 1), 0);
    EXPECT_EQ(full.AddPosition(1, 2), 1);
    EXPECT_EQ(full.AddPosition(1, 3), -1);
}

TEST(PositionList, PopReturnsTheNewestPositionFirst) {
    TPositionList history;
    history.AddPosition(5, 200);
    history.AddPosition(9, 1234567);
    int32_t s = 0;
    int32_t l = 0;
    EXPECT_TRUE(history.PopPosition(s, l));
    EXPECT_EQ(s, 9);
    EXPECT_EQ(l, 1234567);
    EXPECT_TRUE(history.PopPosition(s, l));
    EXPECT_EQ(s, 5);
    EXPECT_EQ(l, 200);
    EXPECT_FALSE(history.PopPosition(s, l));
    EXPECT_EQ(s, -1);
    EXPECT_EQ(TPositionList::PositionKey(12, 340), "12/340");
}
