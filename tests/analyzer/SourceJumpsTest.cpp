#include <string>
#include <vector>

#include "AnalysisTestSupport.h"
#include "analyzer/LineModel.h"
#include "analyzer/SourceJumps.h"
#include "analyzer/Vocabulary.h"

namespace lumorca::test {
namespace {

TEST(ControlStructureJumps, CaseOffersItsSelectCase) {
    EXPECT_EQ(GotoMenuEntries("case").at(1).Item, GotoItem::SelectCase);
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

}  // namespace
}  // namespace lumorca::test
