#include <gtest/gtest.h>

#include <variant>

#include "analyzer/SettingsKeys.h"

namespace lumorca {
namespace {

using List = std::vector<std::string>;
using S = AnalysisSettings;

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

struct Step {
    const char* Key;
    const char* Value;
    std::variant<bool S::*, int S::*> Field;
    int Expected;  // the field's value afterwards
    bool Accepted = true;
};

// Applied one after the other to the same settings.
TEST(SettingsKeys, ValuesAsTheStoreReadsThem) {
    const Step steps[] = {
        // Keys as spelled in the store, compared without case.
        {"List $Status", "0", &S::ListStatus, 0}, {"Ignore ERRF", "1", &S::IgnoreERRF, 1},
        {"ListDuplcateCalls", "0", &S::ListDuplicateCalls, 0}, {"List $Result", "0", &S::ListResult, 0},
        {"TryToMerge", "0", &S::TryToMerge, 0}, {"Indent", "7", &S::Indent, 7},
        {"list $status", "1", &S::ListStatus, 1}, {"IGNOREEMPTYLINES", "1", &S::IgnoreEmptyLines, 1},
        // Field names that differ from the stored key are not keys.
        {"ListDuplicateCalls", "1", &S::ListDuplicateCalls, 0, false}, {"IgnoreERRF", "0", &S::IgnoreERRF, 1, false},
        {"ListStatus", "0", &S::ListStatus, 1, false}, {"", "0", &S::ListStatus, 1, false},
        {"WarningsOnly", "1", &S::WarningsOnly, 0, false},
        // Any number but 0 is true; text that is no number gives the factory
        // value, not the previous one.
        {"ServiceWarnings", "2", &S::ServiceWarnings, 1}, {"ServiceWarnings", " 0 ", &S::ServiceWarnings, 0},
        {"ServiceWarnings", "no", &S::ServiceWarnings, 1}, {"IgnoreEmptyLines", "", &S::IgnoreEmptyLines, 0},
        {"Indent", "3x", &S::Indent, 4}, {"Indent", "7", &S::Indent, 7}, {"Indent", "99999999999", &S::Indent, 4},
        {"Indent", "-2", &S::Indent, -2},
        // Out of range: the language keeps its value, the choices take the nearest.
        {"Language", "0", &S::Language, 0}, {"Language", "5", &S::Language, 0}, {"Language", "1", &S::Language, 1},
        {"How2ShowXRef", "0", &S::How2ShowXRef, 0}, {"How2ShowXRef", "3", &S::How2ShowXRef, 2},
        {"How2ShowXRef", "-1", &S::How2ShowXRef, 2}, {"SortCalls", "1", &S::SortCalls, 1},
        {"SortCalls", "2", &S::SortCalls, 0},
        // Window keys are accepted and change nothing here.
        {"AskToSave", "0", &S::Language, 1}, {"AutoReload", "0", &S::Lowercase, S{}.Lowercase},
        {"SouceSize 2x", "0", &S::AutoIndent, S{}.AutoIndent}, {"NonPropFont", "0", &S::Language, 1},
    };
    AnalysisSettings s;
    for (const Step& step : steps) {
        EXPECT_EQ(ApplySettingKey(s, step.Key, step.Value), step.Accepted) << step.Key << "=" << step.Value;
        const int value = std::visit([&s](auto field) { return static_cast<int>(s.*field); }, step.Field);
        EXPECT_EQ(value, step.Expected) << step.Key << "=" << step.Value;
    }
}

TEST(SettingsKeys, ListsSplitAtSemicolons) {
    AnalysisSettings s;
    const std::tuple<const char*, const char*, List S::*, List> lists[] = {
        {"MarkSuspEntriesEx", "LP_*;;INIT;", &S::MarkSuspEntriesEx, {"LP_*", "INIT"}},
        {"MarkSuspEntriesEx", "", &S::MarkSuspEntriesEx, {}},
        {"MarkSuspLabelEx", ";A B;", &S::MarkSuspLabelEx, {"A B"}},
        {"MarkSuspCompVarsEx", "$X$", &S::MarkSuspCompVarsEx, {"$X$"}},
        {"MarkSuspLocalVarsEx", "*TMP*;V_;", &S::MarkSuspLocalVarsEx, {"*TMP*", "V_"}},
    };
    for (const auto& [key, value, field, expected] : lists) {
        EXPECT_TRUE(ApplySettingKey(s, key, value)) << key;
        EXPECT_EQ(s.*field, expected) << key << "=" << value;
    }
    EXPECT_EQ(SplitSettingList(";;;"), List{});
}

}  // namespace
}  // namespace lumorca
