#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AnalysisTestSupport.h"
#include "analyzer/LineModel.h"
#include "analyzer/SourceJumps.h"
#include "analyzer/Vocabulary.h"

namespace lumorca::test {
namespace {

const IndentSettings Indent{true, 4};

// An entry with nested control structures; line number k stands at index k.
const ListingLines kBlocks = {
    "Trigger <LPMX> from Form: ORDERS", "==================================",
    Numbered(1, "; local procs"), Header("entry LP_BLOCKS"),
    Numbered(4, "if (A = 1)"), Numbered(5, "   B = 1", '1'), Numbered(6, "   if (C = 1)", '1'),
    Numbered(7, "      D = 1", '2'), Numbered(8, "   endif", '2'), Numbered(9, "else", '1'),
    Numbered(10, "   B = 2", '1'), Numbered(11, "endif", '1'), Numbered(12, "while (B < 3)"),
    Numbered(13, "   B = B + 1", '1'), Numbered(14, "endwhile", '1'), Numbered(15, "if (A = 2 & %\\"),
    Numbered(16, "    B = 3)"), Numbered(17, "   selectcase B", '1'), Numbered(18, "   case 1", '2'),
    Numbered(19, "      D = 2", '2'), Numbered(20, "   case 2", '2'), Numbered(21, "   endselectcase", '2'),
    Numbered(22, "endif", '1'), Numbered(23, "repeat"), Numbered(24, "   B = B - 1", '1'),
    Numbered(25, "return (0)"),
};

struct PartnerCase {
    int32_t Start;
    int Kind;
    int32_t Expected;
    int32_t Top = 3;
    int32_t End = 25;
};

TEST(ControlStructureJumps, FindThePartnerOfTheSameBlockWithinTheShownRange) {
    const auto k = [](const char* word) { return ControlWordGotoKind(word); };
    const PartnerCase cases[] = {
        {11, k("endif"), 4}, {4, k("IF"), 11}, {4, 2, 9}, {9, k("Else"), 4}, {9, 5, 11}, {11, 3, 9},
        {8, 1, 6}, {6, 4, 8}, {12, k("WHILE"), 14}, {14, k("ENDWHILE"), 12},
        {17, k("SELECTCASE"), 21}, {21, k("ENDSELECTCASE"), 17}, {20, k("CASE"), 17}, {18, 9, 21},
        // The IF of line 15 goes on over line 16, whose level is that of the
        // IF: the search still finds the ENDIF one level deeper, unless the
        // continued line ends the shown range.
        {15, 4, 22}, {15, 4, -1, 3, 15},
        {23, k("REPEAT"), -1},  // no UNTIL
        {12, 2, -1},            // leaving the block at a lower level stops
        {4, 4, -1, 3, 10}, {11, 1, -1, 6, 25},  // partner beyond the shown end or above the top
        {4, 14, -1}, {4, -1, -1}, {99, 4, -1}, {-1, 4, -1}, {25, 13, -1},
    };
    for (const PartnerCase& c : cases) {
        EXPECT_EQ(FindControlPartner(kBlocks, c.Start, c.Kind, c.Top, c.End, Indent), c.Expected)
            << "from " << c.Start << " kind " << c.Kind;
    }
    EXPECT_EQ(ControlWordGotoKind("endifx"), -1);
    EXPECT_EQ(ControlWordGotoKind(""), -1);
    EXPECT_EQ(GotoKindOf(14), nullptr);
}

TEST(ControlStructureJumps, CaseOffersItsSelectCase) {
    EXPECT_EQ(GotoMenuEntries("case").at(1).Item, GotoItem::SelectCase);
}

TEST(StatementArguments, OfTheLinesDisplayText) {
    std::string arg;
    const ListingLines lines = {Numbered(1, "\tcall  lp_tab(1)", '1')};
    EXPECT_TRUE(LineStatementArgument(lines, 0, "CALL", arg, Indent));
    EXPECT_EQ(arg, "lp_tab");
    EXPECT_FALSE(LineStatementArgument(lines, 1, "CALL", arg, Indent));
    EXPECT_FALSE(LineStatementArgument(lines, -1, "CALL", arg, Indent));
}

TEST(TokenUnderPointer, BlanksRepeatedTokensAndSubstitutions) {
    const std::string text = "   A = A + B";
    const std::vector<std::string> tokens = DisplayTokens(text, 7);
    ASSERT_EQ(tokens, (Names{"A", "=", "A", "+", "B"}));
    TokenUnderPosition hit;
    for (int blank : {2, 5, 13}) EXPECT_FALSE(FindTokenAt(text, tokens, blank, hit)) << blank;
    ASSERT_TRUE(FindTokenAt(text, tokens, 8, hit));  // the second A
    EXPECT_EQ(std::make_tuple(hit.Token, hit.Position, hit.Offset), std::make_tuple("A", 8, 1));
    const std::string call = "CALL LP_SUM(X)";
    ASSERT_TRUE(FindTokenAt(call, DisplayTokens(call, 0), 9, hit));
    EXPECT_EQ(std::make_tuple(hit.Token, hit.Offset), std::make_tuple("LP_SUM", 4));

    // Inside a string the substituted name under the pointer is cut out.
    const std::string message = "MESSAGE \"ORDER %%ORDNR.ORDER%%% OF %%$USER\"";
    const std::vector<std::string> parts = DisplayTokens(message, 0);
    ASSERT_EQ(parts.size(), 2U);
    for (const auto& [x, name, offset] : {std::make_tuple(20, "ORDNR.ORDER", 3), std::make_tuple(40, "$USER", 3)}) {
        ASSERT_TRUE(FindTokenAt(message, parts, x, hit));
        std::string token = hit.Token;
        int at = hit.Offset;
        ASSERT_TRUE(TrimSubstitution(token, at));
        EXPECT_EQ(token, name);
        if (x == 20) EXPECT_EQ(at, offset);
    }
    std::string literal = "\"ORDER %%ORDNR%%%\"";  // on the text before any substitution
    int offset = 3;
    EXPECT_FALSE(TrimSubstitution(literal, offset));
    EXPECT_EQ(literal, "\"ORDER %%ORDNR%%%\"");
}

class TokenLookup : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/token-lookup.txt.
TEST_P(TokenLookup, TriesTheTargetsInOrder) {
    TokenLookupContext c;
    for (const std::string& line : GetParam().Parts.at(0)) {
        const std::string key = line.substr(0, line.find('=')), value = line.substr(key.size() + 1);
        if (key == "FirstToken") c.FirstToken = value;
        if (key == "Structure") c.Structure = std::stoi(value);
        for (size_t from = 0; key == "EntityCaptions" && from <= value.size(); from = value.find(',', from) + 1) {
            c.EntityCaptions.push_back(value.substr(from, value.find(',', from) - from));
            if (value.find(',', from) == std::string::npos) break;
        }
    }
    for (const std::string& line : GetParam().Parts.at(1)) {
        const size_t at = line.find('@'), arrow = line.find(" =>");
        const TokenLookupPlan plan = PlanTokenLookup(line.substr(0, at), std::stoi(line.substr(at + 1)), c);
        std::string shown = plan.BeepWhenNoneFound ? "beep: " : "";
        for (const XRefTarget& target : plan.Targets) {
            shown += shown.empty() || shown == "beep: " ? "" : " ; ";
            shown += CategoryCaption(target.Category, LanguageEnglish);
            if (target.Owner >= 0) shown += "@" + std::to_string(target.Owner);
            shown += (target.EntityGroup ? "|Entity " : "|") + target.Name;
        }
        std::string expected = arrow + 4 < line.size() ? line.substr(arrow + 4) : "";
        if (expected.size() > 6 && expected.substr(expected.size() - 6) == " ; ...") {
            expected.resize(expected.size() - 6);
            shown.resize(std::min(shown.size(), expected.size()));
        }
        EXPECT_EQ(shown, expected) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Contexts, TokenLookup, ::testing::ValuesIn(LoadCases("token-lookup.txt")), CaseName);

TEST(ListingActions, CopyBreakpointAndFind) {
    // Copied text keeps the listing's case and joins lines with CR LF.
    const ListingLines lines = {Numbered(1, "IF (A = \"Mixed\")"), Numbered(2, "   CALL LP_X ; Note", '1'),
                                Numbered(3, "ENDIF", '1'), ""};
    EXPECT_EQ(SelectionCopyText(lines, 0, 4, 2, 3, Indent), "(A = \"Mixed\")\r\n    CALL LP_X ; Note\r\nEND");
    EXPECT_EQ(SelectionCopyText(lines, 1, 5, 1, 8, Indent), "CALL");
    EXPECT_EQ(SelectionCopyText(lines, 1, 5, 1, 9998, Indent), "CALL LP_X ; Note");
    EXPECT_EQ(SelectionCopyText(lines, 2, 1, 3, 0, Indent), "ENDIF\r\n");  // empty last line
    EXPECT_EQ(SelectionCopyText(lines, 3, 1, 3, 5, Indent), "");
    EXPECT_EQ(SelectionCopyText(lines, 0, 1, 0, 0, Indent), "");
    EXPECT_EQ(SelectionCopyText(lines, 1, 1, 1, 7, IndentSettings{false, 4}), "   CALL");

    // Breakpoints name the entry, or the trigger and the line within it.
    const ListingLines listing = {"Trigger <EXEC> from Form: ORDERS", "EXEC_ORDERS..", Numbered(1, "call LP_X()"),
                                  Header("entry LP_X"), Numbered(17, "return (0)"), ""};
    const StructureList structures = RecordsOf(listing, {0, 0, 3});
    EXPECT_EQ(BreakpointCommand(listing, structures, 2, 4), "br LP_X:17");
    EXPECT_EQ(BreakpointCommand(listing, structures, 1, 2), "br EXEC_ORDERS:1");
    EXPECT_EQ(BreakpointCommand(listing, structures, 2, 5), "br LP_X:");  // no number on the line
    EXPECT_EQ(BreakpointCommand(listing, structures, 9, 99), "br :");
}

TEST(ListingActions, FindWrapsAtBothEndsAndExaminesTheStartLast) {
    const ListingLines lines = {"Trigger <EXEC> from Form: ORDERS", Numbered(1, "V_TOTAL = 1"),
                                Numbered(2, "call LP_Total()"), Numbered(3, "return (0)")};
    struct Case { int From; bool Down; const char* Text; bool MatchCase; int Found; };
    const Case cases[] = {
        {4, true, "TOTAL", false, 1},  {3, true, "TOTAL", false, 1},   // from past the end, wrapping
        {0, false, "LP_", false, 2},   {-1, false, "RETURN", false, 3},  // up from line 0 and past it
        {3, true, "RETURN", false, 3},  // found only where it starts
        {0, true, "LP_Total", true, 2}, {0, true, "LP_TOTAL", true, -1},
        {0, true, "3", false, -1},  // the number columns are not searched
        {0, true, "NOWHERE", false, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindInListing(lines, c.From, c.Down, c.Text, c.MatchCase), c.Found) << c.Text << " " << c.From;
    }
    EXPECT_EQ(FindInListing({}, 0, true, "A", false), -1);
}

}  // namespace
}  // namespace lumorca::test
