#include "ListingText.h"

namespace lumorca::gui::test {

std::string Numbered(int number, char level, const std::string& text) {
    constexpr size_t NumberWidth = 6;
    constexpr size_t TextColumn = 14;
    std::string prefix = std::to_string(number);
    prefix.insert(0, NumberWidth - prefix.size(), ' ');
    prefix += ' ';
    prefix += level;
    prefix.resize(TextColumn, ' ');
    return prefix + text;
}

}  // namespace lumorca::gui::test
