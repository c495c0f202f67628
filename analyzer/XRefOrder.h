#pragma once
// Sort orders of the symbol table and of the structure tree.
#include <cstdint>
#include <string>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/SymbolKey.h"

namespace lumorca {

struct TreeNode;

// Structure names by index, each computed once.
class StructureNameCache {
public:
    StructureNameCache(const ListingLines& lines, const StructureStartList& starts)
        : lines_(lines), starts_(starts) {}
    const std::string& Name(int32_t index);

private:
    const ListingLines& lines_;
    const StructureStartList& starts_;
    std::vector<std::string> names_;
    std::vector<bool> known_;
};

// Negative, 0 or positive: the order of the cross-reference symbols.
int CompareXRefKeys(const SymbolKey& a, const SymbolKey& b, StructureNameCache& names,
                    const std::vector<std::string>& entityNames);

// Order of siblings in the structure tree: triggers first, then by caption.
int CompareStructureNodes(const TreeNode* a, const TreeNode* b);

}  // namespace lumorca
