#include "TestListings.h"

#include <fstream>

namespace lumorca::gui::test {

namespace {
constexpr size_t NumberWidth = 6;
constexpr size_t LevelColumn = 7;
}  // namespace

std::string Numbered(int number, char level, const std::string& text) {
    std::string prefix = std::to_string(number);
    prefix.insert(0, NumberWidth - prefix.size(), ' ');
    prefix += ' ';
    prefix += level;
    prefix.resize(TextColumn, ' ');
    return prefix + text;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const TreeNode* FindNode(const Tree& tree, const std::string& caption) {
    const TreeNode* found = nullptr;
    tree.ForEach([&](const TreeNode* node) {
        if (found == nullptr && node->Caption == caption) found = node;
    });
    return found;
}

std::vector<std::string> SmallListing(int padding) {
    constexpr long PaddingAt = 5;
    std::vector<std::string> lines = ListingOf("small.pro");
    const int firstNumber = std::stoi(lines[PaddingAt - 1]) + 1;
    // The lines below the padding in <EXEC> are numbered on after it.
    for (auto line = lines.begin() + PaddingAt; line != lines.end() && !line->empty(); ++line) {
        if (line->front() != ' ') continue;
        *line = Numbered(std::stoi(*line) + padding, (*line)[LevelColumn], line->substr(TextColumn));
    }
    std::vector<std::string> added;
    for (int i = 0; i < padding; ++i) added.push_back(Numbered(firstNumber + i, ' ', "$1 = " + std::to_string(i)));
    lines.insert(lines.begin() + PaddingAt, added.begin(), added.end());
    return lines;
}

int LineOf(const ListingLines& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> ListingOf(const char* name) {
    std::ifstream file(std::string(LUMORCA_SOURCE_DIR "/tests/gui/data/") + name, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace lumorca::gui::test
