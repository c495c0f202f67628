#include <gtest/gtest.h>

#include "texts/Texts.h"

namespace lumorca {
namespace {

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
