#include "analyzer/CallGraphDot.h"

#include <map>

#include "analyzer/Dot.h"
#include "analyzer/Findings.h"
#include "analyzer/ListingLoader.h"
#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

bool IsReference(const TreeNode* node) { return node->Role == NodeRole::Reference; }
bool IsSymbol(const TreeNode* node) { return node->Role == NodeRole::Symbol; }

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

class Builder {
public:
    explicit Builder(const CallGraphInput& input) : in_(input) {}

    std::string Run() {
        const StructureStartList& starts = *in_.Starts;
        for (size_t s = 0; s < starts.size(); ++s) {
            const StructureNameResult name =
                StructureName(*in_.Lines, starts, static_cast<int32_t>(s));
            GraphNode node;
            node.Label = name.Name;
            switch (name.Kind) {
                case HeaderTrigger:
                    node.Label = "Trigger " + name.Name;
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
        const TreeNode* root = in_.XRef->FirstRoot();
        if (root != nullptr) {
            for (const TreeNode* category : root->Children) {
                if (category->Role != NodeRole::Category) continue;
                const int code = category->Record.Kind;
                if (code != CatEntry && code != CatOperation) continue;
                for (const TreeNode* symbol : category->Children) {
                    if (IsSymbol(symbol)) Callee(symbol, code);
                }
            }
        }
        return Write();
    }

private:
    const CallGraphInput& in_;
    std::map<std::string, GraphNode> nodes_;
    std::vector<std::string> order_;
    std::vector<GraphEdge> edges_;
    int undefined_ = 0;

    std::string StructureId(int32_t index) const {
        if (index < 0 || static_cast<size_t>(index) >= in_.Starts->size()) index = 0;
        return "s" + std::to_string(index);
    }

    int32_t FileLine(int32_t line) const { return FileLineIndex(in_.KeptLines, line) + 1; }

    void Callee(const TreeNode* symbol, int code) {
        const int defKind = code == CatEntry ? RefEntryDef : RefOperationDef;
        std::string id;
        for (const TreeNode* child : symbol->Children) {
            if (IsReference(child) && child->Record.Kind == defKind) {
                id = StructureId(child->Record.StructureIndex);
                break;
            }
        }
        bool called = false;
        for (const TreeNode* child : symbol->Children) {
            called = called || (IsReference(child) && child->Record.Kind == RefFunctionCall);
        }
        if (id.empty()) {
            if (!called) return;
            id = "u" + std::to_string(++undefined_);
            GraphNode node;
            node.Label = UpperCase(symbol->Caption);
            node.Shape = code == CatEntry ? "ellipse" : "hexagon";
            node.Dashed = true;
            nodes_.emplace(id, node);
            order_.push_back(id);
        }
        GraphNode& callee = nodes_[id];
        callee.Red = callee.Red || symbol->HasWarningMark();
        for (const TreeNode* child : symbol->Children) {
            if (!IsReference(child) || child->Record.Kind != RefFunctionCall) continue;
            GraphEdge edge;
            edge.From = StructureId(child->Record.StructureIndex);
            edge.To = id;
            edge.Line = FileLine(child->Record.Line);
            edge.Red = child->HasWarningMark();
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

std::string CallGraphDot(const AnalysisResult& analysis, const ListingLines& analysedLines) {
    CallGraphInput input;
    input.XRef = &analysis.XRef;
    input.Lines = &analysedLines;
    input.Starts = &analysis.StructureStarts;
    input.KeptLines = &analysis.FileLines;
    return CallGraphDot(input);
}

std::string CallGraphDot(const LoadedListing& listing) {
    return CallGraphDot(listing.Analysis, listing.Lines);
}

std::string CallGraphDot(const CallGraphInput& input) { return Builder(input).Run(); }

}  // namespace lumorca
