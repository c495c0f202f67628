#pragma once
// Pieces of Graphviz DOT text, shared by every writer of call trees and
// call graphs.
#include <string>
#include <string_view>

namespace lumorca {

// A DOT double-quoted string holding the Latin-1 text as UTF-8 (DOT's
// default charset). Quotes and backslashes are escaped, so "%\" or a
// caption ending in a backslash shows as written; line breaks and other
// control characters become blanks.
std::string DotQuoted(std::string_view latin1);

}  // namespace lumorca
