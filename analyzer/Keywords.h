#pragma once
// The fixed word tables of the Proc language. Matching is exact and
// case-sensitive; the analysis works on upper-cased text.
#include <string_view>

namespace lumorca {

bool IsStatementKeyword(std::string_view word);
bool IsControlKeyword(std::string_view word);
bool IsReservedWord(std::string_view word);
bool IsFunctionName(std::string_view word);
bool IsHighlightedKeyword(std::string_view word);
bool IsQualifierWord(std::string_view word, std::string_view previous);
bool IsAggregateFunction(std::string_view word);
bool IsRelationalOperator(std::string_view token);

}  // namespace lumorca
