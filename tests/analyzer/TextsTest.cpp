#include <gtest/gtest.h>

#include "texts/Texts.h"

namespace lumorca {
namespace {

constexpr int De = LanguageGerman;
constexpr int En = LanguageEnglish;

TEST(Texts, EntriesInBothLanguages) {
    EXPECT_EQ(Text(0, De), "&Datei");
    EXPECT_EQ(Text(0, En), "&File");
    EXPECT_EQ(Text(53, De), "Lesezeichen");
    EXPECT_EQ(Text(53, En), "Bookmark");
    EXPECT_EQ(Text(109, De),
              "Sind Sie sicher, dass die Optionen\r\nauf die Standardwerte zur\xFC"
              "ckgesetzt werden sollen ?");
    EXPECT_EQ(Text(109, En), "Are you sure to reset the options\r\nback to the default options ?");
    EXPECT_EQ(Text(176, De), "Trigger / Entry / Operation Namen");
    EXPECT_EQ(Text(176, En), "Trigger / Entry && Operation names");
    EXPECT_EQ(Text(191, De), "Bugreporte, Anregungen und R\xFC" "ckfragen bitte an:");
    EXPECT_EQ(Text(191, En), "Please send bug reports, ideas and questions to:");
}

TEST(Texts, LatinOneBytesQuotesAndBackslashes) {
    EXPECT_EQ(Text(1, De), "&\xD6" "ffnen");
    EXPECT_EQ(Text(24, De), "&\xDC" "ber");
    EXPECT_EQ(Text(31, De), "Entit\xE4ten und Felder");
    EXPECT_EQ(Text(150, De), "Fenstergr\xF6\xDF" "e");
    EXPECT_EQ(Text(77, En), "Show/Hide row with line continue mark %\\");
    EXPECT_EQ(Text(169, De), "Fortsetzungszeichen %\\");
    EXPECT_EQ(Text(79, De), "Sourcecode in Schriftart \"Courier New\" anzeigen");
    EXPECT_EQ(Text(40, En), "Variable %%strings%%%");
    EXPECT_EQ(Text(89, En), "Coudn't read file %s");
    EXPECT_EQ(Text(91, De), "Code ist kein Corvane-Listing");
    EXPECT_EQ(Text(91, En), "Code is not an Corvane listing");
}

TEST(Texts, TrailingBlanksBelongToTheText) {
    EXPECT_EQ(Text(86, De), "Proc-Listing speichern ? ");
    EXPECT_EQ(Text(87, En), "Reopen file %s ? ");
    EXPECT_EQ(Text(152, En), "Size source 2x ");
    EXPECT_EQ(Text(152, De), "Sourcefenster 2x Gr\xF6\xDF" "e");
}

TEST(Texts, EntriesBeyondTheOriginalTable) {
    EXPECT_EQ(Text(192, De), "Einstellungen konnten nicht in %s gespeichert werden.");
    EXPECT_EQ(Text(192, En), "Couldn't save the settings to %s");
    EXPECT_EQ(Text(193, De), "Datei %s konnte nicht geschrieben werden.");
    EXPECT_EQ(Text(193, En), "Couldn't write file %s");
    EXPECT_EQ(Text(194, De), "Suchen nach:");
    EXPECT_EQ(Text(194, En), "Find what:");
    EXPECT_EQ(Text(195, De), "Gro\xDF-/Kleinschreibung beachten");
    EXPECT_EQ(Text(195, En), "Match case");
    EXPECT_EQ(Text(196, De), "Richtung");
    EXPECT_EQ(Text(196, En), "Direction");
    EXPECT_EQ(Text(197, De), "Aufw\xE4rts");
    EXPECT_EQ(Text(197, En), "Up");
    EXPECT_EQ(Text(198, De), "Abw\xE4rts");
    EXPECT_EQ(Text(198, En), "Down");
    EXPECT_EQ(Text(199, De), "Weitersuchen");
    EXPECT_EQ(Text(199, En), "Find Next");
    EXPECT_EQ(Text(200, De), "Abbrechen");
    EXPECT_EQ(Text(200, En), "Cancel");
    EXPECT_EQ(Text(201, De), "Aufrufgraph speichern...");
    EXPECT_EQ(Text(201, En), "Save call graph...");
    EXPECT_EQ(Text(202, De), "Das Listing %s wurde auf dem Datentr\xE4ger ge\xE4ndert.");
    EXPECT_EQ(Text(202, En), "The listing %s has changed on disk.");
    EXPECT_EQ(Text(203, De), "Neu laden");
    EXPECT_EQ(Text(203, En), "Reload");
    EXPECT_EQ(Text(204, De), "Ge\xE4nderte Listings automatisch neu laden");
    EXPECT_EQ(Text(204, En), "Reload changed listings automatically");
    EXPECT_EQ(Text(205, De), "Das Listing %s wurde gel\xF6scht oder umbenannt.");
    EXPECT_EQ(Text(205, En), "The listing %s was deleted or renamed.");
}

TEST(Texts, EveryEntryExistsAndUnknownOnesAreEmpty) {
    for (int n = 0; n < TextCount; ++n) {
        EXPECT_FALSE(Text(n, De).empty()) << n;
        EXPECT_FALSE(Text(n, En).empty()) << n;
        // Plain text only: no stray UTF-8 sequences from an editor.
        for (unsigned char c : Text(n, De)) EXPECT_FALSE(c == 0xC3 || c == 0xC2) << n;
    }
    EXPECT_EQ(Text(-1, En), "");
    EXPECT_EQ(Text(TextCount, En), "");
    EXPECT_EQ(Text(0, 2), "");
    EXPECT_EQ(Text(0, -1), "");
}

}  // namespace
}  // namespace lumorca
