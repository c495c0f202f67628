#pragma once
// A symbol of the cross-reference table with its references: what the
// cross-reference tree, the findings and the call trees are built from.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/SymbolKey.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

// One use of a symbol: the structure and analysed line it is in, and how
// it is used (RefDefinition, RefFunctionCall, ...).
struct ReferenceRecord {
    int32_t StructureIndex = 0;
    int32_t Line = 0;
    uint8_t Kind = 0;
};

struct Symbol {
    SymbolKey Key;  // category (CatEntry, ...) and name as the table holds it
    std::vector<ReferenceRecord> Refs;
};

// The structure a local variable or parameter belongs to; -1 for others.
inline int32_t OwnerStructure(const Symbol& symbol) {
    const int category = symbol.Key.Category;
    return category == CatLocalVar || category == CatParameter ? static_cast<int32_t>(KeyNumber(symbol.Key)) : -1;
}

// The entity of a field among the analysis' entity names; empty for others.
inline std::string_view EntityOf(const Symbol& symbol, const std::vector<std::string>& entityNames) {
    if (symbol.Key.Category != CatField || symbol.Key.Value2 >= entityNames.size()) return {};
    return entityNames[symbol.Key.Value2];
}

}  // namespace lumorca
