#pragma once
// Text form of a tree, one line per node: indent, caption, image, state
// image and the record fields ("-" without a record).
#include <iosfwd>
#include <string>

namespace lumorca {

class Tree;
struct TreeNode;

std::string NodeLine(const TreeNode& node, int depth, bool withKind);
// Every node in depth-first order, each line ended by a line feed.
void DumpTree(std::ostream& out, const Tree& tree, bool withKind);

}  // namespace lumorca
