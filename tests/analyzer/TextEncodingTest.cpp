#include <gtest/gtest.h>

#include "analyzer/Dot.h"
#include "analyzer/TextEncoding.h"

namespace lumorca {
namespace {

TEST(TextEncoding, Latin1BytesBecomeTwoByteUtf8) {
    EXPECT_EQ(Latin1ToUtf8("abc"), "abc");
    EXPECT_EQ(Latin1ToUtf8("Gr\xF6\xDF" "e"), "Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(Latin1ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
    EXPECT_EQ(Latin1ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncoding, Utf8Validation) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("Gr\xF6\xDF" "e"));       // Latin-1
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));             // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));         // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));             // cut short
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));     // above U+10FFFF
}

TEST(TextEncoding, FileNamesKeepUtf8AndConvertLatin1) {
    EXPECT_EQ(FileNameToUtf8("b\xC3\xA4r.pro"), "b\xC3\xA4r.pro");
    EXPECT_EQ(FileNameToUtf8("b\xE4r.pro"), "b\xC3\xA4r.pro");
}

TEST(Dot, QuotedStringsEscapeQuotesBackslashesAndBreaks) {
    EXPECT_EQ(DotQuoted("Entry LP_X"), "\"Entry LP_X\"");
    EXPECT_EQ(DotQuoted("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(DotQuoted("a %\\"), "\"a %\\\\\"");
    EXPECT_EQ(DotQuoted("a\r\nb\tc"), "\"a  b c\"");
    EXPECT_EQ(DotQuoted("\xE4"), "\"\xC3\xA4\"");
    EXPECT_EQ(DotQuoted(""), "\"\"");
}

}  // namespace
}  // namespace lumorca
