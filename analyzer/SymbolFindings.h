#pragma once
// The rules that decide the findings of one symbol of the analysis: its
// warning and what a lint run says about it. Used while the symbol table lives.
#include <cstdint>
#include <string_view>
#include <vector>

#include "analyzer/AnalysisState.h"
#include "analyzer/FindingRecord.h"

namespace lumorca {

struct SymbolFacts {
    int32_t Index = -1;  // FindingRecord::SymbolIndex
    uint8_t Category = 0;
    std::string_view KeyName;  // as the symbol table holds it
    std::string_view Caption;  // of its node
    const std::vector<ReferenceRecord>* Refs = nullptr;
    int Parameters = 0;  // of an entry or operation
};

// Appends the symbol's findings in the order a lint run lists those of one
// line.
void DecideSymbolFindings(const SymbolFacts& symbol, const ListingLines& lines,
                          const AnalysisSettings& settings, std::vector<FindingRecord>& findings);

}  // namespace lumorca
