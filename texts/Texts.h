#pragma once
// The bilingual text table: entry n in German (language 0) or English (1).
// Texts are Latin-1 byte strings, like the listing itself.
#include <string>

namespace lumorca {

constexpr int TextCount = 206;  // entries 0..191 of the table, 192.. added later
constexpr int LanguageGerman = 0;
constexpr int LanguageEnglish = 1;

// Entry n in the given language; an empty string for an unknown entry.
const std::string& Text(int entry, int language);

}  // namespace lumorca
