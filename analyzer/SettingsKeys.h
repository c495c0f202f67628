#pragma once
// Section "Options" of the settings store, key by key, applied to the
// analysis settings, with the values each key allows. The command-line tool
// reads "--option" and "--settings" through it; the program builds its
// options record, loads and saves it, converts it and fills the options
// dialog from the same table.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analyzer/Settings.h"

namespace lumorca {

// How a value is stored: Bool as 0/1, Number and Color as decimal, List as
// ";"-joined text, Text as it is.
enum class SettingKind { Bool, Number, Color, List, Text };

// The numbers a boolean or number key allows, for every reader of the store.
struct SettingRange {
    int Low = 0;
    int High = 0;
};
constexpr SettingRange kBoolRange{0, 1};
constexpr SettingRange kAnyNumber{std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()};
constexpr SettingRange kLanguages{0, 1};     // German, English
constexpr SettingRange kXRefShows{0, 2};     // How2ShowXRef
constexpr SettingRange kCallOrders{0, 1};    // SortCalls
constexpr SettingRange kNoRange{};           // lists and text

// The analysis setting a key fills; none for keys only the windows read.
using AnalysisField = std::variant<std::monostate, bool AnalysisSettings::*, int AnalysisSettings::*,
                                   std::vector<std::string> AnalysisSettings::*>;
inline constexpr AnalysisField kNoAnalysis{};

// Every setting of section "Options", one row each, in the order the program
// writes them. Columns: the key as stored (typos included), the member of
// the options record, its kind, the factory value (0 for lists and text),
// the values allowed, the analysis setting, and the options dialog's control
// that shows the value one to one ("" where none does).
#define LUMORCA_OPTION_SETTINGS(ROW)                                                                        \
    ROW("Language", Language, Number, 1, kLanguages, &AnalysisSettings::Language, "")                      \
    ROW("ProcListingDir", ProcListingDir, Text, 0, kNoRange, kNoAnalysis, "")                                \
    ROW("AskToSave", AskToSave, Bool, 1, kBoolRange, kNoAnalysis, "CheckBoxAskToSave")                       \
    ROW("AutoReload", AutoReload, Bool, 0, kBoolRange, kNoAnalysis, "CheckBoxAutoReload")                    \
    ROW("Ignore ERRF", IgnoreERRF, Bool, 0, kBoolRange, &AnalysisSettings::IgnoreERRF, "CheckBoxIgnoreERRF") \
    ROW("List $Status", ListStatus, Bool, 1, kBoolRange, &AnalysisSettings::ListStatus, "CheckBoxListStatus") \
    ROW("List $Result", ListResult, Bool, 1, kBoolRange, &AnalysisSettings::ListResult, "CheckBoxListResult") \
    ROW("TryToMerge", TryToMerge, Bool, 1, kBoolRange, &AnalysisSettings::TryToMerge, "CheckBoxMergeOther")  \
    ROW("IgnoreEmptyLines", IgnoreEmptyLines, Bool, 0, kBoolRange, &AnalysisSettings::IgnoreEmptyLines,      \
        "CheckBoxIgnoreEmptyLines")                                                                           \
    ROW("ServiceWarnings", ServiceWarnings, Bool, 1, kBoolRange, &AnalysisSettings::ServiceWarnings,         \
        "CheckBoxServiceWarnings")                                                                            \
    ROW("MarkInvalidParams", MarkInvalidParams, Bool, 1, kBoolRange, &AnalysisSettings::MarkInvalidParams,   \
        "CheckBoxMarkInvalidParams")                                                                          \
    ROW("MarkVarStrings", MarkVarStrings, Bool, 1, kBoolRange, &AnalysisSettings::MarkVarStrings,            \
        "CheckBoxMarkVarStrings")                                                                             \
    ROW("MarkSuspEntries", MarkSuspEntries, Bool, 1, kBoolRange, &AnalysisSettings::MarkSuspEntries,         \
        "CheckBoxMarkEntries")                                                                                \
    ROW("MarkSuspCompVars", MarkSuspCompVars, Bool, 1, kBoolRange, &AnalysisSettings::MarkSuspCompVars,      \
        "CheckBoxMarkCompVars")                                                                               \
    ROW("MarkSuspLocalVars", MarkSuspLocalVars, Bool, 1, kBoolRange, &AnalysisSettings::MarkSuspLocalVars,   \
        "CheckBoxMarkLocalVars")                                                                              \
    ROW("MarkSuspLabel", MarkSuspLabel, Bool, 1, kBoolRange, &AnalysisSettings::MarkSuspLabel,               \
        "CheckBoxMarkLabel")                                                                                  \
    ROW("MarkSuspEntriesEx", MarkSuspEntriesEx, List, 0, kNoRange, &AnalysisSettings::MarkSuspEntriesEx,     \
        "MemoMarkEntriesException")                                                                           \
    ROW("MarkSuspCompVarsEx", MarkSuspCompVarsEx, List, 0, kNoRange, &AnalysisSettings::MarkSuspCompVarsEx,  \
        "MemoMarkCompVarsException")                                                                          \
    ROW("MarkSuspLocalVarsEx", MarkSuspLocalVarsEx, List, 0, kNoRange, &AnalysisSettings::MarkSuspLocalVarsEx, \
        "MemoMarkLocalVarsException")                                                                         \
    ROW("MarkSuspLabelEx", MarkSuspLabelEx, List, 0, kNoRange, &AnalysisSettings::MarkSuspLabelEx,           \
        "MemoMarkLabelException")                                                                             \
    ROW("SameWindowColor", SameWindowColor, Bool, 1, kBoolRange, kNoAnalysis, "CheckBoxSameColor")           \
    ROW("SameWindowFont", SameWindowFont, Bool, 0, kBoolRange, kNoAnalysis, "CheckBoxSameFont")              \
    ROW("AutoSize", AutoSize, Bool, 1, kBoolRange, kNoAnalysis, "CheckBoxAutosize")                          \
    ROW("SouceSize 2x", SourceSize2x, Bool, 1, kBoolRange, kNoAnalysis, "CheckBoxSourceSize2x")              \
    ROW("SortLocals", SortLocals, Bool, 1, kBoolRange, &AnalysisSettings::SortLocals, "CheckBoxSortLocals")  \
    ROW("How2ShowXRef", How2ShowXRef, Number, 2, kXRefShows, &AnalysisSettings::How2ShowXRef, "")           \
    ROW("ExpandCallTree", ExpandCallTree, Bool, 1, kBoolRange, &AnalysisSettings::ExpandCallTree,            \
        "CheckBoxExpandCallTree")                                                                             \
    ROW("ListDuplcateCalls", ListDuplicateCalls, Bool, 1, kBoolRange, &AnalysisSettings::ListDuplicateCalls, \
        "CheckBoxListDuplicateCalls")                                                                         \
    ROW("ListLibraryCalls", ListLibraryCalls, Bool, 1, kBoolRange, &AnalysisSettings::ListLibraryCalls,      \
        "CheckBoxlistLibraryCalls")                                                                           \
    ROW("SortCalls", SortCalls, Number, 0, kCallOrders, &AnalysisSettings::SortCalls, "")                   \
    ROW("AutoIndent", AutoIndent, Bool, 1, kBoolRange, &AnalysisSettings::AutoIndent, "CheckBoxAutoIndent")  \
    ROW("Indent", Indent, Number, 4, kAnyNumber, &AnalysisSettings::Indent, "")                             \
    ROW("DisplayLineNrTotal", DisplayLineNrTotal, Bool, 1, kBoolRange, &AnalysisSettings::DisplayLineNrTotal, \
        "CheckBoxLineNrTotal")                                                                                \
    ROW("DisplayLineNrTrigger", DisplayLineNrTrigger, Bool, 1, kBoolRange,                                   \
        &AnalysisSettings::DisplayLineNrTrigger, "CheckBoxLineNrTrigger")                                     \
    ROW("DisplayContinueFlag", DisplayContinueFlag, Bool, 1, kBoolRange, &AnalysisSettings::DisplayContinueFlag, \
        "CheckBoxContinueFlag")                                                                               \
    ROW("Lowercase", Lowercase, Bool, 1, kBoolRange, &AnalysisSettings::Lowercase, "CheckBoxLowerCases")     \
    ROW("NonPropFont", NonPropFont, Bool, 0, kBoolRange, kNoAnalysis, "")                                   \
    ROW("ColorZnrAbs", ColorZnrAbs, Color, 0xFF0000, kAnyNumber, kNoAnalysis, "PanelColorZnrAbs")            \
    ROW("ColorZnrTrigger", ColorZnrTrigger, Color, 0x008000, kAnyNumber, kNoAnalysis, "PanelColorZnrTrigger") \
    ROW("ColorContinue", ColorContinue, Color, 0x0000FF, kAnyNumber, kNoAnalysis, "PanelColorContinue")      \
    ROW("ColorSource", ColorSource, Color, 0x000000, kAnyNumber, kNoAnalysis, "PanelColorSource")            \
    ROW("ColorSourceComment", ColorSourceComment, Color, 0xFF0000, kAnyNumber, kNoAnalysis,                  \
        "PanelColorSourceComment")                                                                            \
    ROW("ColorSourceNames", ColorSourceNames, Color, 0x000080, kAnyNumber, kNoAnalysis, "PanelColorSourceNames") \
    ROW("ColorSourceCommands", ColorSourceCommands, Color, 0x0080FF, kAnyNumber, kNoAnalysis,                \
        "PanelColorSourceCommands")                                                                           \
    ROW("ColorSourceGold", ColorSourceGold, Color, 0x0000FF, kAnyNumber, kNoAnalysis, "PanelColorSourceGold") \
    ROW("ColorSourceErrors", ColorSourceErrors, Color, 0x0000FF, kAnyNumber, kNoAnalysis,                    \
        "PanelColorSourceErrors")                                                                             \
    ROW("ColorSourceWarnings", ColorSourceWarnings, Color, 0x0000FF, kAnyNumber, kNoAnalysis,                \
        "PanelColorSourceWarnings")                                                                           \
    ROW("ColorSourceInfos", ColorSourceInfos, Color, 0x808080, kAnyNumber, kNoAnalysis, "PanelColorSourceInfos") \
    ROW("ColorSourceActiveLine", ColorSourceActiveLine, Color, 0x00FFFF, kAnyNumber, kNoAnalysis,            \
        "PanelColorSourceActiveline")                                                                         \
    ROW("ColorSourceMarked", ColorSourceMarked, Color, 0xFF0000, kAnyNumber, kNoAnalysis, "PanelColorSourceMarked")

// One row of the table as the analysis side reads it.
struct SettingKey {
    std::string_view Name;
    SettingKind Kind;
    std::int64_t Default;
    SettingRange Range;
    AnalysisField Analysis;
};
// All rows, in table order.
const std::vector<SettingKey>& SettingKeys();

// Applies one stored value. Keys compare without regard to case. Values are
// read as the store reads them: numbers in decimal (booleans true unless 0),
// text that is no number gives the factory default, lists split at ";"
// without empty pieces, and a Language other than 0 or 1, or an out-of-range
// How2ShowXRef or SortCalls, changes nothing or gives the default.
// Returns false for a key that the "Options" section does not have; keys of
// the section that only the program's windows use are accepted and ignored.
bool ApplySettingKey(AnalysisSettings& settings, std::string_view key, std::string_view value);

// Checks a value against what its key allows: booleans 0 or 1, numbers in
// their range, any text for lists and directories. Nothing when the value
// is valid (or the key unknown); otherwise the allowed values as words for a
// message, such as "0 or 1" or "a whole number from 0 to 2".
std::optional<std::string> CheckSettingValue(std::string_view key, std::string_view value);

// The range of a boolean or number key.
std::optional<SettingRange> RangeOfSetting(std::string_view key);

// ";"-joined list as stored: split at every ";", empty pieces dropped.
std::vector<std::string> SplitSettingList(std::string_view text);

}  // namespace lumorca
