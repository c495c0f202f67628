#pragma once
// Statement parser: structure headers, declaration blocks and the walk over
// the names of every statement.
#include <cstdint>
#include <string>
#include <string_view>

#include "analyzer/LineModel.h"

namespace lumorca {

struct AnalysisState;
struct TreeNode;

// Consumes a statement from the front of tokens (which begin with a line
// marker). After an IF condition the rest of the statement stays in tokens.
void ParseStatement(AnalysisState& state, TokenList& tokens);

TreeNode* AddStructureNode(AnalysisState& state, int kind, const std::string& name, int32_t line);
TreeNode* FindStructureNode(AnalysisState& state, const std::string& caption, int kind);
std::string StructureCaption(const std::string& componentName, int kind, std::string_view name);

bool IsListOutputArgument(std::string_view keyword, int32_t argumentIndex);
bool IsConditionStatement(std::string_view keyword);

}  // namespace lumorca
