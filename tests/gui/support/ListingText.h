#pragma once
// Listing lines as the compiler writes them.
#include <string>

namespace lumorca::gui::test {

// A numbered line: own number, level digit or blank, Proc text.
std::string Numbered(int number, char level, const std::string& text);

}  // namespace lumorca::gui::test
