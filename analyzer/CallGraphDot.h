#pragma once
// The whole listing's call graph as a Graphviz DOT digraph: triggers, entries
// and operations as nodes (shape by kind), calls as edges labelled with the
// call's line, entries called but not defined dashed, marked symbols red.
#include <cstdint>
#include <string>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/Tree.h"

namespace lumorca {

struct AnalysisResult;
struct LoadedListing;

struct CallGraphInput {
    const Tree* XRef = nullptr;
    const ListingLines* Lines = nullptr;  // the listing after the analysis
    const StructureStartList* Starts = nullptr;
    // Analysed line index -> index in the file as read; null or empty when
    // no line was dropped. Edge labels are 1-based lines of the file.
    const std::vector<int32_t>* KeptLines = nullptr;
};

std::string CallGraphDot(const CallGraphInput& input);
// The graph of an analysed listing, edges labelled with lines of the file.
std::string CallGraphDot(const AnalysisResult& analysis, const ListingLines& analysedLines);
std::string CallGraphDot(const LoadedListing& listing);

}  // namespace lumorca
