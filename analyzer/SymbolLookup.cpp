#include "analyzer/SymbolLookup.h"

#include <string>

#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

// The node that holds a symbol's node: its group, or the group itself for an
// entity named as such.
const TreeNode* GroupOf(const TreeNode* node) {
    if (node == nullptr) return nullptr;
    if (node->Role == NodeRole::Group) return node;
    return node->Parent != nullptr && node->Parent->Role == NodeRole::Group ? node->Parent : nullptr;
}

}  // namespace

int32_t FindSymbol(const AnalysisResult& analysis, int category, std::string_view name, int32_t owner) {
    // The table holds names as the listing is read: upper-cased.
    const std::string key = UpperCase(name);
    const bool local = category == CatLocalVar || category == CatParameter;
    const std::vector<Symbol>& symbols = analysis.Symbols;
    for (size_t i = 0; i < symbols.size(); ++i) {
        const Symbol& symbol = symbols[i];
        if (symbol.Key.Category != category || symbol.Key.Name != key) continue;
        if (local && OwnerStructure(symbol) != owner) continue;
        return static_cast<int32_t>(i);
    }
    return -1;
}

const TreeNode* FindLocalsGroup(const AnalysisResult& analysis, int category, int32_t structure) {
    if (category != CatLocalVar && category != CatParameter) return nullptr;
    const std::vector<Symbol>& symbols = analysis.Symbols;
    for (size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i].Key.Category == category && OwnerStructure(symbols[i]) == structure)
            return GroupOf(analysis.XRef.NodeOfSymbol(i));
    }
    return nullptr;
}

const TreeNode* FindEntityGroup(const AnalysisResult& analysis, std::string_view entity) {
    const std::string wanted = UpperCase(entity);
    const std::vector<std::string>& entities = analysis.EntityNames;
    size_t index = 0;
    while (index < entities.size() && UpperCase(entities[index]) != wanted) ++index;
    if (index == entities.size()) return nullptr;
    const std::vector<Symbol>& symbols = analysis.Symbols;
    for (size_t i = 0; i < symbols.size(); ++i) {
        if (symbols[i].Key.Category == CatField && symbols[i].Key.Value2 == index)
            return GroupOf(analysis.XRef.NodeOfSymbol(i));
    }
    return nullptr;
}

const TreeNode* FindXRefTarget(const AnalysisResult& analysis, const XRefTarget& target) {
    if (target.EntityGroup) return FindEntityGroup(analysis, target.Name);
    const int32_t symbol = FindSymbol(analysis, target.Category, target.Name, target.Owner);
    return symbol < 0 ? nullptr : analysis.XRef.NodeOfSymbol(static_cast<size_t>(symbol));
}

}  // namespace lumorca
