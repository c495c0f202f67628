#include "analyzer/SettingsKeys.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "analyzer/LineModel.h"

namespace lumorca {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<int32_t> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool Is(std::string_view key, std::string_view name) {
    return key.size() == name.size() && CompareNoCase(key, name) == 0;
}

const SettingKey* FindKey(std::string_view key) {
    for (const SettingKey& info : SettingKeys()) {
        if (Is(key, info.Name)) return &info;
    }
    return nullptr;
}

bool IsNumeric(SettingKind kind) {
    return kind == SettingKind::Bool || kind == SettingKind::Number || kind == SettingKind::Color;
}

bool InRange(int32_t value, SettingRange range) { return value >= range.Low && value <= range.High; }

std::string AllowedValues(const SettingKey& info) {
    const SettingRange r = info.Range;
    if (r.High == r.Low + 1) return std::to_string(r.Low) + " or " + std::to_string(r.High);
    return "a whole number from " + std::to_string(r.Low) + " to " + std::to_string(r.High);
}

}  // namespace

const std::vector<SettingKey>& SettingKeys() {
#define LUMORCA_SETTING_KEY(key, member, kind, factory, range, analysis, control) \
    {key, SettingKind::kind, factory, range, analysis},
    static const std::vector<SettingKey> keys{LUMORCA_OPTION_SETTINGS(LUMORCA_SETTING_KEY)};
#undef LUMORCA_SETTING_KEY
    return keys;
}

std::vector<std::string> SplitSettingList(std::string_view text) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) items.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

std::optional<SettingRange> RangeOfSetting(std::string_view key) {
    const SettingKey* info = FindKey(key);
    if (info == nullptr || !IsNumeric(info->Kind)) return std::nullopt;
    return info->Range;
}

std::optional<std::string> CheckSettingValue(std::string_view key, std::string_view value) {
    const SettingKey* info = FindKey(key);
    if (info == nullptr || !IsNumeric(info->Kind)) return std::nullopt;
    const auto number = ParseNumber(value);
    if (number && InRange(*number, info->Range)) return std::nullopt;
    return AllowedValues(*info);
}

bool ApplySettingKey(AnalysisSettings& s, std::string_view key, std::string_view value) {
    const SettingKey* info = FindKey(key);
    if (info == nullptr) return false;
    const auto number = ParseNumber(value);
    const int factory = static_cast<int>(info->Default);
    if (const auto* flag = std::get_if<bool AnalysisSettings::*>(&info->Analysis)) {
        s.**flag = number ? *number != 0 : factory != 0;
    } else if (const auto* field = std::get_if<int AnalysisSettings::*>(&info->Analysis)) {
        const int wanted = number ? *number : factory;
        if (*field == &AnalysisSettings::Language) {
            // Only the two languages are taken; anything else changes nothing.
            if (InRange(wanted, info->Range)) s.Language = wanted;
        } else {
            s.**field = (number && InRange(*number, info->Range)) ? *number : factory;
        }
    } else if (const auto* list = std::get_if<std::vector<std::string> AnalysisSettings::*>(&info->Analysis)) {
        s.**list = SplitSettingList(value);
    }
    return true;
}

}  // namespace lumorca
