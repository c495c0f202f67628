#include <gtest/gtest.h>

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

TEST(ControlStructureJumps, CaseOffersItsSelectCase) {
    EXPECT_EQ(GotoMenuEntries("case").at(1).Item, GotoItem::SelectCase);
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

}  // namespace
}  // namespace lumorca::test
