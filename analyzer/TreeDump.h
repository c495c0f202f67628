#pragma once
// Text form of a tree, one line per node: indent, caption, image, state
// image and the record fields ("-" without a record).
#include <functional>
#include <iosfwd>
#include <string>

namespace lumorca {

class Tree;
struct TreeNode;

std::string NodeLine(const TreeNode& node, int depth, bool withKind);
// As NodeLine, with the caption the view shows instead of the stored one.
std::string NodeLine(const TreeNode& node, const std::string& caption, int depth, bool withKind);

// The caption a view shows for a node.
using NodeCaption = std::function<const std::string&(const TreeNode&)>;
// Every node in depth-first order, each line ended by a line feed; without
// `caption` the stored captions.
void DumpTree(std::ostream& out, const Tree& tree, bool withKind, const NodeCaption& caption = {});

}  // namespace lumorca
