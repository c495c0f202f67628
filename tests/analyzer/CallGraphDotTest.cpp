#include <gtest/gtest.h>

#include "analyzer/CallGraphDot.h"

namespace lumorca {
namespace {

// Triggers and entries of a small listing, with the tree the analysis would
// build for it: LP_A called from the trigger and from LP_B, LP_B never
// called, LP_GONE called but not defined.
class CallGraph : public ::testing::Test {
protected:
    ListingLines lines = {
        "Trigger <EXEC> from Form: \"ORD\"ERS",  // 0
        "=====",                                 // 1
        "     1        call LP_A()",             // 2
        "     2        call LP_GONE(1)",         // 3
        "******        entry LP_A",              // 4
        "     4        return",                  // 5
        "******        entry LP_B",              // 6
        "     6        call LP_A(1)",            // 7
        "******        partner operation GET",   // 8
    };
    StructureStartList starts = {0, 0, 4, 6, 8};
    Tree xref;

    void SetUp() override {
        TreeNode* root = xref.Add(nullptr, "Form X", 0);
        TreeNode* ops = xref.AddWithRecord(root, "Operations", 5, {-1, -1, 1}, NodeRole::Category);
        TreeNode* get = xref.AddWithRecord(ops, "get", 6, {-1, -1, 0}, NodeRole::Symbol);
        xref.AddWithRecord(get, "8", 4, {4, 8, 24}, NodeRole::Reference);
        TreeNode* entries = xref.AddWithRecord(root, "Entries", 5, {-1, -1, 2}, NodeRole::Category);
        TreeNode* a = xref.AddWithRecord(entries, "lp_a", 6, {-1, -1, 0}, NodeRole::Symbol);
        xref.AddWithRecord(a, "2", 10, {1, 2, 26}, NodeRole::Reference);
        xref.AddWithRecord(a, "4", 4, {2, 4, 25}, NodeRole::Reference);
        TreeNode* wrong = xref.AddWithRecord(a, "7", 10, {3, 7, 26}, NodeRole::Reference);
        wrong->StateImage = StateImageWarning;
        a->StateImage = StateImageWarning;
        TreeNode* b = xref.AddWithRecord(entries, "lp_b", 6, {-1, -1, 0}, NodeRole::Symbol);
        b->StateImage = StateImageWarning;
        xref.AddWithRecord(b, "6", 4, {3, 6, 25}, NodeRole::Reference);
        TreeNode* gone = xref.AddWithRecord(entries, "lp_gone", 6, {-1, -1, 0}, NodeRole::Symbol);
        gone->StateImage = StateImageWarning;
        xref.AddWithRecord(gone, "3", 10, {1, 3, 26}, NodeRole::Reference);
    }

    std::string Dot(const std::vector<int32_t>* kept = nullptr) {
        CallGraphInput input;
        input.XRef = &xref;
        input.Lines = &lines;
        input.Starts = &starts;
        input.KeptLines = kept;
        return CallGraphDot(input);
    }
};

TEST_F(CallGraph, NodesByKindEdgesByCallLine) {
    const std::string dot = Dot();
    EXPECT_EQ(dot,
              "digraph calls {\n"
              "  node [fontsize=10];\n"
              "  edge [fontsize=9];\n"
              "  s1 [label=\"Trigger <EXEC> from Form: \\\"ORD\\\"ERS\", shape=box];\n"
              "  s2 [label=\"entry LP_A\", shape=ellipse, color=red, fontcolor=red];\n"
              "  s3 [label=\"entry LP_B\", shape=ellipse, color=red, fontcolor=red];\n"
              "  s4 [label=\"operation GET\", shape=hexagon];\n"
              "  u1 [label=\"LP_GONE\", shape=ellipse, style=dashed, color=red, fontcolor=red];\n"
              "  s1 -> s2 [label=\"3\"];\n"
              "  s3 -> s2 [label=\"8\", color=red, fontcolor=red];\n"
              "  s1 -> u1 [label=\"4\"];\n"
              "}\n");
}

TEST_F(CallGraph, EdgeLabelsAreLinesOfTheFileAsRead) {
    const std::vector<int32_t> kept = {0, 1, 3, 5, 6, 8, 9, 12, 13};
    const std::string dot = Dot(&kept);
    EXPECT_NE(dot.find("s1 -> s2 [label=\"4\"]"), std::string::npos);
    EXPECT_NE(dot.find("s3 -> s2 [label=\"13\""), std::string::npos);
}

}  // namespace
}  // namespace lumorca
