#pragma once
// Section "Options" of the settings store, key by key, applied to the
// analysis settings, with the values each key allows. Used by the
// command-line tool for "--option" and "--settings", and by the program for
// the ranges of the numbers it reads from the store.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Settings.h"

namespace lumorca {

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

// The numbers a boolean or number key allows, for every reader of the store.
struct SettingRange {
    int Low = 0;
    int High = 0;
};
std::optional<SettingRange> RangeOfSetting(std::string_view key);

// ";"-joined list as stored: split at every ";", empty pieces dropped.
std::vector<std::string> SplitSettingList(std::string_view text);

}  // namespace lumorca
