// The analysis' symbols, references and findings as data: the trees and the
// lint run are views of these.
#include "AnalysisTestSupport.h"
#include "analyzer/CallGraphDot.h"

namespace lumorca::test {
namespace {

// "category name [@owner] [.entity] structure/line:kind ..." per symbol.
std::vector<std::string> SymbolLines(const AnalysisResult& r) {
    std::vector<std::string> out;
    for (const Symbol& s : r.Symbols) {
        std::string line = std::to_string(s.Key.Category) + " " + s.Key.Name;
        if (OwnerStructure(s) >= 0) line += " @" + std::to_string(OwnerStructure(s));
        if (!EntityOf(s, r.EntityNames).empty()) line += " ." + std::string(EntityOf(s, r.EntityNames));
        for (const ReferenceRecord& ref : s.Refs)
            line += " " + std::to_string(ref.StructureIndex) + "/" + std::to_string(ref.Line) + ":" +
                    std::to_string(ref.Kind);
        out.push_back(line);
    }
    return out;
}

// Line and kind of every reference node, in tree order.
std::vector<std::pair<int32_t, int>> TreeReferences(const Tree& xref) {
    std::vector<std::pair<int32_t, int>> refs;
    xref.ForEach([&](const TreeNode* node) {
        if (node->Role == NodeRole::Reference) refs.emplace_back(node->Record.Line, node->Record.Kind);
    });
    return refs;
}

const std::vector<std::string> kListing = {
    TriggerTitle("EXEC", "Form", "F"), "call LP_X(1)", "NAME.ORD = 1", Header("entry LP_X"), "params",
    "numeric P : IN", "endparams", "variables", "string V", "endvariables", "V = P", "call LP_Y()",
    TriggerTitle("READ", "Entity", "ORD.M"), "X = NAME.ORD", "ORD = 1", "goto L_Z"};

TEST(SymbolModel, SymbolsCarryTheirReferencesOwnersAndEntitiesInTreeOrder) {
    AnalysisSettings settings;
    settings.SortLocals = false;
    const Analysed a = Analyse(kListing, settings);
    // Kinds: 25 definition, 26 call, 27 declaration, 28 parameter, 1 command,
    // 2 read, 3 write, 6 number, 23 goto.
    EXPECT_EQ(SymbolLines(a.Result),
              (Names{"2 LP_X 1/2:26 2/4:25", "2 LP_Y 2/12:26", "5 V @2 2/9:27 2/11:3", "6 P @2 2/6:28 2/11:2",
                     "7 ORD .ORD 3/16:3", "7 NAME.ORD .ORD 1/3:3 3/15:2", "10 X 3/15:3", "12 L_Z 3/17:23",
                     "13 CALL 1/2:1 2/12:1", "13 GOTO 3/17:1", "19 1 1/2:6 1/3:2 3/16:2"}));
    // The tree shows the same references in the same order.
    std::vector<std::pair<int32_t, int>> modelRefs;
    for (const Symbol& s : a.Result.Symbols)
        for (const ReferenceRecord& ref : s.Refs) modelRefs.emplace_back(ref.Line, ref.Kind);
    EXPECT_EQ(TreeReferences(a.Result.XRef), modelRefs);
}

// Look-ups by what a symbol is give the same nodes however the locals are
// arranged, and every symbol node leads back to its symbol.
class SymbolLookup : public ::testing::TestWithParam<bool> {};

TEST_P(SymbolLookup, FindsSymbolsAndGroupsByIdentity) {
    AnalysisSettings settings;
    settings.SortLocals = GetParam();
    const Analysed a = Analyse(kListing, settings);
    const AnalysisResult& r = a.Result;
    const auto caption = [&r](int32_t symbol) {
        const TreeNode* node = symbol < 0 ? nullptr : r.XRef.NodeOfSymbol(static_cast<size_t>(symbol));
        return node ? node->Caption : "<none>";
    };
    const auto children = [](const TreeNode* group) { return group ? ChildCaptions(group) : Names{"<none>"}; };
    EXPECT_EQ(caption(FindSymbol(r, CatEntry, "lp_x")), "lp_x");
    EXPECT_EQ(caption(FindSymbol(r, CatField, "Name.Ord")), "name.ord");
    EXPECT_EQ(caption(FindSymbol(r, CatLocalVar, "V", 2)), "v");
    EXPECT_EQ(FindSymbol(r, CatLocalVar, "V", 1), -1);  // another structure's
    EXPECT_EQ(FindSymbol(r, CatOtherVar, "LP_X"), -1);
    EXPECT_EQ(children(FindLocalsGroup(r, CatLocalVar, 2)), Names{"v"});
    EXPECT_EQ(children(FindLocalsGroup(r, CatParameter, 2)), Names{"p"});
    EXPECT_EQ(FindLocalsGroup(r, CatLocalVar, 1), nullptr);
    EXPECT_EQ(FindLocalsGroup(r, CatEntry, 2), nullptr);
    // The entity named as such has its references under its group.
    const TreeNode* entity = FindEntityGroup(r, "ord");
    ASSERT_NE(entity, nullptr);
    EXPECT_EQ(entity->Caption, "Entity ORD");
    EXPECT_EQ(entity, FindXRefTarget(r, XRefTarget{CatField, "ORD", false, -1}));
    EXPECT_EQ(FindEntityGroup(r, "NAME"), nullptr);
    for (size_t i = 0; i < r.Symbols.size(); ++i) {
        EXPECT_EQ(r.XRef.SymbolOf(r.XRef.NodeOfSymbol(i)), static_cast<int32_t>(i)) << r.Symbols[i].Key.Name;
    }
    EXPECT_EQ(r.XRef.SymbolOf(FindCategory(r.XRef, CatEntry)), -1);
}

INSTANTIATE_TEST_SUITE_P(Arrangements, SymbolLookup, ::testing::Bool());

// The graph is drawn from the structures, symbols and findings: the tree
// can go. Its text is the command-line golden files'.
TEST(SymbolModel, CallGraphNeedsNoTree) {
    Analysed a = Analyse({TriggerTitle("EXEC", "Form", "F"), "call LP_X(1, 2)", "call LP_Y()",
                          Header("entry LP_X"), "params", "numeric P : IN", "endparams", "call LP_X(3)"});
    const std::string withTree = CallGraphDot(a.Result);
    a.Result.XRef = Tree();
    EXPECT_EQ(CallGraphDot(a.Result), withTree);
    EXPECT_NE(withTree.find("s1 -> s2 [label=\"3\", color=red"), std::string::npos) << withTree;
}

// "line kind name [.entity]" per structure record.
Names StructureLines(const AnalysisResult& r) {
    Names out;
    for (const StructureRecord& s : r.Structures) {
        std::string line = std::to_string(s.Line) + " " + std::to_string(s.Kind) + " " + s.Name;
        if (!s.Entity().empty()) line += " ." + std::string(s.Entity());
        out.push_back(line);
    }
    return out;
}

class StructureRecords : public testing::TestWithParam<DataCase> {};

// Cases in tests/data/structure-records.txt.
TEST_P(StructureRecords, OneRecordPerHeaderWithKindNameAndEntity) {
    const std::vector<Names>& parts = GetParam().Parts;
    EXPECT_EQ(StructureLines(Analyse(parts.at(0), SettingsOf(parts.at(1))).Result), parts.at(2));
}

INSTANTIATE_TEST_SUITE_P(Listings, StructureRecords, testing::ValuesIn(LoadCases("structure-records.txt")),
                         CaseName);

}  // namespace
}  // namespace lumorca::test
