#include "analyzer/CallGraphDot.h"

#include <map>
#include <set>
#include <tuple>

#include "analyzer/Dot.h"
#include "analyzer/ListingLoader.h"
#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

struct GraphNode {
    std::string Label;
    const char* Shape = "box";
    bool Dashed = false;
    bool Red = false;
    bool Used = true;
};

struct GraphEdge {
    std::string From;
    std::string To;
    int32_t Line = 0;
    bool Red = false;
};

bool IsCallable(int category) { return category == CatEntry || category == CatOperation; }

// What the findings mark: symbols by category and upper-case name, calls
// with a wrong argument count by their place as well.
class Marks {
public:
    explicit Marks(const std::vector<FindingRecord>& findings) {
        for (const FindingRecord& finding : findings) {
            if (!IsCallable(finding.Category) || IsListingMessage(finding.Kind)) continue;
            symbols_.emplace(finding.Category, finding.Symbol);
            if (finding.Kind == FindingKind::ArgumentCount) {
                calls_.emplace(finding.Category, finding.Symbol, finding.Structure, finding.Line);
            }
        }
    }

    bool SymbolMarked(int category, const std::string& upperName) const {
        return symbols_.count({category, upperName}) != 0;
    }
    bool CallMarked(int category, const std::string& upperName, const ReferenceRecord& ref) const {
        return calls_.count({category, upperName, ref.StructureIndex, ref.Line}) != 0;
    }

private:
    std::set<std::pair<int, std::string>> symbols_;
    std::set<std::tuple<int, std::string, int32_t, int32_t>> calls_;

    static bool IsListingMessage(FindingKind kind) {
        return kind == FindingKind::ListingError || kind == FindingKind::ListingWarning ||
               kind == FindingKind::ListingInfo;
    }
};

class Builder {
public:
    explicit Builder(const AnalysisResult& analysis) : analysis_(analysis), marks_(analysis.Findings) {}

    std::string Run() {
        const StructureList& structures = analysis_.Structures;
        for (size_t s = 0; s < structures.size(); ++s) {
            const StructureRecord& structure = structures[s];
            GraphNode node;
            node.Label = structure.Name;
            switch (structure.Kind) {
                case HeaderTrigger:
                    node.Label = "Trigger " + structure.Name;
                    node.Shape = "box";
                    break;
                case HeaderEntry:
                    node.Shape = "ellipse";
                    break;
                case HeaderOperation:
                case HeaderQualifiedOperation:
                    node.Shape = "hexagon";
                    break;
                default:
                    node.Shape = "plaintext";
                    node.Used = false;  // the text before the first header: only when it calls
                    break;
            }
            nodes_.emplace("s" + std::to_string(s), node);
            order_.push_back("s" + std::to_string(s));
        }
        for (const Symbol& symbol : analysis_.Symbols) {
            if (IsCallable(symbol.Key.Category)) Callee(symbol);
        }
        return Write();
    }

private:
    const AnalysisResult& analysis_;
    const Marks marks_;
    std::map<std::string, GraphNode> nodes_;
    std::vector<std::string> order_;
    std::vector<GraphEdge> edges_;
    int undefined_ = 0;

    std::string StructureId(int32_t index) const {
        if (index < 0 || static_cast<size_t>(index) >= analysis_.Structures.size()) index = 0;
        return "s" + std::to_string(index);
    }

    void Callee(const Symbol& symbol) {
        const int category = symbol.Key.Category;
        const int defKind = category == CatEntry ? RefEntryDef : RefOperationDef;
        std::string id;
        bool called = false;
        for (const ReferenceRecord& ref : symbol.Refs) {
            if (id.empty() && ref.Kind == defKind) id = StructureId(ref.StructureIndex);
            called = called || ref.Kind == RefFunctionCall;
        }
        const std::string name = UpperCase(symbol.Key.Name);
        if (id.empty()) {
            if (!called) return;
            id = "u" + std::to_string(++undefined_);
            GraphNode node;
            node.Label = name;
            node.Shape = category == CatEntry ? "ellipse" : "hexagon";
            node.Dashed = true;
            nodes_.emplace(id, node);
            order_.push_back(id);
        }
        GraphNode& callee = nodes_[id];
        callee.Red = callee.Red || marks_.SymbolMarked(category, name);
        for (const ReferenceRecord& ref : symbol.Refs) {
            if (ref.Kind != RefFunctionCall) continue;
            GraphEdge edge;
            edge.From = StructureId(ref.StructureIndex);
            edge.To = id;
            edge.Line = analysis_.FileLineOf(ref.Line) + 1;
            edge.Red = marks_.CallMarked(category, name, ref);
            nodes_[edge.From].Used = true;
            edges_.push_back(edge);
        }
    }

    std::string Write() const {
        std::string out = "digraph calls {\n  node [fontsize=10];\n  edge [fontsize=9];\n";
        for (const std::string& id : order_) {
            const GraphNode& node = nodes_.at(id);
            if (!node.Used) continue;
            out += "  " + id + " [label=" + DotQuoted(node.Label) + ", shape=" + node.Shape;
            if (node.Dashed) out += ", style=dashed";
            if (node.Red) out += ", color=red, fontcolor=red";
            out += "];\n";
        }
        for (const GraphEdge& edge : edges_) {
            out += "  " + edge.From + " -> " + edge.To + " [label=\"" + std::to_string(edge.Line) +
                   "\"";
            if (edge.Red) out += ", color=red, fontcolor=red";
            out += "];\n";
        }
        out += "}\n";
        return out;
    }
};

}  // namespace

std::string CallGraphDot(const AnalysisResult& analysis) { return Builder(analysis).Run(); }

std::string CallGraphDot(const LoadedListing& listing) { return CallGraphDot(listing.Analysis); }

}  // namespace lumorca
