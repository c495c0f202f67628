#pragma once
// Listings the window tests load, and look-ups in them.
#include <string>
#include <vector>

#include "analyzer/Analysis.h"

namespace lumorca::gui::test {

// Where the Proc text of a numbered line starts.
inline constexpr size_t TextColumn = 14;

// A numbered listing line: own number, level digit or blank, Proc text.
std::string Numbered(int number, char level, const std::string& text);

// A listing's text as a clipboard or a file holds it (CR LF).
std::string Joined(const std::vector<std::string>& lines);

// The first node of `tree` captioned `caption`, null when there is none.
const TreeNode* FindNode(const Tree& tree, const std::string& caption);

// The line index of the first line containing `text`, -1 when none does.
int LineOf(const ListingLines& lines, const std::string& text);

// A listing of triggers and entries with calls between them:
//   structure 1 trigger <EXEC>   calls LP_A twice and LP_B
//   structure 2 entry LP_A       calls LP_B
//   structure 3 entry LP_B       calls LP_A
//   structure 4 trigger <STOR>   calls LP_B
// and `padding` plain lines in <EXEC> so that it can be made long.
std::vector<std::string> SmallListing(int padding = 0);

// The lines of a listing in tests/gui/data.
std::vector<std::string> ListingOf(const char* name);

// Two form triggers, an entry with lead-in comments, an operation and an
// entity and a field trigger, with calls, activations, nested and
// continued control structures and strings with substitutions.
inline std::vector<std::string> WorkListing() { return ListingOf("work.pro"); }

}  // namespace lumorca::gui::test
