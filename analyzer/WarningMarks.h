#pragma once
// The warning marks of the cross-reference tree: suspicious symbols, their
// exception patterns and calls with a wrong number of arguments.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/Settings.h"

namespace lumorca {

class Tree;

// "*" at the start allows any prefix, "*" at the end any suffix.
bool MatchesExceptionPattern(std::string_view name, std::string_view pattern);
bool IsExceptedName(std::string_view name, const std::vector<std::string>& patterns);

// A "%%" substitution without its closing "%%%".
bool HasUnbalancedSubstitutions(std::string_view literal);

bool IsSuspiciousSymbol(int category, std::string_view name, bool read, bool write,
                        const AnalysisSettings& settings);

// Arguments of the call of name on that line (continued lines joined).
int CountCallArguments(const ListingLines& lines, int32_t line, std::string_view name);

// Marks function-call references whose argument count differs from the
// callee's parameter count, and their symbol.
// category is CatEntry or CatOperation.
void MarkInvalidParamCounts(Tree& xref, const ListingLines& lines, int category);

}  // namespace lumorca
