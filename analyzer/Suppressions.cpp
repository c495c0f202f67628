#include "analyzer/Suppressions.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "analyzer/LineModel.h"

namespace lumorca {

namespace {

constexpr std::string_view kMarker = "lumorca:";
constexpr std::string_view kIgnore = "ignore";
constexpr std::string_view kIgnoreStructure = "ignore-structure";
constexpr const char* kUnusedRule = "unused-suppression";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view text, size_t& p) {
    while (p < text.size() && IsBlank(text[p])) ++p;
}

// The next word up to a blank or comma, lower case.
std::string NextWord(std::string_view text, size_t& p) {
    std::string word;
    while (p < text.size() && !IsBlank(text[p]) && text[p] != ',') {
        word += static_cast<char>(LowerChar(static_cast<unsigned char>(text[p])));
        ++p;
    }
    return word;
}

bool ParseComment(std::string_view comment, Suppression& suppression) {
    size_t p = 0;
    SkipBlanks(comment, p);
    std::string marker;
    for (size_t i = 0; i < kMarker.size() && p < comment.size(); ++i, ++p) {
        marker += static_cast<char>(LowerChar(static_cast<unsigned char>(comment[p])));
    }
    if (marker != kMarker) return false;
    SkipBlanks(comment, p);
    const std::string verb = NextWord(comment, p);
    if (verb != kIgnore && verb != kIgnoreStructure) return false;
    suppression.WholeStructure = verb == kIgnoreStructure;
    while (p < comment.size()) {
        while (p < comment.size() && (IsBlank(comment[p]) || comment[p] == ',')) ++p;
        std::string rule = NextWord(comment, p);
        if (!rule.empty()) suppression.Rules.push_back(std::move(rule));
    }
    return true;
}

bool HasRule(const Suppression& suppression, const std::string& rule, std::vector<bool>& used) {
    bool found = false;
    for (size_t i = 0; i < suppression.Rules.size(); ++i) {
        if (suppression.Rules[i] == rule) {
            used[i] = true;
            found = true;
        }
    }
    return found;
}

// A compiler message follows the statement it is about: its suppressions are
// that statement's.
int32_t SuppressedLine(const Finding& finding, const ListingLines& fileLines) {
    int32_t line = finding.Line - 1;
    if (finding.Rule.rfind("listing-", 0) != 0) return line;
    while (line > 0 && static_cast<size_t>(line) < fileLines.size() &&
           !IsSourceLine(fileLines[static_cast<size_t>(line)])) {
        --line;
    }
    return line;
}

Finding UnusedNote(const Suppression& suppression, const std::string& rule) {
    Finding note;
    note.Line = suppression.Line + 1;
    note.Severity = FindingSeverity::Note;
    note.Rule = kUnusedRule;
    note.Symbol = rule;
    if (rule.empty()) {
        note.Message = "suppression names no rule";
    } else if (FindingRuleIndex(rule) < 0) {
        note.Message = "suppression names the unknown rule " + rule;
    } else {
        note.Message = "suppression of " + rule + " silences no finding";
    }
    return note;
}

}  // namespace

std::vector<Suppression> FindSuppressions(const ListingLines& fileLines) {
    std::vector<Suppression> found;
    for (size_t i = 0; i < fileLines.size(); ++i) {
        const std::string& line = fileLines[i];
        if (!IsSourceLine(line)) continue;
        const int comment = CommentStart(line);
        if (comment < 1) continue;
        Suppression suppression;
        if (!ParseComment(std::string_view(line).substr(static_cast<size_t>(comment)),
                          suppression)) {
            continue;
        }
        suppression.Line = static_cast<int32_t>(i);
        suppression.Alone = ListingLineText(line, false, false).empty();
        found.push_back(std::move(suppression));
    }
    return found;
}

void ApplySuppressions(std::vector<Finding>& findings, const ListingLines& fileLines,
                       const std::vector<StructureSpan>& spans) {
    const std::vector<Suppression> suppressions = FindSuppressions(fileLines);
    if (suppressions.empty()) return;
    std::vector<std::vector<bool>> used;
    std::map<int32_t, std::vector<size_t>> byLine;
    std::map<int, std::vector<size_t>> byStructure;
    for (size_t i = 0; i < suppressions.size(); ++i) {
        const Suppression& s = suppressions[i];
        used.emplace_back(s.Rules.size(), false);
        if (s.WholeStructure) {
            byStructure[SpanOfLine(spans, s.Line)].push_back(i);
        } else {
            byLine[s.Line].push_back(i);
        }
    }
    auto silences = [&](const std::vector<size_t>* candidates, const Finding& finding,
                        bool aloneOnly) {
        bool silenced = false;
        if (candidates == nullptr) return false;
        for (const size_t i : *candidates) {
            if (aloneOnly && !suppressions[i].Alone) continue;
            silenced = HasRule(suppressions[i], finding.Rule, used[i]) || silenced;
        }
        return silenced;
    };
    auto find = [](auto& map, auto key) -> const std::vector<size_t>* {
        const auto it = map.find(key);
        return it == map.end() ? nullptr : &it->second;
    };

    std::vector<Finding> kept;
    for (Finding& finding : findings) {
        const int32_t line = SuppressedLine(finding, fileLines);
        // Every suppression that names the finding counts as used.
        bool silenced = silences(find(byLine, line), finding, false);
        silenced = silences(find(byLine, line - 1), finding, true) || silenced;
        silenced =
            silences(find(byStructure, SpanOfLine(spans, finding.Line - 1)), finding, false) ||
            silenced;
        if (!silenced) kept.push_back(std::move(finding));
    }

    std::vector<Finding> notes;
    for (size_t i = 0; i < suppressions.size(); ++i) {
        const Suppression& s = suppressions[i];
        if (s.Rules.empty()) notes.push_back(UnusedNote(s, std::string()));
        for (size_t r = 0; r < s.Rules.size(); ++r) {
            if (!used[i][r]) notes.push_back(UnusedNote(s, s.Rules[r]));
        }
    }
    IdentifyFindings(notes, spans);
    kept.insert(kept.end(), std::make_move_iterator(notes.begin()),
                std::make_move_iterator(notes.end()));
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Finding& a, const Finding& b) { return a.Line < b.Line; });
    findings = std::move(kept);
}

}  // namespace lumorca
