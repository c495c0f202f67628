#include "analyzer/SymbolTable.h"

#include <functional>

namespace lumorca {

SymbolIndex::SymbolIndex(const std::vector<Symbol>& symbols)
    : symbols_(symbols), positions_(0, Hash{&symbols}, Equal{&symbols}) {}

size_t SymbolIndex::Hash::operator()(const SymbolKeyView& key) const {
    size_t h = std::hash<std::string_view>()(key.Name);
    const uint64_t header = (uint64_t{key.Category} << 56) ^ (uint64_t{key.Value3} << 32) ^ key.Value2;
    // Mixes the header in so that equal names of other categories part.
    h ^= static_cast<size_t>(header * 0x9E3779B97F4A7C15ull) + (h << 6) + (h >> 2);
    return h;
}

uint32_t SymbolIndex::Find(const SymbolKeyView& key) const {
    const auto it = positions_.find(key);
    return it == positions_.end() ? kNone : *it;
}

uint32_t SymbolIndex::Insert(uint32_t position) {
    return *positions_.insert(position).first;
}

void SymbolIndex::Erase(const SymbolKey& key) {
    const auto it = positions_.find(View(key));
    if (it != positions_.end()) positions_.erase(it);
}

void SymbolIndex::Release() {
    Positions(0, Hash{&symbols_}, Equal{&symbols_}).swap(positions_);
}

}  // namespace lumorca
