#include "analyzer/SettingsKeys.h"

#include <charconv>
#include <cstdint>
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

void ReadBool(bool& field, bool factory, std::string_view value) {
    const auto number = ParseNumber(value);
    field = number ? *number != 0 : factory;
}

void ReadInt(int& field, int factory, std::string_view value, int low, int high) {
    const auto number = ParseNumber(value);
    field = (number && *number >= low && *number <= high) ? *number : factory;
}

bool Is(std::string_view key, std::string_view name) {
    return key.size() == name.size() && CompareNoCase(key, name) == 0;
}

// Keys of the section that only the windows read.
constexpr std::string_view kWindowOnlyKeys[] = {
    "ProcListingDir",      "AskToSave",           "SameWindowFont",      "SameWindowColor",
    "AutoSize",            "SouceSize 2x",        "NonPropFont",         "ColorZnrAbs",
    "ColorZnrTrigger",     "ColorContinue",       "ColorSource",         "ColorSourceComment",
    "ColorSourceNames",    "ColorSourceCommands", "ColorSourceGold",     "ColorSourceErrors",
    "ColorSourceWarnings", "ColorSourceInfos",    "ColorSourceActiveLine", "ColorSourceMarked",
    "AutoReload",
};

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

bool ApplySettingKey(AnalysisSettings& s, std::string_view key, std::string_view value) {
    const AnalysisSettings factory;

    if (Is(key, "Language")) {
        const auto number = ParseNumber(value);
        const int language = number ? *number : factory.Language;
        if (language == 0 || language == 1) s.Language = language;
        return true;
    }

    struct BoolKey {
        std::string_view Name;
        bool AnalysisSettings::*Field;
    };
    static constexpr BoolKey kBoolKeys[] = {
        {"Ignore ERRF", &AnalysisSettings::IgnoreERRF},
        {"List $Status", &AnalysisSettings::ListStatus},
        {"List $Result", &AnalysisSettings::ListResult},
        {"TryToMerge", &AnalysisSettings::TryToMerge},
        {"IgnoreEmptyLines", &AnalysisSettings::IgnoreEmptyLines},
        {"ServiceWarnings", &AnalysisSettings::ServiceWarnings},
        {"MarkInvalidParams", &AnalysisSettings::MarkInvalidParams},
        {"MarkVarStrings", &AnalysisSettings::MarkVarStrings},
        {"MarkSuspEntries", &AnalysisSettings::MarkSuspEntries},
        {"MarkSuspCompVars", &AnalysisSettings::MarkSuspCompVars},
        {"MarkSuspLocalVars", &AnalysisSettings::MarkSuspLocalVars},
        {"MarkSuspLabel", &AnalysisSettings::MarkSuspLabel},
        {"SortLocals", &AnalysisSettings::SortLocals},
        {"ExpandCallTree", &AnalysisSettings::ExpandCallTree},
        {"ListDuplcateCalls", &AnalysisSettings::ListDuplicateCalls},
        {"ListLibraryCalls", &AnalysisSettings::ListLibraryCalls},
        {"AutoIndent", &AnalysisSettings::AutoIndent},
        {"DisplayLineNrTotal", &AnalysisSettings::DisplayLineNrTotal},
        {"DisplayLineNrTrigger", &AnalysisSettings::DisplayLineNrTrigger},
        {"DisplayContinueFlag", &AnalysisSettings::DisplayContinueFlag},
        {"Lowercase", &AnalysisSettings::Lowercase},
    };
    for (const BoolKey& k : kBoolKeys) {
        if (Is(key, k.Name)) {
            ReadBool(s.*k.Field, factory.*k.Field, value);
            return true;
        }
    }

    struct ListKey {
        std::string_view Name;
        std::vector<std::string> AnalysisSettings::*Field;
    };
    static const ListKey kListKeys[] = {
        {"MarkSuspEntriesEx", &AnalysisSettings::MarkSuspEntriesEx},
        {"MarkSuspCompVarsEx", &AnalysisSettings::MarkSuspCompVarsEx},
        {"MarkSuspLocalVarsEx", &AnalysisSettings::MarkSuspLocalVarsEx},
        {"MarkSuspLabelEx", &AnalysisSettings::MarkSuspLabelEx},
    };
    for (const ListKey& k : kListKeys) {
        if (Is(key, k.Name)) {
            s.*k.Field = SplitSettingList(value);
            return true;
        }
    }

    if (Is(key, "How2ShowXRef")) {
        ReadInt(s.How2ShowXRef, factory.How2ShowXRef, value, 0, 2);
        return true;
    }
    if (Is(key, "SortCalls")) {
        ReadInt(s.SortCalls, factory.SortCalls, value, 0, 1);
        return true;
    }
    if (Is(key, "Indent")) {
        ReadInt(s.Indent, factory.Indent, value, INT32_MIN, INT32_MAX);
        return true;
    }

    for (std::string_view windowKey : kWindowOnlyKeys) {
        if (Is(key, windowKey)) return true;
    }
    return false;
}

}  // namespace lumorca
