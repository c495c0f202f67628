#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyzer/LineModel.h"
#include "analyzer/SourceJumps.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/XRefTree.h"

using namespace lumorca;

namespace {

using Path = std::vector<std::string>;

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

const IndentSettings Indent{true, 4};

// Every character 6 pixels wide.
int FixedWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 6;
}

// An entry with nested control structures; line numbers in comments.
ListingLines Blocks() {
    return {
        "Trigger <LPMX> from Form: ORDERS",                   // 0
        "==================================",                 // 1
        Numbered(1, ' ', "; local procs"),                     // 2
        "******        entry LP_BLOCKS",                       // 3
        Numbered(4, ' ', "if (A = 1)"),                        // 4
        Numbered(5, '1', "   B = 1"),                          // 5
        Numbered(6, '1', "   if (C = 1)"),                     // 6
        Numbered(7, '2', "      D = 1"),                       // 7
        Numbered(8, '2', "   endif"),                          // 8
        Numbered(9, '1', "else"),                              // 9
        Numbered(10, '1', "   B = 2"),                         // 10
        Numbered(11, '1', "endif"),                            // 11
        Numbered(12, ' ', "while (B < 3)"),                    // 12
        Numbered(13, '1', "   B = B + 1"),                     // 13
        Numbered(14, '1', "endwhile"),                         // 14
        Numbered(15, ' ', "if (A = 2 & %\\"),                  // 15
        Numbered(16, ' ', "    B = 3)"),                       // 16
        Numbered(17, '1', "   selectcase B"),                  // 17
        Numbered(18, '2', "   case 1"),                        // 18
        Numbered(19, '2', "      D = 2"),                      // 19
        Numbered(20, '2', "   case 2"),                        // 20
        Numbered(21, '2', "   endselectcase"),                 // 21
        Numbered(22, '1', "endif"),                            // 22
        Numbered(23, ' ', "repeat"),                           // 23
        Numbered(24, '1', "   B = B - 1"),                     // 24
        Numbered(25, ' ', "return (0)"),                       // 25
    };
}

int32_t Partner(const ListingLines& lines, int32_t start, int kind, int32_t top = 3,
                int32_t end = 25) {
    return FindControlPartner(lines, start, kind, top, end, Indent);
}

}  // namespace

TEST(StatementArguments, FirstWordSelectsTheStatementAndTheSecondIsItsArgument) {
    std::string arg = "untouched";
    EXPECT_TRUE(StatementArgument("   call LP_SUM(1, 2)", "CALL", arg));
    EXPECT_EQ(arg, "LP_SUM");
    EXPECT_TRUE(StatementArgument("CALL LP_X,A", "CALL", arg));
    EXPECT_EQ(arg, "LP_X");
    EXPECT_TRUE(StatementArgument("activate \"ORDERS\".SAVE(1)", "ACTIVATE", arg));
    EXPECT_EQ(arg, "\"ORDERS\".SAVE");
    arg = "untouched";
    EXPECT_FALSE(StatementArgument("recall LP_SUM()", "CALL", arg));
    EXPECT_FALSE(StatementArgument("", "CALL", arg));
    EXPECT_EQ(arg, "untouched");
    EXPECT_TRUE(StatementArgument("call", "CALL", arg));
    EXPECT_EQ(arg, "");

    const ListingLines lines = {Numbered(1, '1', "\tcall  lp_tab(1)")};
    EXPECT_TRUE(LineStatementArgument(lines, 0, "CALL", arg, Indent));
    EXPECT_EQ(arg, "lp_tab");
    EXPECT_FALSE(LineStatementArgument(lines, 1, "CALL", arg, Indent));
    EXPECT_FALSE(LineStatementArgument(lines, -1, "CALL", arg, Indent));
}

TEST(ControlStructureJumps, OpeningAndClosingWordsFindTheirPartnersOfTheSameBlock) {
    const ListingLines lines = Blocks();
    EXPECT_EQ(Partner(lines, 11, ControlWordGotoKind("endif")), 4);   // ENDIF back to its IF
    EXPECT_EQ(Partner(lines, 4, ControlWordGotoKind("IF")), 11);      // IF to ENDIF, past ELSE
    EXPECT_EQ(Partner(lines, 4, 2), 9);                                // IF to ELSE
    EXPECT_EQ(Partner(lines, 9, ControlWordGotoKind("Else")), 4);     // ELSE back to IF
    EXPECT_EQ(Partner(lines, 9, 5), 11);                               // ELSE on to ENDIF
    EXPECT_EQ(Partner(lines, 11, 3), 9);                               // ENDIF back to ELSE
    EXPECT_EQ(Partner(lines, 8, 1), 6);                                // inner ENDIF to inner IF
    EXPECT_EQ(Partner(lines, 6, 4), 8);                                // inner IF to inner ENDIF
    EXPECT_EQ(Partner(lines, 12, ControlWordGotoKind("WHILE")), 14);
    EXPECT_EQ(Partner(lines, 14, ControlWordGotoKind("ENDWHILE")), 12);
    EXPECT_EQ(Partner(lines, 17, ControlWordGotoKind("SELECTCASE")), 21);
    EXPECT_EQ(Partner(lines, 21, ControlWordGotoKind("ENDSELECTCASE")), 17);
    EXPECT_EQ(Partner(lines, 20, ControlWordGotoKind("CASE")), 17);
    EXPECT_EQ(Partner(lines, 18, 9), 21);                              // CASE on to its end
}

TEST(ControlStructureJumps, ContinuedStatementsAreSkippedBeforeAForwardSearch) {
    const ListingLines lines = Blocks();
    // The IF of line 15 goes on over line 16, whose level is that of the IF:
    // from line 15 itself the search still finds the ENDIF one level deeper.
    EXPECT_EQ(Partner(lines, 15, 4), 22);
    // A continued line ending the shown range stops the skip at its end.
    EXPECT_EQ(Partner(lines, 15, 4, 3, 15), -1);
}

TEST(ControlStructureJumps, MissingPartnersAndOutOfRangeStartsFindNothing) {
    const ListingLines lines = Blocks();
    EXPECT_EQ(Partner(lines, 23, ControlWordGotoKind("REPEAT")), -1);  // no UNTIL
    EXPECT_EQ(Partner(lines, 12, 2), -1);  // leaving the block at a lower level stops
    EXPECT_EQ(Partner(lines, 4, 4, 3, 10), -1);  // the partner lies beyond the shown end
    EXPECT_EQ(Partner(lines, 11, 1, 6, 25), -1);  // the partner lies above the shown top
    EXPECT_EQ(Partner(lines, 4, 14), -1);
    EXPECT_EQ(Partner(lines, 4, -1), -1);
    EXPECT_EQ(Partner(lines, 99, 4), -1);
    EXPECT_EQ(Partner(lines, -1, 4), -1);
    EXPECT_EQ(Partner(lines, 25, 13), -1);  // the last line: nothing after it
    EXPECT_EQ(ControlWordGotoKind("endifx"), -1);
    EXPECT_EQ(ControlWordGotoKind(""), -1);
    EXPECT_EQ(GotoKindOf(14), nullptr);
}

TEST(ControlStructureJumps, GotoSubmenuOffersThePartnersOfTheFirstWord) {
    auto kinds = [](std::string_view word) {
        std::vector<int> result;
        for (const GotoMenuEntry& e : GotoMenuEntries(word)) result.push_back(e.GotoKind);
        return result;
    };
    EXPECT_EQ(kinds("if"), (std::vector<int>{2, 4}));
    EXPECT_EQ(kinds("ELSE"), (std::vector<int>{0, 5}));
    EXPECT_EQ(kinds("endif"), (std::vector<int>{1, 3}));
    EXPECT_EQ(kinds("case"), (std::vector<int>{9, 8}));
    EXPECT_EQ(GotoMenuEntries("case")[1].Item, GotoItem::SelectCase);
    EXPECT_EQ(kinds("until"), (std::vector<int>{12}));
    EXPECT_TRUE(kinds("call").empty());
    EXPECT_TRUE(kinds("").empty());
}

TEST(PixelPositions, SnapToTheNearerCharacterBoundary) {
    EXPECT_EQ(CharIndexAtX("abcd", 0, FixedWidth), 1);
    EXPECT_EQ(CharIndexAtX("abcd", 3, FixedWidth), 1);   // left half of "a"
    EXPECT_EQ(CharIndexAtX("abcd", 4, FixedWidth), 2);   // right half of "a"
    EXPECT_EQ(CharIndexAtX("abcd", 21, FixedWidth), 4);
    EXPECT_EQ(CharIndexAtX("abcd", 22, FixedWidth), 5);  // past the middle of the last
    EXPECT_EQ(CharIndexAtX("abcd", 9999, FixedWidth), 5);
    EXPECT_EQ(CharIndexAtX("", 5, FixedWidth), 1);
}

TEST(TokenUnderPointer, BlanksAndRepeatedTokensAreTellApart) {
    const std::string text = "   A = A + B";
    const std::vector<std::string> tokens = DisplayTokens(text, 7);
    ASSERT_EQ(tokens, (std::vector<std::string>{"A", "=", "A", "+", "B"}));
    TokenUnderPosition hit;
    EXPECT_FALSE(FindTokenAt(text, tokens, 2, hit));  // leading blank
    EXPECT_FALSE(FindTokenAt(text, tokens, 5, hit));  // blank between words
    ASSERT_TRUE(FindTokenAt(text, tokens, 8, hit));   // the second A
    EXPECT_EQ(hit.Token, "A");
    EXPECT_EQ(hit.Position, 8);
    EXPECT_EQ(hit.Offset, 1);
    EXPECT_FALSE(FindTokenAt(text, tokens, 13, hit));  // past the end

    const std::string call = "CALL LP_SUM(X)";
    ASSERT_TRUE(FindTokenAt(call, DisplayTokens(call, 0), 9, hit));
    EXPECT_EQ(hit.Token, "LP_SUM");
    EXPECT_EQ(hit.Offset, 4);
}

TEST(TokenUnderPointer, SubstitutionsInsideStringsGiveTheSubstitutedName) {
    const std::string text = "MESSAGE \"ORDER %%ORDNR.ORDER%%% OF %%$USER\"";
    const std::vector<std::string> tokens = DisplayTokens(text, 0);
    ASSERT_EQ(tokens.size(), 2U);
    TokenUnderPosition hit;
    ASSERT_TRUE(FindTokenAt(text, tokens, 20, hit));  // on "ORDNR"
    std::string token = hit.Token;
    int offset = hit.Offset;
    ASSERT_TRUE(TrimSubstitution(token, offset));
    EXPECT_EQ(token, "ORDNR.ORDER");
    EXPECT_EQ(offset, 3);

    ASSERT_TRUE(FindTokenAt(text, tokens, 40, hit));  // on "$USER"
    token = hit.Token;
    offset = hit.Offset;
    ASSERT_TRUE(TrimSubstitution(token, offset));
    EXPECT_EQ(token, "$USER");

    // On the literal text before any substitution nothing is cut.
    token = "\"ORDER %%ORDNR%%%\"";
    offset = 3;
    EXPECT_FALSE(TrimSubstitution(token, offset));
    EXPECT_EQ(token, "\"ORDER %%ORDNR%%%\"");
}

TEST(TokenLookup, QuotedTokensAreStringsOrEntitiesOfEntityStatements) {
    TokenLookupContext c;
    c.FirstToken = "CLEAR";
    TokenLookupPlan plan = PlanTokenLookup("\"ORDERLINE\"", 3, c);
    EXPECT_EQ(plan.Paths, (std::vector<Path>{{"Entities and Fields", "Entity ORDERLINE"},
                                             {"Strings", "\"ORDERLINE\""}}));
    EXPECT_FALSE(plan.BeepWhenNoneFound);
    c.FirstToken = "MESSAGE";
    EXPECT_EQ(PlanTokenLookup("'HI'", 2, c).Paths, (std::vector<Path>{{"Strings", "'HI'"}}));
    EXPECT_EQ(PlanTokenLookup("\"A%%B%%%\"", 2, c).Paths,
              (std::vector<Path>{{"Variable %%strings%%%", "\"A%%B%%%\""}}));
    c.Language = 0;
    EXPECT_EQ(PlanTokenLookup("'HI'", 2, c).Paths.at(0).at(0), CategoryCaption(CatString, 0));
}

TEST(TokenLookup, QualifiedNamesTryTheFieldFirstThenThePartClickedOn) {
    TokenLookupContext c;
    c.SortLocals = false;
    c.StructureName = "entry LP_X";
    c.StructureKind = 2;
    TokenLookupPlan plan = PlanTokenLookup("ORDNR.ORDER", 2, c);
    ASSERT_GE(plan.Paths.size(), 2U);
    EXPECT_EQ(plan.Paths[0], (Path{"Entities and Fields", "Entity ORDER", "ORDNR.ORDER"}));
    EXPECT_EQ(plan.Paths[1], (Path{"Entries", "ORDNR"}));
    plan = PlanTokenLookup("ORDNR.ORDER", 8, c);  // clicked on the entity part
    EXPECT_EQ(plan.Paths[1], (Path{"Entries", "ORDER"}));
    plan = PlanTokenLookup("$1.X", 1, c);
    EXPECT_EQ(plan.Paths.back(), (Path{"Register ($1-$99)", "$1"}));
    EXPECT_FALSE(plan.BeepWhenNoneFound);
}

TEST(TokenLookup, DollarsAndNumbersGoToTheirCategoriesOnly) {
    const TokenLookupContext c;
    auto only = [&c](const std::string& token) {
        const TokenLookupPlan plan = PlanTokenLookup(token, 1, c);
        EXPECT_FALSE(plan.BeepWhenNoneFound) << token;
        return plan.Paths.size() == 1 ? plan.Paths[0] : Path{};
    };
    EXPECT_EQ(only("$$USER"), (Path{"$$Global variables", "$$USER"}));
    EXPECT_EQ(only("$DIRTY$"), (Path{"$Component variables$", "$DIRTY$"}));
    EXPECT_EQ(only("$1"), (Path{"Register ($1-$99)", "$1"}));
    EXPECT_EQ(only("$12"), (Path{"Register ($1-$99)", "$12"}));
    EXPECT_EQ(only("$1A"), (Path{"$System function", "$1A"}));
    EXPECT_EQ(only("$STATUS"), (Path{"$System function", "$STATUS"}));
    EXPECT_EQ(only("-11"), (Path{"Numbers", "-11"}));
    EXPECT_EQ(only("42"), (Path{"Numbers", "42"}));
}

TEST(TokenLookup, NamesRunThroughTheChainEndingWithEntityFieldsAndABeep) {
    TokenLookupContext c;
    c.StructureName = "entry LP_SUM";
    c.StructureKind = 2;
    c.SortLocals = true;
    c.EntityCaptions = {"ORDER", "ORDERLINE"};
    TokenLookupPlan plan = PlanTokenLookup("AMOUNT", 2, c);
    EXPECT_TRUE(plan.BeepWhenNoneFound);
    EXPECT_EQ(plan.Paths, (std::vector<Path>{
                              {"Entries", "AMOUNT"},
                              {"Entities and Fields", "Entity AMOUNT"},
                              {"Commands", "AMOUNT"},
                              {"Other variable", "AMOUNT"},
                              {"Text", "AMOUNT"},
                              {"Entries", "LP_SUM", "Parameters", "AMOUNT"},
                              {"Entries", "LP_SUM", "Local variables", "AMOUNT"},
                              {"Entities and Fields", "Entity ORDER", "AMOUNT.ORDER"},
                              {"Entities and Fields", "Entity ORDERLINE", "AMOUNT.ORDERLINE"},
                          }));
    // Triggers, and everything without SortLocals, keep the groups by structure.
    c.StructureName = "<EXEC>";
    c.StructureKind = 1;
    plan = PlanTokenLookup("AMOUNT", 2, c);
    EXPECT_EQ(plan.Paths[5], (Path{"Parameters", "<EXEC>", "AMOUNT"}));
    EXPECT_EQ(plan.Paths[6], (Path{"Local variables", "<EXEC>", "AMOUNT"}));
    c.StructureName = "operation SAVE";
    c.StructureKind = 3;
    plan = PlanTokenLookup("AMOUNT", 2, c);
    EXPECT_EQ(plan.Paths[5], (Path{"Operations", "SAVE", "Parameters", "AMOUNT"}));
    EXPECT_TRUE(PlanTokenLookup("", 1, c).Paths.empty());
}

TEST(CopiedText, SelectionsKeepTheListingsCaseAndJoinLinesWithCrLf) {
    const ListingLines lines = {
        Numbered(1, ' ', "IF (A = \"Mixed\")"),
        Numbered(2, '1', "   CALL LP_X ; Note"),
        Numbered(3, '1', "ENDIF"),
        "",
    };
    // From character 5 of line 0 to character 3 of line 2.
    EXPECT_EQ(SelectionCopyText(lines, 0, 4, 2, 3, Indent),
              "(A = \"Mixed\")\r\n    CALL LP_X ; Note\r\nEND");
    EXPECT_EQ(SelectionCopyText(lines, 1, 5, 1, 8, Indent), "CALL");
    EXPECT_EQ(SelectionCopyText(lines, 1, 5, 1, 9998, Indent), "CALL LP_X ; Note");
    EXPECT_EQ(SelectionCopyText(lines, 2, 1, 3, 0, Indent), "ENDIF\r\n");  // empty last line
    EXPECT_EQ(SelectionCopyText(lines, 3, 1, 3, 5, Indent), "");
    EXPECT_EQ(SelectionCopyText(lines, 0, 1, 0, 0, Indent), "");
    // Without indentation the text starts where the listing has it.
    EXPECT_EQ(SelectionCopyText(lines, 1, 1, 1, 7, IndentSettings{false, 4}), "   CALL");
}

TEST(Breakpoints, NameTheEntryOrTheTriggerAndTheLineNumberWithinTheTrigger) {
    const ListingLines lines = {
        "Trigger <EXEC> from Form: ORDERS",
        "EXEC_ORDERS..",
        Numbered(1, ' ', "call LP_X()"),
        "******        entry LP_X",
        Numbered(17, ' ', "return (0)"),
        "",
    };
    const StructureStartList starts = {0, 0, 3};
    EXPECT_EQ(BreakpointCommand(lines, starts, 2, 4), "br LP_X:17");
    EXPECT_EQ(BreakpointCommand(lines, starts, 1, 2), "br EXEC_ORDERS:1");
    EXPECT_EQ(BreakpointCommand(lines, starts, 2, 5), "br LP_X:");  // no number on the line
    EXPECT_EQ(BreakpointCommand(lines, starts, 9, 99), "br :");
}

TEST(FindInListing, WrapsAtBothEndsAndExaminesTheStartLast) {
    const ListingLines lines = {
        "Trigger <EXEC> from Form: ORDERS",
        Numbered(1, ' ', "V_TOTAL = 1"),
        Numbered(2, ' ', "call LP_Total()"),
        Numbered(3, ' ', "return (0)"),
    };
    EXPECT_EQ(FindInListing(lines, 3 + 1, true, "TOTAL", false), 1);   // from past the end
    EXPECT_EQ(FindInListing(lines, 2 + 1, true, "TOTAL", false), 1);   // wraps to line 0 on
    EXPECT_EQ(FindInListing(lines, 1 - 1, false, "LP_", false), 2);   // up from line 0
    EXPECT_EQ(FindInListing(lines, -1, false, "RETURN", false), 3);   // up past the start
    EXPECT_EQ(FindInListing(lines, 3, true, "RETURN", false), 3);     // found only where it starts
    EXPECT_EQ(FindInListing(lines, 0, true, "LP_Total", true), 2);
    EXPECT_EQ(FindInListing(lines, 0, true, "LP_TOTAL", true), -1);
    // The number columns of a listing line are not searched.
    EXPECT_EQ(FindInListing(lines, 0, true, "3", false), -1);
    EXPECT_EQ(FindInListing(lines, 0, true, "NOWHERE", false), -1);
    EXPECT_EQ(FindInListing({}, 0, true, "A", false), -1);
}
