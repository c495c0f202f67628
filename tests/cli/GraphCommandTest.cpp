// lumorca-cli graph: the call graph of a whole listing in DOT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "CliRunner.h"

namespace lumorca::testing {
namespace {

TEST(Graph, CallsOfTheRulesListing) {
    const CliRun run = RunCli({"graph", DataFile("rules.pro")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out.rfind("digraph calls {\n", 0), 0u);
    const std::vector<std::string> lines = SplitLines(run.Out);
    // LP_CALC is marked through its call with a wrong argument count, LP_SAVE
    // is never called, LP_MISSING not defined.
    for (const char* line : {"  s1 [label=\"Trigger <EXEC> from Form: ORDERS\", shape=box];",
                             "  s2 [label=\"entry LP_CALC\", shape=ellipse, color=red, fontcolor=red];",
                             "  s3 [label=\"entry LP_SAVE\", shape=ellipse, color=red, fontcolor=red];",
                             "  u1 [label=\"LP_MISSING\", shape=ellipse, style=dashed, color=red, fontcolor=red];",
                             "  s1 -> s2 [label=\"16\", color=red, fontcolor=red];", "  s1 -> u1 [label=\"17\"];"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

TEST(Graph, GraphvizReadsTheExampleGraph) {
    if (std::system("dot -V > /dev/null 2>&1") != 0) GTEST_SKIP() << "Graphviz not installed";
    ScratchDir dir;
    const CliRun run = RunCli({"graph", std::string(LUMORCA_SOURCE_DIR) + "/examples/orders.pro"});
    ASSERT_EQ(run.Status, 0);
    const std::string dot = dir.Write("orders.dot", run.Out);
    const std::string svg = dir.Path() + "/orders.svg";
    EXPECT_EQ(std::system(("dot -Tsvg '" + dot + "' -o '" + svg + "' 2> /dev/null").c_str()), 0);
    const std::string picture = ReadFileBytes(svg);
    EXPECT_NE(picture.find("<svg"), std::string::npos);
    EXPECT_NE(picture.find("LP_CALC_TOTAL"), std::string::npos);
}

TEST(Graph, UnusableInput) {
    EXPECT_EQ(RunCli({"graph"}).Status, 2);
    EXPECT_EQ(RunCli({"graph", DataFile("rules.pro"), DataFile("clean.pro")}).Status, 2);
    const CliRun run = RunCli({"graph", std::string(LUMORCA_SOURCE_DIR) + "/no/such.pro"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("such.pro"), std::string::npos);
}

}  // namespace
}  // namespace lumorca::testing
