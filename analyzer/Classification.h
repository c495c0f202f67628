#pragma once
// Classification of the names of a statement into symbol categories and the
// recording of one reference per use.
#include <cstdint>
#include <string>
#include <string_view>

#include "analyzer/Listing.h"
#include "analyzer/LineModel.h"

namespace lumorca {

struct AnalysisState;

// Records one use of name; category 0 asks for the name to be classified.
void AddSymbolReference(AnalysisState& state, std::string_view name, std::string_view previous,
                        int category, int32_t line, int refKind);

// tokens: the statement without its leading line marker (token 0 = keyword).
void HandleStringLiteral(AnalysisState& state, const TokenList& tokens, size_t index,
                         int32_t line);
void HandleSelectStatement(AnalysisState& state, const TokenList& tokens, int32_t& line);
void HandleReadStatement(AnalysisState& state, const TokenList& tokens, int32_t& line);
void RecordWhereClause(AnalysisState& state, const TokenList& tokens, const std::string& entity,
                       int32_t& line);

void AddFieldEntity(AnalysisState& state, std::string_view field, std::string_view entity);

// Reference kind of the first argument of a few statements, 0 for none.
int FirstArgumentRefKind(std::string_view keyword, int32_t argumentIndex);

}  // namespace lumorca
