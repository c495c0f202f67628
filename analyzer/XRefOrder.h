#pragma once
// Sort orders of the symbol table and of the structure tree.
#include <cstdint>
#include <string>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/StructureRecord.h"
#include "analyzer/SymbolKey.h"

namespace lumorca {

struct TreeNode;

// Negative, 0 or positive: the order of the cross-reference symbols.
int CompareXRefKeys(const SymbolKey& a, const SymbolKey& b, const StructureList& structures,
                    const std::vector<std::string>& entityNames);

// Order of siblings in the structure tree: triggers first, then by caption.
int CompareStructureNodes(const TreeNode* a, const TreeNode* b);

}  // namespace lumorca
