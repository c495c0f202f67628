#include "fuzz/FuzzEntry.h"

#include <algorithm>
#include <string_view>

#include "analyzer/CallGraphDot.h"
#include "analyzer/CallTree.h"
#include "analyzer/Findings.h"
#include "analyzer/ListingLoader.h"

namespace lumorca::fuzz {

namespace {

// Call-tree nodes per input, over all entries and both directions: enough to
// reach the depth limit, small enough to keep every run short.
constexpr size_t NodeBudget = 20000;
constexpr size_t NodesPerTree = 2000;

// The last byte picks the switches, so the fuzzer explores them too without
// changing what the rest of the input means.
AnalysisSettings SettingsFor(const uint8_t* data, size_t size) {
    AnalysisSettings settings;
    const uint8_t bits = size > 0 ? data[size - 1] : 0;
    settings.TryToMerge = (bits & 1) == 0;
    settings.IgnoreEmptyLines = (bits & 2) != 0;
    settings.SortLocals = (bits & 4) == 0;
    settings.ListDuplicateCalls = (bits & 8) == 0;
    settings.ListLibraryCalls = (bits & 16) == 0;
    settings.SortCalls = (bits >> 5) & 1;
    settings.How2ShowXRef = (bits >> 6) % 3;
    settings.IgnoreERRF = (bits & 0x80) != 0;
    settings.Language = (bits & 0x40) != 0 ? 0 : 1;
    return settings;
}

void CallTrees(const AnalysisResult& result, const ListingLines& lines,
               const AnalysisSettings& settings) {
    size_t budget = NodeBudget;
    for (CallDirection direction : {CallDirection::CalledFrom, CallDirection::Calling}) {
        const CallGraph graph(result.Symbols, lines, result.Structures, result.EntryList,
                              settings, direction);
        for (const std::string& entry : result.EntryList) {
            if (budget == 0) return;
            size_t nodes = 0;
            graph.Walk(entry, std::min(budget, NodesPerTree), [&](const CallNode&, int) { ++nodes; });
            budget -= nodes;
        }
        // The window's way: build lazily, then expand a little.
        if (!result.EntryList.empty()) {
            Tree tree;
            LazyCallTree lazy(graph, tree);
            lazy.Build(result.EntryList.front(), false);
            lazy.ExpandTree(200);
            lazy.CollapseTree();
        }
    }
}

}  // namespace

void AnalyzeBytes(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const AnalysisSettings settings = SettingsFor(data, size);
    for (bool pasted : {false, true}) {
        const std::string text(bytes);
        LoadedListing listing;
        try {
            listing = LoadListing(pasted ? ListingSource::Pasted(text) : ListingSource::FileBytes(text),
                                  settings);
        } catch (const ENoCorvaneSource&) {
            continue;
        }
        CallTrees(listing.Analysis, listing.Lines, settings);
        CallGraphDot(listing);
        CollectFindings(listing);
        if (!pasted) break;  // the pasted reading mostly gives the same lines
    }
}

}  // namespace lumorca::fuzz
