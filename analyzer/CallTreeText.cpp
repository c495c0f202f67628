#include "analyzer/CallTreeText.h"

#include <ostream>
#include <string>
#include <vector>

#include "analyzer/TreeDump.h"

namespace lumorca {

namespace {

// Writes in large pieces: a tree can have a million lines.
class Buffer {
public:
    explicit Buffer(std::ostream& out) : out_(out) {}
    ~Buffer() { Flush(); }
    std::string& Text() { return text_; }
    void Spill() {
        if (text_.size() > (1u << 16)) Flush();
    }
    void Flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
    }

private:
    std::ostream& out_;
    std::string text_;
};

std::string DotString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 32) {
            quoted += ' ';  // no caption should hold one; a raw line break would end the label
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

}  // namespace

bool WriteCallTreeLines(std::ostream& out, const CallGraph& graph, std::string_view entry,
                        size_t cap) {
    Buffer buffer(out);
    TreeNode line;  // call-tree records have no kind
    const bool complete = graph.Walk(entry, cap, [&](const CallNode& node, int depth) {
        line.Caption = node.Caption;
        line.Image = node.Image;
        line.HasRecord = node.HasRecord;
        line.Record = node.Record;
        buffer.Text() += NodeLine(line, depth, false);
        buffer.Text() += '\n';
        buffer.Spill();
    });
    if (!complete) buffer.Text() += "...\n";
    return complete;
}

bool WriteCallTreeDot(std::ostream& out, const CallGraph& graph, std::string_view entry,
                      size_t cap) {
    Buffer buffer(out);
    std::string& text = buffer.Text();
    text = "digraph calls {\n  charset=\"latin1\";\n  node [shape=box];\n";
    // In "called from" the callers are the children: the arrows point up.
    if (graph.Direction() == CallDirection::CalledFrom) text += "  edge [dir=back];\n";
    std::vector<size_t> parents;  // number of the latest node at each depth
    size_t next = 0;
    const bool complete = graph.Walk(entry, cap, [&](const CallNode& node, int depth) {
        const size_t id = next++;
        text += "  n" + std::to_string(id) + " [label=" + DotString(node.Caption) + "];\n";
        if (depth > 0) {
            text += "  n" + std::to_string(parents[static_cast<size_t>(depth) - 1]) + " -> n" +
                    std::to_string(id) + ";\n";
        }
        parents.resize(static_cast<size_t>(depth));
        parents.push_back(id);
        buffer.Spill();
    });
    if (!complete) text += "  more [label=\"...\", shape=plaintext];\n";
    text += "}\n";
    return complete;
}

}  // namespace lumorca
