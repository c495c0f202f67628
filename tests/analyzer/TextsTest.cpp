#include <gtest/gtest.h>

#include "texts/Texts.h"

namespace lumorca {
namespace {

// Entries whose bytes are easy to get wrong: Latin-1 letters, quotes,
// backslashes, "%" runs, trailing blanks, the entries added to the table.
TEST(Texts, EntriesKeepTheirExactBytesInBothLanguages) {
    const std::tuple<int, int, const char*> entries[] = {
        {0, LanguageEnglish, "&File"}, {1, LanguageGerman, "&\xD6" "ffnen"},
        {150, LanguageGerman, "Fenstergr\xF6\xDF" "e"},
        {77, LanguageEnglish, "Show/Hide row with line continue mark %\\"},
        {79, LanguageGerman, "Sourcecode in Schriftart \"Courier New\" anzeigen"},
        {40, LanguageEnglish, "Variable %%strings%%%"}, {89, LanguageEnglish, "Coudn't read file %s"},
        {109, LanguageEnglish, "Are you sure to reset the options\r\nback to the default options ?"},
        {176, LanguageEnglish, "Trigger / Entry && Operation names"}, {86, LanguageGerman, "Proc-Listing speichern ? "},
        {152, LanguageEnglish, "Size source 2x "}, {195, LanguageGerman, "Gro\xDF-/Kleinschreibung beachten"},
        {205, LanguageEnglish, "The listing %s was deleted or renamed."},
    };
    for (const auto& [number, language, text] : entries) EXPECT_EQ(Text(number, language), text) << number;
}

TEST(Texts, EveryEntryExistsAndUnknownOnesAreEmpty) {
    for (int n = 0; n < TextCount; ++n) {
        EXPECT_FALSE(Text(n, LanguageGerman).empty()) << n;
        EXPECT_FALSE(Text(n, LanguageEnglish).empty()) << n;
        // Plain text only: no stray UTF-8 sequences from an editor.
        for (unsigned char c : Text(n, LanguageGerman)) EXPECT_FALSE(c == 0xC3 || c == 0xC2) << n;
    }
    EXPECT_EQ(Text(-1, LanguageEnglish), "");
    EXPECT_EQ(Text(TextCount, LanguageEnglish), "");
    EXPECT_EQ(Text(0, 2), "");
    EXPECT_EQ(Text(0, -1), "");
}

}  // namespace
}  // namespace lumorca
