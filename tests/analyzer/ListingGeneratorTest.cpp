// The generated listings behind the benchmark and the fuzz corpus: the same
// seed must give the same bytes, or figures and corpus files drift.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "bench/ListingGenerator.h"

namespace lumorca::bench {
namespace {

TEST(ListingGenerator, IsDeterministicSeededAndAboutTheAskedLength) {
    ListingShape shape;
    shape.Lines = 2000;
    const std::string first = GenerateListing(shape);
    EXPECT_EQ(GenerateListing(shape), first);
    shape.Seed = 2;
    EXPECT_NE(GenerateListing(shape), first);
    for (size_t lines : {50u, 20000u}) {
        shape.Lines = lines;
        shape.CrLf = false;
        const std::string text = GenerateListing(shape);
        const size_t count = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
        EXPECT_GE(count, lines);
        EXPECT_LT(count, lines + 400);  // only the last trigger runs over
        EXPECT_EQ(text.rfind("Trigger <", 0), 0u);
    }
}

TEST(ListingGenerator, HoldsTheConstructsTheAnalysisMustHandle) {
    ListingShape shape;
    shape.Lines = 3000;
    const std::string text = GenerateListing(shape);
    for (const char* piece : {"\r\n", "from Form: ORDERS", "from Entity: ", "from Field: ",
                              "******        entry LP_", "operation OPER_", "params\r\n",
                              "endvariables", " : INOUT", "call LP_", "%\\\r\n", "%%%",
                              "selectdb ", " u_where (", "goto L_", "WARNING: ", "#define ",
                              "activate \"", "getlistitems ", "\x1b", "\xc4"}) {
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
    }
}

}  // namespace
}  // namespace lumorca::bench
