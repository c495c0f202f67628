#include <gtest/gtest.h>

#include "analyzer/Dot.h"
#include "analyzer/TextEncoding.h"

namespace lumorca {
namespace {

TEST(TextEncoding, Latin1BecomesUtf8AndUtf8IsValidated) {
    EXPECT_EQ(Latin1ToUtf8("Gr\xF6\xDF" "e"), "Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(Latin1ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
    EXPECT_EQ(Latin1ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80"));
    // Latin-1, overlong, surrogate, cut short, above U+10FFFF.
    for (const char* bad : {"Gr\xF6\xDF" "e", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
    EXPECT_EQ(FileNameToUtf8("b\xC3\xA4r.pro"), "b\xC3\xA4r.pro");
    EXPECT_EQ(FileNameToUtf8("b\xE4r.pro"), "b\xC3\xA4r.pro");
}

TEST(Dot, QuotedStringsEscapeQuotesBackslashesAndBreaks) {
    EXPECT_EQ(DotQuoted("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(DotQuoted("a %\\"), "\"a %\\\\\"");
    EXPECT_EQ(DotQuoted("a\r\nb\tc"), "\"a  b c\"");
    EXPECT_EQ(DotQuoted("\xE4"), "\"\xC3\xA4\"");
    EXPECT_EQ(DotQuoted(""), "\"\"");
}

}  // namespace
}  // namespace lumorca
