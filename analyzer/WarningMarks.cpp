#include "analyzer/WarningMarks.h"

#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

bool IsQuoteChar(char c) { return c == '"' || c == '\''; }

// Quote state as the listing reads it: the same quote closes, a quote of
// the other kind inside a quoted run replaces the open one.
void TrackQuote(char c, char& quote) {
    if (c == quote) {
        quote = 0;
    } else if (IsQuoteChar(c)) {
        quote = c;
    }
}

bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

size_t CountAndErase(std::string& text, std::string_view pattern) {
    std::string result;
    result.reserve(text.size());
    size_t count = 0;
    size_t pos = 0;
    while (true) {
        const size_t found = text.find(pattern, pos);
        if (found == std::string::npos) break;
        result.append(text, pos, found - pos);
        pos = found + pattern.size();
        ++count;
    }
    result.append(text, pos, std::string::npos);
    text = std::move(result);
    return count;
}

}  // namespace

bool MatchesExceptionPattern(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return false;
    if (pattern == "*") return true;
    bool anyPrefix = false;
    bool anySuffix = false;
    if (pattern.front() == '*') {
        anyPrefix = true;
        pattern.remove_prefix(1);
    }
    if (!pattern.empty() && pattern.back() == '*') {
        anySuffix = true;
        pattern.remove_suffix(1);
    }
    if (pattern.size() > name.size()) return false;
    const bool atStart = name.substr(0, pattern.size()) == pattern;
    const bool atEnd = name.substr(name.size() - pattern.size()) == pattern;
    if (anyPrefix && anySuffix) return name.find(pattern) != std::string_view::npos;
    if (anyPrefix) return atEnd;
    if (anySuffix) return atStart;
    return name == pattern;
}

bool IsExceptedName(std::string_view name, const std::vector<std::string>& patterns) {
    const std::string upper = UpperCase(name);
    for (const std::string& pattern : patterns) {
        if (MatchesExceptionPattern(upper, pattern)) return true;
    }
    return false;
}

bool HasUnbalancedSubstitutions(std::string_view literal) {
    std::string text(literal);
    CountAndErase(text, "%%%%%");
    const size_t closing = CountAndErase(text, "%%%");
    const size_t opening = CountAndErase(text, "%%");
    return opening != closing;
}

bool IsSuspiciousSymbol(int category, std::string_view name, bool read, bool write,
                        const AnalysisSettings& settings) {
    if (read && write) return false;
    switch (category) {
        case CatEntry:
            return settings.MarkSuspEntries && !IsExceptedName(name, settings.MarkSuspEntriesEx);
        case CatComponentVar:
            return settings.MarkSuspCompVars && !IsExceptedName(name, settings.MarkSuspCompVarsEx);
        case CatLocalVar:
            return settings.MarkSuspLocalVars && !IsExceptedName(name, settings.MarkSuspLocalVarsEx);
        case CatLabel:
            return settings.MarkSuspLabel && !IsExceptedName(name, settings.MarkSuspLabelEx);
        case CatVarString:
            return settings.MarkVarStrings && HasUnbalancedSubstitutions(name);
        default:
            return false;
    }
}

int CountCallArguments(const ListingLines& lines, int32_t line, std::string_view name) {
    if (line < 0 || static_cast<size_t>(line) >= lines.size()) return 0;
    std::string text;
    size_t l = static_cast<size_t>(line);
    do {
        text += ListingLineText(lines[l], false, true);
        ++l;
    } while (l < lines.size() && text.size() >= 2 && text.compare(text.size() - 2, 2, "%\\") == 0);

    // The callee as a whole word, so LP_SUM is not found inside LP_SUMX.
    const std::string upper = UpperCase(name);
    size_t at = std::string::npos;
    for (size_t from = 0; from <= text.size();) {
        const size_t p = text.find(upper, from);
        if (p == std::string::npos) break;
        const bool before = p > 0 && IsWordChar(text[p - 1]);
        const size_t end = p + upper.size();
        const bool after = end < text.size() && IsWordChar(text[end]);
        if (!before && !after) {
            at = p;
            break;
        }
        from = p + 1;
    }
    if (at == std::string::npos) return 0;
    const size_t open = text.find('(', at + 1);
    if (open == std::string::npos) return 0;

    // The list ends at the ")" that closes that "(".
    char quote = 0;
    int depth = 0;
    size_t close = std::string::npos;
    for (size_t j = open + 1; j < text.size(); ++j) {
        const char c = text[j];
        if (quote != 0 || IsQuoteChar(c)) {
            TrackQuote(c, quote);
            continue;
        }
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0) {
                close = j;
                break;
            }
            --depth;
        }
    }
    if (close == std::string::npos) return 0;
    std::string_view rest(text.data() + open + 1, close - open - 1);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    if (rest.empty()) return 0;

    int count = 1;
    quote = 0;
    depth = 0;
    for (const char c : rest) {
        if (quote != 0 || IsQuoteChar(c)) {
            TrackQuote(c, quote);
            continue;
        }
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            ++count;
        }
    }
    return count;
}

}  // namespace lumorca
