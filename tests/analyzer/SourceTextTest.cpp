#include <string>

#include "AnalysisTestSupport.h"
#include "analyzer/SourceText.h"

namespace lumorca::test {
namespace {

// Structure views and trigger headers are cases in tests/data/listing-functions.txt.
TEST(SourceLineParts, PlainCharactersAreNoGoldCharacters) { EXPECT_EQ(GoldCharacter('a'), 0); }

class PositionLists : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/position-lists.txt: the capacity, then calls in order on one list.
TEST_P(PositionLists, KeepTheirSlots) {
    TPositionList list(std::stoi(GetParam().Parts.at(0).at(0)));
    ExpectResults(DataCase{GetParam().Name, {GetParam().Parts.at(1)}}, [&list](const Names& a) {
        const auto n = [&a](size_t i) { return std::stoi(a.at(i)); };
        int32_t s = 0, l = 0;
        const auto found = [&](bool ok) { return (ok ? "true " : "false ") + std::to_string(s) + " " + std::to_string(l); };
        if (a[0] == "SetPosition") return std::string(list.SetPosition(n(1), n(2), n(3)) ? "true" : "false");
        if (a[0] == "GetPosition") return found(list.GetPosition(n(1), s, l));
        if (a[0] == "PopPosition") return found(list.PopPosition(s, l));
        if (a[0] == "AddPosition") return std::to_string(list.AddPosition(n(1), n(2)));
        if (a[0] == "FindPosition") return std::to_string(list.FindPosition(n(1), n(2)));
        if (a[0] == "ClearPosition") list.ClearPosition(n(1));
        if (a[0] == "PositionKey") return TPositionList::PositionKey(n(1), n(2));
        return std::to_string(list.Count());
    });
}

INSTANTIATE_TEST_SUITE_P(Lists, PositionLists, ::testing::ValuesIn(LoadCases("position-lists.txt")), CaseName);

}  // namespace
}  // namespace lumorca::test
