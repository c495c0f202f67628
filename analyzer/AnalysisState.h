#pragma once
// Tables and flags of one running analysis, shared by the parser, the word
// classification and the driver. Lives only inside AnalyzeListing.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "analyzer/Analysis.h"
#include "analyzer/LineModel.h"
#include "analyzer/SymbolKey.h"
#include "analyzer/SymbolTable.h"
#include "analyzer/Trace.h"

namespace lumorca {

// Set of names that can be searched with a string_view.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
};
using NameSet = std::unordered_set<std::string, NameHash, std::equal_to<>>;

struct AnalysisState {
    AnalysisState(ListingLines& lines, const AnalysisSettings& settings, AnalysisResult& result,
                  TraceSink* trace)
        : Lines(lines), Settings(settings), Result(result), Trace(trace), Tok(trace) {}

    ListingLines& Lines;
    const AnalysisSettings& Settings;
    AnalysisResult& Result;
    TraceSink* Trace;
    Tokenizer Tok;
    Tokenizer StringTok;  // the content of one string literal

    // Symbol table: symbols in order of creation, found through their key.
    std::vector<Symbol> Symbols;
    SymbolIndex Index{Symbols};
    TokenList StringParts;  // tokens of one string literal, reused

    std::vector<std::string> EntityNames;  // sorted by bytes, no duplicates
    NameSet DeclaredParams;
    NameSet DeclaredLocals;
    // Field name -> entities it was met with, in the order met.
    std::unordered_map<std::string, std::vector<std::string>> FieldEntities;

    // Structure tree look-up: first child of a parent with a caption.
    std::unordered_map<std::string, TreeNode*> FirstChildByCaption;
    size_t StructureNodeCount = 0;

    // Parser state
    TreeNode* CurrentParentNode = nullptr;
    int InParamsBlock = 0;
    int InVariablesBlock = 0;
    bool SkipSymbols = false;
    int32_t ArgumentIndex = 0;

    int32_t CurrentStructure() const {
        return static_cast<int32_t>(Result.StructureStarts.size()) - 1;
    }
    bool TraceLevel(int level) const { return TraceAt(Trace, level); }
    // Position of name in EntityNames, -1 when absent.
    int EntityIndex(const std::string& name) const;
};

}  // namespace lumorca
