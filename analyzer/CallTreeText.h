#pragma once
// A call tree as text: node lines as the command-line tool prints them, or a
// Graphviz DOT digraph. Both walk the tree without keeping it.
#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "analyzer/CallTree.h"

namespace lumorca {

// One node line per node, depth-first; after `cap` nodes a last line "...".
// Returns false when the cap cut the tree short.
bool WriteCallTreeLines(std::ostream& out, const CallGraph& graph, std::string_view entry,
                        size_t cap = CallPrintLimit);

// The same nodes as a digraph whose edges run from caller to callee. Labels
// are the captions as Latin-1 bytes, with quotes and backslashes escaped.
bool WriteCallTreeDot(std::ostream& out, const CallGraph& graph, std::string_view entry,
                      size_t cap = CallPrintLimit);

}  // namespace lumorca
