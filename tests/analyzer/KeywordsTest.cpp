#include <gtest/gtest.h>

#include <string>

#include "AnalysisTestSupport.h"
#include "analyzer/Keywords.h"

namespace lumorca {
namespace {

// Cases in tests/data/keywords.txt.
TEST(Keywords, WordsBelongToTheirClassesInUpperCaseOnly) {
    bool (*const classes[])(std::string_view) = {IsStatementKeyword, IsControlKeyword,  IsReservedWord,
                                                 IsHighlightedKeyword, IsFunctionName, IsAggregateFunction};
    const auto cases = test::LoadCases("keywords.txt");
    for (const std::string& line : cases.at(0).Parts.at(0)) {
        const std::string word = line.substr(0, line.find('|'));
        const std::string flags = line.substr(word.size() + 1);
        ASSERT_EQ(flags.size(), std::size(classes)) << line;
        for (size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(classes[i](word), flags[i] != '-') << line << " " << i;
    }
}

}  // namespace
}  // namespace lumorca
