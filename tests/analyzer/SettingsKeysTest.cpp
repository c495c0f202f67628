#include <gtest/gtest.h>

#include "analyzer/SettingsKeys.h"

namespace lumorca {
namespace {

using List = std::vector<std::string>;

TEST(SettingsKeys, StoredKeysAsSpelledInTheStore) {
    AnalysisSettings s;
    EXPECT_TRUE(ApplySettingKey(s, "List $Status", "0"));
    EXPECT_FALSE(s.ListStatus);
    EXPECT_TRUE(ApplySettingKey(s, "Ignore ERRF", "1"));
    EXPECT_TRUE(s.IgnoreERRF);
    EXPECT_TRUE(ApplySettingKey(s, "ListDuplcateCalls", "0"));
    EXPECT_FALSE(s.ListDuplicateCalls);
    EXPECT_TRUE(ApplySettingKey(s, "List $Result", "0"));
    EXPECT_FALSE(s.ListResult);
    EXPECT_TRUE(ApplySettingKey(s, "TryToMerge", "0"));
    EXPECT_FALSE(s.TryToMerge);
    EXPECT_TRUE(ApplySettingKey(s, "Indent", "7"));
    EXPECT_EQ(s.Indent, 7);
    // Field names that differ from the stored key are not keys.
    EXPECT_FALSE(ApplySettingKey(s, "ListDuplicateCalls", "0"));
    EXPECT_FALSE(ApplySettingKey(s, "IgnoreERRF", "1"));
    EXPECT_FALSE(ApplySettingKey(s, "ListStatus", "0"));
    EXPECT_FALSE(ApplySettingKey(s, "", "0"));
    EXPECT_FALSE(ApplySettingKey(s, "WarningsOnly", "1"));
    EXPECT_FALSE(s.WarningsOnly);
}

TEST(SettingsKeys, KeysCompareWithoutCase) {
    AnalysisSettings s;
    EXPECT_TRUE(ApplySettingKey(s, "list $status", "0"));
    EXPECT_FALSE(s.ListStatus);
    EXPECT_TRUE(ApplySettingKey(s, "IGNOREEMPTYLINES", "1"));
    EXPECT_TRUE(s.IgnoreEmptyLines);
}

TEST(SettingsKeys, NumbersAsTheStoreReadsThem) {
    AnalysisSettings s;
    EXPECT_TRUE(ApplySettingKey(s, "ServiceWarnings", "2"));  // any number but 0 is true
    EXPECT_TRUE(s.ServiceWarnings);
    EXPECT_TRUE(ApplySettingKey(s, "ServiceWarnings", " 0 "));
    EXPECT_FALSE(s.ServiceWarnings);
    // Text that is no number gives the factory value, not the previous one.
    EXPECT_TRUE(ApplySettingKey(s, "ServiceWarnings", "no"));
    EXPECT_TRUE(s.ServiceWarnings);
    EXPECT_TRUE(ApplySettingKey(s, "IgnoreEmptyLines", "1"));
    EXPECT_TRUE(ApplySettingKey(s, "IgnoreEmptyLines", ""));
    EXPECT_FALSE(s.IgnoreEmptyLines);
    EXPECT_TRUE(ApplySettingKey(s, "Indent", "3x"));
    EXPECT_EQ(s.Indent, 4);
    EXPECT_TRUE(ApplySettingKey(s, "Indent", "99999999999"));
    EXPECT_EQ(s.Indent, 4);
    EXPECT_TRUE(ApplySettingKey(s, "Indent", "-2"));
    EXPECT_EQ(s.Indent, -2);
}

TEST(SettingsKeys, RangesOfLanguageAndChoices) {
    AnalysisSettings s;
    EXPECT_TRUE(ApplySettingKey(s, "Language", "0"));
    EXPECT_EQ(s.Language, 0);
    EXPECT_TRUE(ApplySettingKey(s, "Language", "5"));  // ignored
    EXPECT_EQ(s.Language, 0);
    EXPECT_TRUE(ApplySettingKey(s, "Language", "1"));
    EXPECT_EQ(s.Language, 1);

    EXPECT_TRUE(ApplySettingKey(s, "How2ShowXRef", "0"));
    EXPECT_EQ(s.How2ShowXRef, 0);
    EXPECT_TRUE(ApplySettingKey(s, "How2ShowXRef", "3"));
    EXPECT_EQ(s.How2ShowXRef, 2);
    EXPECT_TRUE(ApplySettingKey(s, "How2ShowXRef", "-1"));
    EXPECT_EQ(s.How2ShowXRef, 2);
    EXPECT_TRUE(ApplySettingKey(s, "SortCalls", "1"));
    EXPECT_EQ(s.SortCalls, 1);
    EXPECT_TRUE(ApplySettingKey(s, "SortCalls", "2"));
    EXPECT_EQ(s.SortCalls, 0);
}

TEST(SettingsKeys, ListsSplitAtSemicolons) {
    AnalysisSettings s;
    EXPECT_TRUE(ApplySettingKey(s, "MarkSuspEntriesEx", "LP_*;;INIT;"));
    EXPECT_EQ(s.MarkSuspEntriesEx, (List{"LP_*", "INIT"}));
    EXPECT_TRUE(ApplySettingKey(s, "MarkSuspEntriesEx", ""));
    EXPECT_TRUE(s.MarkSuspEntriesEx.empty());
    EXPECT_TRUE(ApplySettingKey(s, "MarkSuspLabelEx", ";A B;"));
    EXPECT_EQ(s.MarkSuspLabelEx, (List{"A B"}));
    EXPECT_TRUE(ApplySettingKey(s, "MarkSuspCompVarsEx", "$X$"));
    EXPECT_EQ(s.MarkSuspCompVarsEx, (List{"$X$"}));
    EXPECT_TRUE(ApplySettingKey(s, "MarkSuspLocalVarsEx", "*TMP*;V_;"));
    EXPECT_EQ(s.MarkSuspLocalVarsEx, (List{"*TMP*", "V_"}));
    EXPECT_EQ(SplitSettingList(";;;"), List{});
}

TEST(SettingsKeys, WindowKeysAreAcceptedAndChangeNothing) {
    AnalysisSettings s;
    for (const char* key : {"AskToSave", "AutoReload", "SouceSize 2x", "ColorSourceMarked",
                            "ProcListingDir", "NonPropFont"}) {
        EXPECT_TRUE(ApplySettingKey(s, key, "0")) << key;
    }
    const AnalysisSettings factory;
    EXPECT_EQ(s.Language, factory.Language);
    EXPECT_EQ(s.Lowercase, factory.Lowercase);
    EXPECT_EQ(s.AutoIndent, factory.AutoIndent);
}

}  // namespace
}  // namespace lumorca
