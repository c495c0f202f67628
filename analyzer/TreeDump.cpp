#include "analyzer/TreeDump.h"

#include <ostream>
#include <utility>
#include <vector>

#include "analyzer/Tree.h"

namespace lumorca {

std::string NodeLine(const TreeNode& node, int depth, bool withKind) {
    return NodeLine(node, node.Caption, depth, withKind);
}

std::string NodeLine(const TreeNode& node, const std::string& caption, int depth, bool withKind) {
    std::string line(static_cast<size_t>(2 * depth), ' ');
    line += caption;
    line += '\t';
    line += std::to_string(node.Image);
    line += '\t';
    line += std::to_string(node.StateImage);
    if (node.HasRecord) {
        line += '\t';
        line += std::to_string(node.Record.StructureIndex);
        line += '\t';
        line += std::to_string(node.Record.Line);
        line += '\t';
        line += withKind ? std::to_string(node.Record.Kind) : std::string("-");
    } else {
        line += "\t-\t-\t-";
    }
    return line;
}

void DumpTree(std::ostream& out, const Tree& tree, bool withKind, const NodeCaption& caption) {
    // Iterative, so a deep tree cannot exhaust the stack.
    std::vector<std::pair<const TreeNode*, int>> stack;
    for (auto it = tree.Roots().rbegin(); it != tree.Roots().rend(); ++it) stack.emplace_back(*it, 0);
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        out << NodeLine(*node, caption ? caption(*node) : node->Caption, depth, withKind) << '\n';
        for (auto it = node->Children.rbegin(); it != node->Children.rend(); ++it) {
            stack.emplace_back(*it, depth + 1);
        }
    }
}

}  // namespace lumorca
