#pragma once
// The whole listing's call graph as a Graphviz DOT digraph: triggers, entries
// and operations as nodes (shape by kind), calls as edges labelled with the
// call's line, entries called but not defined dashed, marked symbols red.
#include <string>

namespace lumorca {

struct AnalysisResult;
struct LoadedListing;

// Read from the analysis' structures, symbols and findings; edges are
// labelled with 1-based lines of the file as read.
std::string CallGraphDot(const AnalysisResult& analysis);
std::string CallGraphDot(const LoadedListing& listing);

}  // namespace lumorca
