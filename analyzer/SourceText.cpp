#include "analyzer/SourceText.h"

#include <algorithm>
#include <charconv>

#include "analyzer/LineModel.h"

namespace lumorca {

namespace {

void TrimRight(std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsBlankOrTab(text[end - 1])) --end;
    text.erase(end);
}

void TrimLeft(std::string& text) {
    size_t start = 0;
    while (start < text.size() && IsBlankOrTab(text[start])) ++start;
    text.erase(0, start);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWithContinuation(std::string_view text) {
    return text.size() >= 2 && text.substr(text.size() - 2) == "%\\";
}

// Words that close a block or stand between its parts sit one level further
// out than the statements around them.
bool OutdentsOneLevel(std::string_view text) {
    const std::string upper = UpperCase(text.substr(0, 5));
    return StartsWith(upper, "ELSE") || StartsWith(upper, "END") || StartsWith(upper, "CASE") ||
           StartsWith(upper, "UNTIL");
}

void ExpandTabs(std::string& text) {
    for (size_t p = text.find('\t'); p != std::string::npos; p = text.find('\t', p)) {
        const size_t width = 8 - p % 8;
        text.replace(p, 1, width, ' ');
        p += width;
    }
}

// Gives string literals back the case they had before lowering. A literal
// runs from a quote to the next quote of the same kind.
void RestoreLiterals(std::string& text, const std::string& original) {
    size_t pos = 0;
    while (pos < original.size()) {
        const size_t open = original.find_first_of("\"'", pos);
        if (open == std::string::npos) break;
        size_t close = original.find(original[open], open + 1);
        if (close == std::string::npos) close = original.size();
        std::copy(original.begin() + static_cast<std::ptrdiff_t>(open) + 1,
                  original.begin() + static_cast<std::ptrdiff_t>(close),
                  text.begin() + static_cast<std::ptrdiff_t>(open) + 1);
        pos = close + 1;
    }
}

bool ParseInt(std::string_view text, int32_t& value) {
    if (text.empty()) return false;
    size_t start = 0;
    if (text[0] == '+') start = 1;
    if (start >= text.size()) return false;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && ptr == last;
}

}  // namespace

char GoldCharacter(unsigned char code) {
    switch (code) {
        case 0x15: return '!';
        case 0x16: return '&';
        case 0x10: return '*';
        case 0x12: return '=';
        case 0x1B: return ';';
        case 0x17: return '|';
        case 0x14: return '<';
        case 0x13: return '>';
        case 0x11: return '?';
        default: return 0;
    }
}

int LineLevel(std::string_view rawLine) {
    if (!IsListingLine(rawLine)) return -1;
    const char c = rawLine[7];
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

bool ListingLineNumberValue(std::string_view rawLine, int32_t& value) {
    std::string_view head = rawLine.substr(0, 6);
    size_t start = 0;
    while (start < head.size() && head[start] == ' ') ++start;
    return ParseInt(head.substr(start), value);
}

std::string ListingLineNumber(std::string_view rawLine) {
    int32_t value = 0;
    if (!ListingLineNumberValue(rawLine, value)) return {};
    return std::to_string(value);
}

bool HasContinuationMark(std::string_view rawLine) {
    size_t end = rawLine.size();
    while (end > 0 && IsBlankOrTab(rawLine[end - 1])) --end;
    return EndsWithContinuation(rawLine.substr(0, end));
}

std::string GetSourceLineText(const ListingLines& lines, int32_t line, bool stripContinuation,
                              bool showGold, bool lowercase, const IndentSettings& indent) {
    const std::string& raw = lines.at(static_cast<size_t>(line));
    const std::string_view previous =
        line > 0 ? std::string_view(lines[static_cast<size_t>(line) - 1]) : std::string_view();

    std::string text;
    int level = 0;
    if (IsListingLine(raw)) {
        level = LineLevel(raw);
        text = raw.size() > 14 ? raw.substr(14) : std::string();
    } else if (StartsWith(raw, "******")) {
        text = raw.size() > 14 ? raw.substr(14) : std::string();
    } else {
        text = raw;
    }
    TrimRight(text);

    if (indent.AutoIndent) {
        const std::string unit(static_cast<size_t>(std::clamp(indent.Indent, 0, 8)), ' ');
        TrimLeft(text);
        if (OutdentsOneLevel(text)) --level;
        std::string prefix;
        for (int i = 0; i < level; ++i) prefix += unit;
        if (previous.size() > 2 && EndsWithContinuation(previous)) prefix += unit + unit;
        text.insert(0, prefix);
    }

    ExpandTabs(text);

    if (stripContinuation && EndsWithContinuation(text)) {
        text.erase(text.size() - 2);
        TrimRight(text);
    }

    if (lowercase) {
        const std::string original = text;
        const int comment = CommentStart(text);
        if (comment == -1 || comment == 1) {
            text = LowerCase(text);
        } else {
            const size_t cut = static_cast<size_t>(comment - 1);
            text = LowerCase(std::string_view(text).substr(0, cut)) + text.substr(cut);
        }
        RestoreLiterals(text, original);
    }

    if (showGold) {
        for (char& c : text) {
            const char gold = GoldCharacter(static_cast<unsigned char>(c));
            if (gold != 0) c = gold;
        }
    }
    return text;
}

int32_t StructureOfLine(const StructureStartList& starts, int32_t line) {
    const auto after = std::upper_bound(starts.begin(), starts.end(), line);
    return static_cast<int32_t>(after - starts.begin()) - 1;
}

StructureView ComputeStructureView(const ListingLines& lines, const StructureList& structures,
                                   int32_t structure, const IndentSettings& indent) {
    StructureView view;
    if (structure < 0 || structure >= static_cast<int32_t>(structures.size())) return view;
    view.TopLine = structures[static_cast<size_t>(structure)].Line;
    const size_t next = static_cast<size_t>(structure) + 1;
    view.EndLine =
        next < structures.size() ? structures[next].Line - 1 : static_cast<int32_t>(lines.size()) - 1;

    // The prelude is never an entry, even when a title stands on line 0.
    if (structure > 0 && view.TopLine < static_cast<int32_t>(lines.size())) {
        const std::string& header = lines[static_cast<size_t>(view.TopLine)];
        const int kind = structures[static_cast<size_t>(structure)].Kind;
        if (IsEntryOrOperationHeader(kind)) {
            // Comment lines right above an entry describe it.
            while (view.TopLine > 0) {
                const std::string above =
                    GetSourceLineText(lines, view.TopLine - 1, false, false, false, indent);
                if (above.empty() || above[0] != ';') break;
                --view.TopLine;
                ++view.LeadInRows;
            }
            view.IsEntry = true;
            // A qualifier word in front ("partner operation X") moves the name one word on.
            const int nameWord = kind == HeaderQualifiedOperation ? 4 : 3;
            view.EntryName = LowerCase(NthWord(header, nameWord));
        }
    }
    return view;
}

TriggerInfo ComputeTriggerInfo(const ListingLines& lines, const StructureStartList& starts,
                               int32_t structure) {
    TriggerInfo info;
    if (structure <= 0 || structure >= static_cast<int32_t>(starts.size())) {
        info.TriggerName = "top";
        info.FromLabel = "from";
        info.FromName = "component";
        info.Caption = "Top from component";
        return info;
    }
    auto header = [&](int32_t s) -> std::string {
        const int32_t line = starts[static_cast<size_t>(s)];
        return line >= 0 && line < static_cast<int32_t>(lines.size())
                   ? lines[static_cast<size_t>(line)]
                   : std::string();
    };
    auto upToLastDot = [](const std::string& text) {
        const size_t dot = text.rfind('.');
        return dot == std::string::npos ? text : text.substr(0, dot);
    };

    const std::string h = header(structure);
    const std::string w2 = NthWord(h, 2);
    std::string t;
    if (IsEntryOrOperationWord(w2)) {
        info.EntryVisible = true;
        info.EntryLabel = w2;
        info.EntryName = NthWord(h, 3);
        info.Caption = w2 + " " + info.EntryName;
        t = header(0);
        for (int32_t s = structure - 1; s >= 0; --s) {
            const std::string candidate = header(s);
            if (NthWord(candidate, 1) == "Trigger") {
                t = candidate;
                break;
            }
        }
    } else {
        info.Caption = upToLastDot(h);
        t = h;
    }
    const size_t gap = t.find(" >");
    if (gap != std::string::npos) t.erase(gap, 1);
    info.TriggerName = NthWord(t, 2);
    info.FromLabel = "from " + NthWord(t, 4);
    info.FromName = upToLastDot(NthWord(t, 5));
    return info;
}

std::string TPositionList::PositionKey(int32_t structure, int32_t line) {
    return std::to_string(structure) + "/" + std::to_string(line);
}

int TPositionList::AddPosition(int32_t structure, int32_t line) {
    const auto freeSlot = std::find(slots_.begin(), slots_.end(), std::string());
    if (freeSlot != slots_.end()) {
        *freeSlot = PositionKey(structure, line);
        return static_cast<int>(freeSlot - slots_.begin());
    }
    if (MaxCount > 0 && Count() >= MaxCount) return -1;
    slots_.push_back(PositionKey(structure, line));
    return Count() - 1;
}

bool TPositionList::SetPosition(int index, int32_t structure, int32_t line) {
    if (index < 0 || (MaxCount >= 1 && index >= MaxCount)) return false;
    if (index >= Count()) slots_.resize(static_cast<size_t>(index) + 1);
    slots_[static_cast<size_t>(index)] = PositionKey(structure, line);
    return true;
}

int TPositionList::FindPosition(int32_t structure, int32_t line) const {
    const auto found = std::find(slots_.begin(), slots_.end(), PositionKey(structure, line));
    return found == slots_.end() ? -1 : static_cast<int>(found - slots_.begin());
}

bool TPositionList::GetPosition(int index, int32_t& structure, int32_t& line) const {
    structure = -1;
    line = -1;
    if (index < 0 || index >= Count()) return false;
    const std::string& key = slots_[static_cast<size_t>(index)];
    const size_t slash = key.find('/');
    if (key.empty() || slash == std::string::npos) return false;
    int32_t s = 0;
    int32_t l = 0;
    if (!ParseInt(std::string_view(key).substr(0, slash), s) ||
        !ParseInt(std::string_view(key).substr(slash + 1, 10), l))
        return false;
    structure = s;
    line = l;
    return true;
}

bool TPositionList::PopPosition(int32_t& structure, int32_t& line) {
    if (!GetPosition(Count() - 1, structure, line)) return false;
    slots_.pop_back();
    return true;
}

void TPositionList::ClearPosition(int index) {
    if (index >= 0 && index < Count()) slots_[static_cast<size_t>(index)].clear();
}

}  // namespace lumorca
