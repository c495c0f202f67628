#include "analyzer/SymbolKey.h"

#include "analyzer/Vocabulary.h"

namespace lumorca {

SymbolKey MakeSymbolKey(std::string_view name) {
    SymbolKey key;
    key.Name.assign(name);
    return key;
}

uint32_t KeyValue(const SymbolKey& key, int position) {
    if (position == 1) return key.Category;
    if (position == 2) return key.Value2;
    if (position == 3) return key.Value3;
    return 0;
}

void SetKeyValue(SymbolKey& key, int position, uint32_t value) {
    if (position == 1) key.Category = static_cast<uint8_t>(value);
    if (position == 2) key.Value2 = value;
    if (position == 3) key.Value3 = value;
}

namespace {

std::string_view RegisterDigits(std::string_view name) {
    size_t p = (!name.empty() && name[0] == '$') ? 1 : 0;
    const size_t start = p;
    while (p < name.size() && name[p] >= '0' && name[p] <= '9') ++p;
    std::string_view digits = name.substr(start, p - start);
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

}  // namespace

int CompareRegisterValues(std::string_view a, std::string_view b) {
    // Hexadecimal digits 0-9 order like decimal ones: more significant
    // digits mean a larger number, equal lengths compare digit by digit.
    const std::string_view x = RegisterDigits(a);
    const std::string_view y = RegisterDigits(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool KeyByteLess(const SymbolKey& a, const SymbolKey& b) {
    if (a.Category != b.Category) return a.Category < b.Category;
    if (a.Category == CatRegister) {
        const int c = CompareRegisterValues(a.Name, b.Name);
        if (c != 0) return c < 0;
    } else if (a.Value2 != b.Value2) {
        return a.Value2 < b.Value2;
    }
    if (a.Value3 != b.Value3) return a.Value3 < b.Value3;
    return a.Name < b.Name;
}

std::string KeyTraceText(const SymbolKey& key) {
    std::string out;
    out.push_back(static_cast<char>(key.Category + 32));
    if (key.Category == CatLocalVar || key.Category == CatParameter) {
        out.push_back(static_cast<char>(key.Value2 / 200 + 32));
        out.push_back(static_cast<char>(key.Value2 % 200 + 32));
    } else {
        out.push_back(static_cast<char>(key.Value2 + 32));
        out.push_back(static_cast<char>(key.Value3 + 32));
    }
    out += "  ";
    out += key.Name;
    return out;
}

}  // namespace lumorca
