// The findings of a listing are exactly the warning marks of its
// cross-reference tree: every marked symbol has a finding naming it, every
// finding names a marked symbol, every marked call is an argument-count
// finding on its line.
#include <gtest/gtest.h>

#include <set>

#include "analyzer/Analysis.h"
#include "analyzer/Findings.h"
#include "analyzer/LineModel.h"
#include "analyzer/ListingReader.h"
#include "analyzer/Vocabulary.h"
#include "bench/ListingGenerator.h"

namespace lumorca {
namespace {

struct Marks {
    std::set<std::string> Symbols;    // upper-case names of marked symbols
    std::set<int32_t> CallLines;      // 1-based lines of marked references
    std::set<int32_t> MessageLines;   // 1-based lines of compiler messages
};

void CollectMarks(const TreeNode* node, int category, Marks& marks) {
    for (const TreeNode* child : node->Children) {
        const bool reference = child->HasRecord && child->Record.Line >= 0;
        const bool symbol = child->HasRecord && child->Record.Line < 0;
        if (reference) {
            if (child->StateImage == 1) marks.CallLines.insert(child->Record.Line + 1);
            if (category == CatMessage) marks.MessageLines.insert(child->Record.Line + 1);
            continue;
        }
        if (symbol && child->StateImage == 1) marks.Symbols.insert(UpperCase(child->Caption));
        CollectMarks(child, category, marks);
    }
}

Marks TreeMarks(const Tree& xref) {
    Marks marks;
    for (const TreeNode* category : xref.FirstRoot()->Children) {
        CollectMarks(category, category->HasRecord ? category->Record.Kind : 0, marks);
    }
    return marks;
}

Marks FindingMarks(const std::vector<Finding>& findings) {
    Marks marks;
    for (const Finding& finding : findings) {
        if (finding.Rule.rfind("listing-", 0) == 0) {
            marks.MessageLines.insert(finding.Line);
        } else {
            marks.Symbols.insert(finding.Symbol);
        }
        if (finding.Rule == "argument-count") marks.CallLines.insert(finding.Line);
    }
    return marks;
}

void ExpectAgreement(ListingLines lines, const AnalysisSettings& settings, const std::string& what,
                     bool expectMarks) {
    const AnalysisResult result = AnalyzeListing(lines, settings);
    ASSERT_FALSE(result.Empty()) << what;
    FindingsInput input;
    input.XRef = &result.XRef;
    input.Lines = &lines;
    input.Settings = &settings;
    const std::vector<Finding> findings = CollectFindings(input);
    const Marks tree = TreeMarks(result.XRef);
    const Marks found = FindingMarks(findings);
    if (expectMarks) {
        EXPECT_FALSE(tree.Symbols.empty()) << what;
    }
    EXPECT_EQ(found.Symbols, tree.Symbols) << what;
    EXPECT_EQ(found.CallLines, tree.CallLines) << what;
    EXPECT_EQ(found.MessageLines, tree.MessageLines) << what;
    for (size_t i = 1; i < findings.size(); ++i) {
        ASSERT_LE(findings[i - 1].Line, findings[i].Line) << what;
    }
}

std::vector<AnalysisSettings> SettingsVariants() {
    std::vector<AnalysisSettings> variants(5);
    variants[1].SortLocals = false;
    variants[2].MarkSuspEntries = false;
    variants[2].MarkSuspLocalVarsEx = {"V_*"};
    variants[3].MarkSuspEntriesEx = {"LP_*"};
    variants[3].TryToMerge = false;
    variants[4].WarningsOnly = true;
    return variants;
}

TEST(FindingsAgreement, ExampleListings) {
    for (const char* name : {"/examples/orders.pro", "/tests/data/sample.pro"}) {
        const ListingLines lines = ReadListingFile(std::string(LUMORCA_SOURCE_DIR) + name, 1);
        const std::vector<AnalysisSettings> variants = SettingsVariants();
        for (size_t v = 0; v < variants.size(); ++v) {
            ExpectAgreement(lines, variants[v], name + std::string(", variant ") + std::to_string(v),
                            v == 0);
        }
    }
}

TEST(FindingsAgreement, GeneratedListings) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        bench::ListingShape shape;
        shape.Lines = 3000;
        shape.Seed = seed;
        const ListingLines lines = SplitFileText(bench::GenerateListing(shape));
        const std::vector<AnalysisSettings> variants = SettingsVariants();
        for (size_t v = 0; v < variants.size(); ++v) {
            ExpectAgreement(lines, variants[v],
                            "seed " + std::to_string(seed) + ", variant " + std::to_string(v),
                            v == 0);
        }
    }
}

}  // namespace
}  // namespace lumorca
