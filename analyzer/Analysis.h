#pragma once
// The whole analysis of one listing: structure tree, structure starts and
// the cross-reference tree, plus the lists the views need.
#include <cstdint>
#include <string>
#include <vector>

#include "analyzer/FindingRecord.h"
#include "analyzer/Listing.h"
#include "analyzer/Progress.h"
#include "analyzer/Settings.h"
#include "analyzer/StructureRecord.h"
#include "analyzer/Symbol.h"
#include "analyzer/Tree.h"

namespace lumorca {

class TraceSink;

// One item of the structure pop-up menu: an entity and its node.
struct EntityMenuItem {
    std::string Caption;
    TreeNode* Node = nullptr;
};

struct AnalysisResult {
    Tree Structure;
    StructureStartList StructureStarts;
    // One record a structure, by structure index; element 0 is the text
    // before the first header.
    StructureList Structures;
    Tree XRef;
    std::string ComponentName;     // "Form", "Service" ... from the first trigger title
    std::string ListingComponent;  // object name of the first "Trigger" line
    std::vector<std::string> EntryList;       // call window selector items, sorted
    std::vector<EntityMenuItem> EntityMenu;   // in menu order
    // What the rules found, in the order of the cross-reference tree; its
    // warning marks come from here.
    std::vector<FindingRecord> Findings;
    // The symbols in the order of the cross-reference tree, each with its
    // references; the tree and the findings are built from them.
    std::vector<Symbol> Symbols;
    // Entities met, sorted by bytes: a field names its entity by position.
    std::vector<std::string> EntityNames;
    size_t SymbolCount = 0;  // keys of the symbol table, merged ones included
    // Index in the file as read of every analysed line; empty when no line
    // was dropped.
    std::vector<int32_t> FileLines;

    // 0-based line of the file as read for an analysed line.
    int32_t FileLineOf(int32_t analysedLine) const {
        if (analysedLine < 0 || static_cast<size_t>(analysedLine) >= FileLines.size()) return analysedLine;
        return FileLines[static_cast<size_t>(analysedLine)];
    }

    // No structure found: the text is not a listing.
    bool Empty() const { return Structure.Empty(); }
};

// Analyses `lines`; may drop empty lines from it (IgnoreEmptyLines), keeping
// the file line of every line left in FileLines. Readers go through
// LoadListing (ListingLoader.h).
AnalysisResult AnalyzeListing(ListingLines& lines, const AnalysisSettings& settings,
                              AnalysisObserver* observer = nullptr, TraceSink* trace = nullptr);

}  // namespace lumorca
