#pragma once
// Finding a symbol, and the nodes of the cross-reference tree that show it,
// by what it is: its category and its name as the source writes it. Nothing
// here reads a caption, so a look-up works in any language.
#include <cstdint>
#include <string>
#include <string_view>

#include "analyzer/Analysis.h"

namespace lumorca {

// Position in the analysis' symbols of the symbol of `category` named `name`
// in any case; of a local variable or parameter, the one of structure
// `owner`. -1 when there is none.
int32_t FindSymbol(const AnalysisResult& analysis, int category, std::string_view name, int32_t owner = -1);

// The group of the local variables (CatLocalVar) or parameters
// (CatParameter) of a structure, wherever the locals are arranged; null when
// the structure has none.
const TreeNode* FindLocalsGroup(const AnalysisResult& analysis, int category, int32_t structure);

// The group of an entity's fields (any case); null when the listing names
// none of them.
const TreeNode* FindEntityGroup(const AnalysisResult& analysis, std::string_view entity);

// One place a name may be shown at: a symbol, or the group of an entity's
// fields.
struct XRefTarget {
    int Category = 0;
    std::string Name;          // the symbol's name, or the entity's
    bool EntityGroup = false;
    int32_t Owner = -1;        // the structure of a local variable or parameter
};
// The node of a target; null when the listing has no such symbol.
const TreeNode* FindXRefTarget(const AnalysisResult& analysis, const XRefTarget& target);

}  // namespace lumorca
