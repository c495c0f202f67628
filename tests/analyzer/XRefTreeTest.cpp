// The cross-reference tree: merging of plain field names, grouping,
// captions, reference captions and the regrouping of locals.

#include <algorithm>
#include <chrono>
#include <type_traits>

#include "AnalysisTestSupport.h"
#include "analyzer/Vocabulary.h"
#include "texts/Texts.h"

namespace lumorca::test {
namespace {

// A const tree hands out const nodes only; the builder gets mutable ones.
static_assert(std::is_same_v<decltype(std::declval<const Tree&>().Roots()[0]), const TreeNode*>);
static_assert(std::is_same_v<decltype(*std::declval<const TreeNode&>().Children.begin()),
                             const TreeNode* const&>);
static_assert(std::is_same_v<decltype(Tree::NextInOrder(std::declval<const TreeNode*>(),
                                                        std::declval<const Tree&>())),
                             const TreeNode*>);
static_assert(std::is_same_v<decltype(std::declval<Tree&>().Roots()[0]), TreeNode*>);

class FieldMerging : public ::testing::TestWithParam<DataCase> {};

// Cases in tests/data/field-merging.txt.
TEST_P(FieldMerging, MovesPlainNamesToTheirEntities) {
    const std::vector<Names>& parts = GetParam().Parts;
    ExpectRefLines(Analyse(parts.at(0), SettingsOf(parts.at(1))), parts.at(2));
}

INSTANTIATE_TEST_SUITE_P(Listings, FieldMerging, ::testing::ValuesIn(LoadCases("field-merging.txt")), CaseName);

// Line and trigger captions are in the golden dumps; the entry caption is not.
TEST(XRefCaptions, ReferenceCaptionsCanNameTheEntry) {
    AnalysisSettings settings;
    settings.How2ShowXRef = 2;
    const Analysed two = Analyse({TriggerTitle("EXEC", "Form", "F"), Header("entry LP_X"), "A = 1"}, settings);
    EXPECT_EQ(ChildCaptions(XRef(two, {"Other variable", "a"})),
              (std::vector<std::string>{"   3 entry LP_X [2]"}));
}

// German captions are in a golden dump; the popup is not.
TEST(XRefCaptions, PopupItemsAreTheCategoriesAndFind) {
    AnalysisSettings settings;
    settings.Language = LanguageGerman;
    const Analysed a = Analyse({TriggerTitle("EXEC", "Form", "F"), "V = $1"}, settings);
    EXPECT_EQ(XRefPopupCaptions(a.Result.XRef, LanguageGerman),
              (Names{"Register ($1-$99)", "Andere Variable", "-", "&Suchen"}));
    // The tree holds no captions of the language it was made in.
    EXPECT_EQ(XRefPopupCaptions(a.Result.XRef, LanguageEnglish),
              (Names{"Register ($1-$99)", "Other variable", "-", "&Find"}));
}

TEST(XRefCaptions, UnknownCategoryIsUnderConstruction) {
    Tree xref;
    TreeNode* root = xref.Add(nullptr, "Form F");
    xref.AddWithRecord(root, "", 5, NodeRecord{-1, -1, 30}, NodeRole::Category);
    EXPECT_EQ(XRefCaption(*root->Children.at(0), LanguageEnglish), "(Under heavy construction)");
    Tree empty;
    EXPECT_TRUE(XRefPopupCaptions(empty, LanguageEnglish).empty());
}

std::vector<std::string> LocalsListing() {
    return {TriggerTitle("EXEC", "Form", "F"),
            "CALL LP_X(1)",
            Header("entry LP_X"), "params", "numeric P : IN", "endparams",
            "variables", "string V", "endvariables", "V = P",
            Header("operation OP"), "params", "string Q : OUT", "endparams",
            "Q = 1"};
}

TEST(ArrangeLocals, GroupsMoveUnderTheirEntryAndBack) {
    Analysed a = Analyse(LocalsListing());
    Tree& xref = a.Result.XRef;
    // Sorted in: the groups hang under the entry, local variables first.
    EXPECT_EQ(ChildCaptions(XRef(a, {"Entries", "lp_x"})),
              (std::vector<std::string>{"Local variables", "Parameters", "   2 <EXEC> from Form: F [1]",
                                        "   3 entry LP_X"}));
    const TreeNode* group = XRef(a, {"Entries", "lp_x", "Parameters"});
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Image, 6);
    EXPECT_FALSE(group->HasRecord);
    EXPECT_EQ(ChildCaptions(XRef(a, {"Operations", "op"})),
              (std::vector<std::string>{"Parameters", "  11 operation OP"}));
    EXPECT_TRUE(XRef(a, {"Parameters"})->Children.empty());

    ArrangeLocals(xref, false);
    EXPECT_EQ(ChildCaptions(XRef(a, {"Parameters"})), (std::vector<std::string>{"Entry lp_x", "Operation op"}));
    EXPECT_EQ(ChildCaptions(XRef(a, {"Local variables"})), (std::vector<std::string>{"Entry lp_x"}));
    TreeNode* entry = xref.NodeOfSymbol(static_cast<size_t>(FindSymbol(a.Result, CatEntry, "lp_x")));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Children.size(), 2u);

    // Groups are known by what they are, not by their captions.
    xref.ForEach([](TreeNode* node) {
        if (node->Role == NodeRole::Category || node->Role == NodeRole::Group) node->Caption = "?";
    });
    ArrangeLocals(xref, true);
    EXPECT_TRUE(FindCategory(xref, CatParameter)->Children.empty());
    EXPECT_TRUE(FindCategory(xref, CatLocalVar)->Children.empty());
    EXPECT_EQ(ChildCaptions(entry).front(), "Local variables");
    ArrangeLocals(xref, false);
    EXPECT_EQ(FindCategory(xref, CatParameter)->Children.size(), 2u);
    EXPECT_EQ(entry->Children.size(), 2u);
}

TEST(XRefTree, LocalsOfMoreStructuresThanTheOldKeyHeldStayApart) {
    // 44,800 structures and more: the first entry's local must not be
    // confused with the one of entry 44,801.
    std::vector<std::string> body = {TriggerTitle("EXEC", "Form", "F"), Header("entry LP_0"), "variables",
                                     "string X", "endvariables"};
    for (int i = 1; i <= 44800; ++i) body.push_back(Header("entry E" + std::to_string(i)));
    body.insert(body.end(), {"variables", "string X", "endvariables"});
    const Analysed a = Analyse(body);
    ASSERT_EQ(a.Result.StructureStarts.size(), 44803u);
    for (const auto& [entry, structure] : {std::make_pair("lp_0", 2), std::make_pair("e44800", 44802)}) {
        const TreeNode* local = XRef(a, {"Entries", entry, "Local variables", "x"});
        ASSERT_NE(local, nullptr) << entry;
        ASSERT_EQ(local->Children.size(), 1u) << entry;
        EXPECT_EQ(local->Children.at(0)->Record.StructureIndex, structure);
    }
}

}  // namespace
}  // namespace lumorca::test

namespace lumorca::test {
namespace {

std::vector<std::string> EntriesWithAParameter(int entries) {
    std::vector<std::string> body{TriggerTitle("LPMX", "Form", "F"), "; entries"};
    for (int i = 0; i < entries; ++i) {
        const std::string n = std::to_string(i);
        body.insert(body.end(), {Header("entry LP_" + n), "params", "numeric P_" + n + " : IN",
                                 "endparams", "return (P_" + n + ")"});
    }
    return body;
}

// Fastest of some regroupings of the parameter groups into their entries.
double RegroupSeconds(int entries) {
    AnalysisSettings settings;
    settings.SortLocals = false;
    Analysed a = Analyse(EntriesWithAParameter(entries), settings);
    double best = 1e9;
    for (int round = 0; round < 20; ++round) {
        const auto start = std::chrono::steady_clock::now();
        ArrangeLocals(a.Result.XRef, true);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        EXPECT_TRUE(XRef(a, {"Parameters"})->Children.empty());
        ArrangeLocals(a.Result.XRef, false);
    }
    return best;
}

TEST(ArrangeLocals, ManyEntriesRegroupInLinearTime) {
    // Small enough to stay in the processor's cache, where the time of a
    // linear pass grows with the entries alone.
    const int entries = 100;
    const double few = RegroupSeconds(entries);
    const double many = RegroupSeconds(8 * entries);
    // Linear gives 8 times the time, quadratic 64: the bound sits between,
    // so that a busy machine's noise does not decide.
    EXPECT_LE(many, 24 * few) << few << " s for " << entries << " entries, " << many << " s for 8 times as many";
}

}  // namespace
}  // namespace lumorca::test
