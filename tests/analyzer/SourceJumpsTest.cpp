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

TEST(ControlStructureJumps, CaseOffersItsSelectCase) {
    EXPECT_EQ(GotoMenuEntries("case").at(1).Item, GotoItem::SelectCase);
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
