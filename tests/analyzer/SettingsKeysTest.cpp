#include <gtest/gtest.h>

#include <variant>

#include "../CaseFile.h"
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

// A field of the analysis settings by the key that fills it, lists joined by ",".
std::string FieldText(const AnalysisSettings& s, const std::string& key) {
    if (key == "WarningsOnly") return std::to_string(s.WarningsOnly);
    for (const SettingKey& row : SettingKeys()) {
        if (row.Name != key) continue;
        return std::visit(
            [&s](auto field) -> std::string {
                if constexpr (std::is_same_v<decltype(field), std::monostate>) {
                    return "none";
                } else if constexpr (std::is_same_v<decltype(field), List S::*>) {
                    std::string text;
                    for (const std::string& item : s.*field) text += (text.empty() ? "" : ",") + item;
                    return text;
                } else {
                    return std::to_string(s.*field);
                }
            },
            row.Analysis);
    }
    return "no key " + key;
}

// Cases in tests/data/setting-keys.txt, applied one after the other to the same settings.
TEST(SettingsKeys, ValuesAsTheStoreReadsThem) {
    AnalysisSettings s;
    test::ExpectResults(test::LoadCases("setting-keys.txt").at(0), [&s](const List& a) {
        const bool accepted = ApplySettingKey(s, a[0], a[1]);
        return (accepted ? "" : "refused ") + FieldText(s, a[2]);
    });
}

}  // namespace
}  // namespace lumorca
