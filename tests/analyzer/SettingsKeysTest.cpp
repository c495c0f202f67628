#include <gtest/gtest.h>

#include "analyzer/SettingsKeys.h"

namespace lumorca {
namespace {

using List = std::vector<std::string>;

// The table's factory values are the ones the analysis starts from, so a
// key applied with a value that is no number gives the same as no key.
TEST(SettingsKeys, FactoryValuesAreTheAnalysisDefaults) {
    const AnalysisSettings factory;
    for (const SettingKey& key : SettingKeys()) {
        if (const auto* flag = std::get_if<bool AnalysisSettings::*>(&key.Analysis)) {
            EXPECT_EQ(factory.**flag, key.Default != 0) << key.Name;
        } else if (const auto* number = std::get_if<int AnalysisSettings::*>(&key.Analysis)) {
            EXPECT_EQ(factory.**number, key.Default) << key.Name;
        }
    }
}

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

struct ValueCheck {
    const char* Key;
    const char* Value;
    std::optional<std::string> Allowed;  // nothing: valid
};

class SettingValues : public ::testing::TestWithParam<ValueCheck> {};

TEST_P(SettingValues, CheckedAgainstWhatTheKeyAllows) {
    EXPECT_EQ(CheckSettingValue(GetParam().Key, GetParam().Value), GetParam().Allowed);
}

const std::string kAnyNumber = "a whole number from -2147483648 to 2147483647";

INSTANTIATE_TEST_SUITE_P(
    SettingsKeys, SettingValues,
    ::testing::Values(ValueCheck{"TryToMerge", "1", {}}, ValueCheck{"tRYtOmERGE", " 0 ", {}},
                      ValueCheck{"TryToMerge", "yes", "0 or 1"}, ValueCheck{"TryToMerge", "2", "0 or 1"},
                      ValueCheck{"AskToSave", "", "0 or 1"}, ValueCheck{"Language", "7", "0 or 1"},
                      ValueCheck{"How2ShowXRef", "-1", "a whole number from 0 to 2"},
                      ValueCheck{"How2ShowXRef", "2", {}}, ValueCheck{"SortCalls", "7", "0 or 1"},
                      ValueCheck{"Indent", "abc", kAnyNumber}, ValueCheck{"Indent", "-3", {}},
                      ValueCheck{"Indent", "99999999999999999999", kAnyNumber},
                      ValueCheck{"ColorSource", "0x10", kAnyNumber}, ValueCheck{"ColorSource", "255", {}},
                      ValueCheck{"MarkSuspEntriesEx", ";;x", {}}, ValueCheck{"ProcListingDir", "C:\\a", {}},
                      ValueCheck{"NoSuchKey", "x", {}}),
    // Names that do not depend on where the values lie in memory.
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(SettingsKeys, RangesForEveryReaderOfTheStore) {
    const auto range = [](std::string_view key) {
        const auto r = RangeOfSetting(key);
        return r ? std::to_string(r->Low) + ".." + std::to_string(r->High) : "none";
    };
    EXPECT_EQ(range("Language"), "0..1");
    EXPECT_EQ(range("how2showxref"), "0..2");
    EXPECT_EQ(range("SortCalls"), "0..1");
    EXPECT_EQ(range("AutoSize"), "0..1");
    EXPECT_EQ(range("MarkSuspLabelEx"), "none");
    EXPECT_EQ(range("Nothing"), "none");
}

}  // namespace
}  // namespace lumorca
