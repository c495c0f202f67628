#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "AnalysisTestSupport.h"
#include "analyzer/LineModel.h"
#include "analyzer/SourceJumps.h"
#include "analyzer/Vocabulary.h"

namespace lumorca::test {
namespace {

using Path = std::vector<std::string>;
const IndentSettings Indent{true, 4};

class ListingSearches : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/listing-searches.txt: a listing, then the calls of the
// function the case is named after.
TEST_P(ListingSearches, FindTheListedLines) {
    const ListingLines& lines = GetParam().Parts.at(0);
    const std::map<std::string, std::function<std::string(const Names&)>> functions = {
        {"FindControlPartner", [&](const Names& a) {
             const bool word = a[1].empty() || std::isalpha(static_cast<unsigned char>(a[1][0]));
             const int kind = word ? ControlWordGotoKind(a[1]) : std::stoi(a[1]);
             return std::to_string(FindControlPartner(lines, std::stoi(a[0]), kind, std::stoi(a[2]), std::stoi(a[3]), Indent));
         }},
        {"FindInListing", [&](const Names& a) {
             return std::to_string(FindInListing(lines, std::stoi(a[0]), a[1] == "down", a[2], a[3] == "case"));
         }},
    };
    const std::string& name = GetParam().Name;
    ExpectResults(DataCase{name, {GetParam().Parts.at(1)}}, functions.at(name.substr(0, name.find('_'))));
}

INSTANTIATE_TEST_SUITE_P(Cases, ListingSearches, ::testing::ValuesIn(LoadCases("listing-searches.txt")), CaseName);

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
TEST_P(TokenLookup, TriesThePathsInOrder) {
    TokenLookupContext c;
    for (const std::string& line : GetParam().Parts.at(0)) {
        const std::string key = line.substr(0, line.find('=')), value = line.substr(key.size() + 1);
        if (key == "FirstToken") c.FirstToken = value;
        if (key == "Language") c.Language = std::stoi(value);
        if (key == "SortLocals") c.SortLocals = value == "1";
        if (key == "StructureName") c.StructureName = value;
        if (key == "StructureKind") c.StructureKind = std::stoi(value);
        for (size_t from = 0; key == "EntityCaptions" && from <= value.size(); from = value.find(',', from) + 1) {
            c.EntityCaptions.push_back(value.substr(from, value.find(',', from) - from));
            if (value.find(',', from) == std::string::npos) break;
        }
    }
    for (const std::string& line : GetParam().Parts.at(1)) {
        const size_t at = line.find('@'), arrow = line.find(" =>");
        const TokenLookupPlan plan = PlanTokenLookup(line.substr(0, at), std::stoi(line.substr(at + 1)), c);
        std::string shown = plan.BeepWhenNoneFound ? "beep: " : "";
        for (const Path& path : plan.Paths) {
            shown += shown.empty() || shown == "beep: " ? "" : " ; ";
            for (const std::string& caption : path) shown += (&caption == &path.front() ? "" : "|") + caption;
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
    const StructureStartList starts = {0, 0, 3};
    EXPECT_EQ(BreakpointCommand(listing, starts, 2, 4), "br LP_X:17");
    EXPECT_EQ(BreakpointCommand(listing, starts, 1, 2), "br EXEC_ORDERS:1");
    EXPECT_EQ(BreakpointCommand(listing, starts, 2, 5), "br LP_X:");  // no number on the line
    EXPECT_EQ(BreakpointCommand(listing, starts, 9, 99), "br :");
}

}  // namespace
}  // namespace lumorca::test
