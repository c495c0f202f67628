#pragma once
// The symbol table of one running analysis: symbols in order of creation,
// each with its references, and the index that finds a symbol by its key.
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "analyzer/Symbol.h"
#include "analyzer/SymbolKey.h"

namespace lumorca {

// A key as looked for: the name is a view, no string is made.
struct SymbolKeyView {
    uint8_t Category = 0;
    uint32_t Value2 = 0;
    uint32_t Value3 = 0;
    std::string_view Name;
};

// Positions in a symbol list, found by key. Hash and equality read the
// keys in the list itself, so each name is held once. A key of a listed
// symbol must not change while its position is in the index.
class SymbolIndex {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    explicit SymbolIndex(const std::vector<Symbol>& symbols);
    SymbolIndex(const SymbolIndex&) = delete;
    SymbolIndex& operator=(const SymbolIndex&) = delete;

    uint32_t Find(const SymbolKeyView& key) const;
    uint32_t Find(const SymbolKey& key) const { return Find(View(key)); }
    // Adds `position`; when a symbol with its key is listed already, adds
    // nothing and returns that one's position.
    uint32_t Insert(uint32_t position);
    void Erase(const SymbolKey& key);
    void Clear() { positions_.clear(); }
    void Reserve(size_t count) { positions_.reserve(count); }
    // Clears and gives the memory back.
    void Release();

    static SymbolKeyView View(const SymbolKey& key) {
        return SymbolKeyView{key.Category, key.Value2, key.Value3, key.Name};
    }

private:
    struct Hash {
        using is_transparent = void;
        const std::vector<Symbol>* Symbols;
        size_t operator()(const SymbolKeyView& key) const;
        size_t operator()(uint32_t position) const { return (*this)(View((*Symbols)[position].Key)); }
    };
    struct Equal {
        using is_transparent = void;
        const std::vector<Symbol>* Symbols;
        static bool Same(const SymbolKeyView& a, const SymbolKeyView& b) {
            return a.Category == b.Category && a.Value2 == b.Value2 && a.Value3 == b.Value3 && a.Name == b.Name;
        }
        SymbolKeyView At(uint32_t position) const { return View((*Symbols)[position].Key); }
        bool operator()(uint32_t a, uint32_t b) const { return Same(At(a), At(b)); }
        bool operator()(const SymbolKeyView& a, uint32_t b) const { return Same(a, At(b)); }
        bool operator()(uint32_t a, const SymbolKeyView& b) const { return Same(At(a), b); }
    };
    using Positions = std::unordered_set<uint32_t, Hash, Equal>;

    const std::vector<Symbol>& symbols_;
    Positions positions_;
};

}  // namespace lumorca
