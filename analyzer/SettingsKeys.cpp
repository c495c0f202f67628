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

enum class ValueKind { Bool, Number, List, Text };

constexpr SettingRange kBoolRange{0, 1};
constexpr SettingRange kAnyNumber{std::numeric_limits<int32_t>::min(),
                                  std::numeric_limits<int32_t>::max()};

// Every key of section "Options". A key without a field is one only the
// program's windows read: checked, then ignored.
struct KeyInfo {
    std::string_view Name;
    ValueKind Kind;
    SettingRange Range = kBoolRange;
    bool AnalysisSettings::*Bool = nullptr;
    int AnalysisSettings::*Number = nullptr;
    std::vector<std::string> AnalysisSettings::*List = nullptr;
};

using S = AnalysisSettings;
constexpr ValueKind kBool = ValueKind::Bool;
constexpr ValueKind kNumber = ValueKind::Number;

const KeyInfo kKeys[] = {
    {"Language", kNumber, {0, 1}, nullptr, &S::Language},
    {"ProcListingDir", ValueKind::Text},
    {"AskToSave", kBool},
    {"AutoReload", kBool},
    {"Ignore ERRF", kBool, kBoolRange, &S::IgnoreERRF},
    {"List $Status", kBool, kBoolRange, &S::ListStatus},
    {"List $Result", kBool, kBoolRange, &S::ListResult},
    {"TryToMerge", kBool, kBoolRange, &S::TryToMerge},
    {"IgnoreEmptyLines", kBool, kBoolRange, &S::IgnoreEmptyLines},
    {"ServiceWarnings", kBool, kBoolRange, &S::ServiceWarnings},
    {"MarkInvalidParams", kBool, kBoolRange, &S::MarkInvalidParams},
    {"MarkVarStrings", kBool, kBoolRange, &S::MarkVarStrings},
    {"MarkSuspEntries", kBool, kBoolRange, &S::MarkSuspEntries},
    {"MarkSuspCompVars", kBool, kBoolRange, &S::MarkSuspCompVars},
    {"MarkSuspLocalVars", kBool, kBoolRange, &S::MarkSuspLocalVars},
    {"MarkSuspLabel", kBool, kBoolRange, &S::MarkSuspLabel},
    {"MarkSuspEntriesEx", ValueKind::List, {}, nullptr, nullptr, &S::MarkSuspEntriesEx},
    {"MarkSuspCompVarsEx", ValueKind::List, {}, nullptr, nullptr, &S::MarkSuspCompVarsEx},
    {"MarkSuspLocalVarsEx", ValueKind::List, {}, nullptr, nullptr, &S::MarkSuspLocalVarsEx},
    {"MarkSuspLabelEx", ValueKind::List, {}, nullptr, nullptr, &S::MarkSuspLabelEx},
    {"SameWindowColor", kBool},
    {"SameWindowFont", kBool},
    {"AutoSize", kBool},
    {"SouceSize 2x", kBool},
    {"SortLocals", kBool, kBoolRange, &S::SortLocals},
    {"How2ShowXRef", kNumber, {0, 2}, nullptr, &S::How2ShowXRef},
    {"ExpandCallTree", kBool, kBoolRange, &S::ExpandCallTree},
    {"ListDuplcateCalls", kBool, kBoolRange, &S::ListDuplicateCalls},
    {"ListLibraryCalls", kBool, kBoolRange, &S::ListLibraryCalls},
    {"SortCalls", kNumber, {0, 1}, nullptr, &S::SortCalls},
    {"Indent", kNumber, kAnyNumber, nullptr, &S::Indent},
    {"AutoIndent", kBool, kBoolRange, &S::AutoIndent},
    {"DisplayLineNrTotal", kBool, kBoolRange, &S::DisplayLineNrTotal},
    {"DisplayLineNrTrigger", kBool, kBoolRange, &S::DisplayLineNrTrigger},
    {"DisplayContinueFlag", kBool, kBoolRange, &S::DisplayContinueFlag},
    {"Lowercase", kBool, kBoolRange, &S::Lowercase},
    {"NonPropFont", kBool},
    {"ColorZnrAbs", kNumber, kAnyNumber},
    {"ColorZnrTrigger", kNumber, kAnyNumber},
    {"ColorContinue", kNumber, kAnyNumber},
    {"ColorSource", kNumber, kAnyNumber},
    {"ColorSourceComment", kNumber, kAnyNumber},
    {"ColorSourceNames", kNumber, kAnyNumber},
    {"ColorSourceCommands", kNumber, kAnyNumber},
    {"ColorSourceGold", kNumber, kAnyNumber},
    {"ColorSourceErrors", kNumber, kAnyNumber},
    {"ColorSourceWarnings", kNumber, kAnyNumber},
    {"ColorSourceInfos", kNumber, kAnyNumber},
    {"ColorSourceActiveLine", kNumber, kAnyNumber},
    {"ColorSourceMarked", kNumber, kAnyNumber},
};

const KeyInfo* FindKey(std::string_view key) {
    for (const KeyInfo& info : kKeys) {
        if (Is(key, info.Name)) return &info;
    }
    return nullptr;
}

bool InRange(int32_t value, SettingRange range) { return value >= range.Low && value <= range.High; }

std::string AllowedValues(const KeyInfo& info) {
    const SettingRange r = info.Range;
    if (r.High == r.Low + 1) return std::to_string(r.Low) + " or " + std::to_string(r.High);
    return "a whole number from " + std::to_string(r.Low) + " to " + std::to_string(r.High);
}

}  // namespace

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
    const KeyInfo* info = FindKey(key);
    if (info == nullptr || (info->Kind != kBool && info->Kind != kNumber)) return std::nullopt;
    return info->Range;
}

std::optional<std::string> CheckSettingValue(std::string_view key, std::string_view value) {
    const KeyInfo* info = FindKey(key);
    if (info == nullptr || info->Kind == ValueKind::List || info->Kind == ValueKind::Text) return std::nullopt;
    const auto number = ParseNumber(value);
    if (number && InRange(*number, info->Range)) return std::nullopt;
    return AllowedValues(*info);
}

bool ApplySettingKey(AnalysisSettings& s, std::string_view key, std::string_view value) {
    const KeyInfo* info = FindKey(key);
    if (info == nullptr) return false;
    const AnalysisSettings factory;
    const auto number = ParseNumber(value);
    if (info->Bool != nullptr) {
        s.*info->Bool = number ? *number != 0 : factory.*info->Bool;
    } else if (info->Number == &AnalysisSettings::Language) {
        // Only the two languages are taken; anything else changes nothing.
        const int language = number ? *number : factory.Language;
        if (InRange(language, info->Range)) s.Language = language;
    } else if (info->Number != nullptr) {
        s.*info->Number = (number && InRange(*number, info->Range)) ? *number : factory.*info->Number;
    } else if (info->List != nullptr) {
        s.*info->List = SplitSettingList(value);
    }
    return true;
}

}  // namespace lumorca
