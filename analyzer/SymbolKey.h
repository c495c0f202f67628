#pragma once
// Key of one symbol of the cross-reference table: category, two header
// values and the name. Locals and parameters keep the whole structure index
// of their declaring structure, so any number of structures stays apart.
#include <cstdint>
#include <string>
#include <string_view>

namespace lumorca {

struct SymbolKey {
    uint8_t Category = 0;
    uint32_t Value2 = 0;  // header position 2 (entity index, severity, sort value)
    uint32_t Value3 = 0;  // header position 3 (1 = qualified field)
    std::string Name;
};

SymbolKey MakeSymbolKey(std::string_view name);
inline const std::string& SymbolKeyName(const SymbolKey& key) { return key.Name; }
inline int KeyCategory(const SymbolKey& key) { return key.Category; }
inline void SetKeyCategory(SymbolKey& key, int category) {
    key.Category = static_cast<uint8_t>(category);
}
// position 2 or 3; other positions hold nothing.
uint32_t KeyValue(const SymbolKey& key, int position);
void SetKeyValue(SymbolKey& key, int position, uint32_t value);
// Structure index of a local variable or parameter.
inline uint32_t KeyNumber(const SymbolKey& key) { return key.Value2; }
inline void SetKeyNumber(SymbolKey& key, uint32_t number) {
    key.Value2 = number;
    key.Value3 = 0;
}

// The order of keys in the table before the final sort: category, header
// values as whole numbers, then the name's bytes.
bool KeyByteLess(const SymbolKey& a, const SymbolKey& b);

// Sort value of a register: the decimal digits after "$" read as a
// hexadecimal number; compared as whole numbers of any length.
int CompareRegisterValues(std::string_view a, std::string_view b);

// Key as the trace shows it: header characters as value + 32, two blanks, name.
std::string KeyTraceText(const SymbolKey& key);

}  // namespace lumorca
