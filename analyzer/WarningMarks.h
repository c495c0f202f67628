#pragma once
// What the warning rules ask of a symbol: exception patterns, suspicious
// symbols, open substitutions and the arguments of a call.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/Settings.h"

namespace lumorca {

// "*" at the start allows any prefix, "*" at the end any suffix.
bool MatchesExceptionPattern(std::string_view name, std::string_view pattern);
bool IsExceptedName(std::string_view name, const std::vector<std::string>& patterns);

// A "%%" substitution without its closing "%%%".
bool HasUnbalancedSubstitutions(std::string_view literal);

bool IsSuspiciousSymbol(int category, std::string_view name, bool read, bool write,
                        const AnalysisSettings& settings);

// Arguments of the call of name on that line (continued lines joined).
int CountCallArguments(const ListingLines& lines, int32_t line, std::string_view name);

}  // namespace lumorca
