#include "analyzer/SourceJumps.h"

#include <algorithm>

#include "analyzer/Classification.h"
#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

bool ValidLine(const ListingLines& lines, int32_t line) {
    return line >= 0 && static_cast<size_t>(line) < lines.size();
}

const std::string& RawLine(const ListingLines& lines, int32_t line) {
    return lines[static_cast<size_t>(line)];
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool StatementArgument(std::string_view text, std::string_view keyword, std::string& argument) {
    if (UpperCase(NthWord(text, 1)) != keyword) return false;
    std::string copy(text);
    for (char separator : {',', '('}) {
        const size_t p = copy.find(separator);
        if (p != std::string::npos) copy[p] = ' ';
    }
    argument = NthWord(copy, 2);
    return true;
}

bool LineStatementArgument(const ListingLines& lines, int32_t line, std::string_view keyword,
                           std::string& argument, const IndentSettings& indent) {
    if (!ValidLine(lines, line)) return false;
    return StatementArgument(GetSourceLineText(lines, line, false, false, false, indent), keyword,
                             argument);
}

const GotoKindInfo* GotoKindOf(int gotoKind) {
    static const GotoKindInfo table[GotoKindCount] = {
        {"IF", false, -1},           {"IF", false, -1},
        {"ELSE", true, 1},           {"ELSE", false, 0},
        {"ENDIF", true, 1},          {"ENDIF", true, 0},
        {"ENDSELECTCASE", true, 1},  {"SELECTCASE", false, -1},
        {"SELECTCASE", false, -1},   {"ENDSELECTCASE", true, 0},
        {"WHILE", false, -1},        {"ENDWHILE", true, 1},
        {"REPEAT", false, -1},       {"UNTIL", true, 1},
    };
    if (gotoKind < 0 || gotoKind >= GotoKindCount) return nullptr;
    return &table[gotoKind];
}

int ControlWordGotoKind(std::string_view firstWord) {
    static const std::pair<std::string_view, int> words[] = {
        {"IF", 4},     {"ELSE", 0},   {"ENDIF", 1},      {"WHILE", 11},        {"ENDWHILE", 10},
        {"REPEAT", 13}, {"UNTIL", 12}, {"SELECTCASE", 6}, {"ENDSELECTCASE", 7}, {"CASE", 8},
    };
    const std::string upper = UpperCase(firstWord);
    for (const auto& [word, kind] : words) {
        if (upper == word) return kind;
    }
    return -1;
}

int32_t FindControlPartner(const ListingLines& lines, int32_t start, int gotoKind,
                           int32_t topLine, int32_t endLine, const IndentSettings& indent) {
    const GotoKindInfo* info = GotoKindOf(gotoKind);
    if (info == nullptr || !ValidLine(lines, start)) return -1;
    topLine = std::max<int32_t>(topLine, 0);
    endLine = std::min<int32_t>(endLine, static_cast<int32_t>(lines.size()) - 1);
    const int targetLevel = LineLevel(RawLine(lines, start)) + info->LevelOffset;
    if (info->Forward) {
        // The statement may go on over continued lines; its end is the start.
        while (start < endLine && HasContinuationMark(RawLine(lines, start))) ++start;
    }
    const int step = info->Forward ? 1 : -1;
    std::string argument;
    for (int32_t line = start + step; line >= topLine && line <= endLine; line += step) {
        const int level = LineLevel(RawLine(lines, line));
        if (level == targetLevel &&
            LineStatementArgument(lines, line, info->TargetWord, argument, indent))
            return line;
        if (level > 0 && level < targetLevel) return -1;
    }
    return -1;
}

std::vector<GotoMenuEntry> GotoMenuEntries(std::string_view firstWord) {
    const std::string w = UpperCase(firstWord);
    if (w == "IF") return {{GotoItem::Else, 2}, {GotoItem::EndIf, 4}};
    if (w == "ELSE") return {{GotoItem::If, 0}, {GotoItem::EndIf, 5}};
    if (w == "ENDIF") return {{GotoItem::If, 1}, {GotoItem::Else, 3}};
    if (w == "WHILE") return {{GotoItem::While, 11}};
    if (w == "ENDWHILE") return {{GotoItem::While, 10}};
    if (w == "REPEAT") return {{GotoItem::Repeat, 13}};
    if (w == "UNTIL") return {{GotoItem::Repeat, 12}};
    if (w == "SELECTCASE") return {{GotoItem::EndSelectCase, 6}};
    if (w == "ENDSELECTCASE") return {{GotoItem::SelectCase, 7}};
    if (w == "CASE") return {{GotoItem::EndSelectCase, 9}, {GotoItem::SelectCase, 8}};
    return {};
}

int CharIndexAtX(std::string_view text, int x, const TextWidthFunction& width) {
    for (size_t i = 0; i < text.size(); ++i) {
        const int before = width(text.substr(0, i));
        if (before + width(text.substr(i, 1)) / 2 >= x) return static_cast<int>(i) + 1;
    }
    return static_cast<int>(text.size()) + 1;
}

bool FindTokenAt(std::string upperText, const std::vector<std::string>& tokens, int k,
                 TokenUnderPosition& found) {
    for (const std::string& token : tokens) {
        if (token.empty()) continue;
        const size_t at = upperText.find(token);
        if (at == std::string::npos) continue;  // a token the text does not show as such
        const int p = static_cast<int>(at) + 1;
        if (p > k) return false;
        if (p + static_cast<int>(token.size()) - 1 >= k) {
            found.Token = token;
            found.Position = p;
            found.Offset = k - p + 1;
            return true;
        }
        // Blot it out so that a later equal token is found at its own place.
        std::fill_n(upperText.begin() + static_cast<std::ptrdiff_t>(at), token.size(), '\x01');
    }
    return false;
}

std::vector<std::string> DisplayTokens(const std::string& upperText, int32_t line) {
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, upperText, line, false);
    std::vector<std::string> texts;
    for (const Token& token : tokens) {
        if (!token.IsMarker()) texts.emplace_back(token.Text);
    }
    return texts;
}

bool TrimSubstitution(std::string& token, int& offset) {
    auto at = [&token](int i) { return token[static_cast<size_t>(i) - 1]; };  // 1-based
    const int length = static_cast<int>(token.size());
    for (int i = std::min(offset, length); i >= 1; --i) {
        const bool pair = i > 2 && at(i - 1) == '%' && at(i) == '%' && at(i - 2) != '%';
        const bool five = i > 5 && i + 3 <= length &&
                          token.compare(static_cast<size_t>(i) - 2, 5, "%%%%%") == 0;
        if (!pair && !five) continue;
        std::string name = token.substr(static_cast<size_t>(i));
        size_t end = 1;
        while (end < name.size() && IsIdentChar(static_cast<unsigned char>(name[end]))) ++end;
        name.resize(std::min(end, name.size()));
        token = name;
        offset -= i;
        return true;
    }
    return false;
}

TokenLookupPlan PlanTokenLookup(std::string token, int offset, const TokenLookupContext& c) {
    TokenLookupPlan plan;
    const auto symbol = [&plan](int category, std::string name, int32_t owner = -1) {
        plan.Targets.push_back(XRefTarget{category, std::move(name), false, owner});
    };
    const auto entity = [&plan](std::string name) {
        plan.Targets.push_back(XRefTarget{CatField, std::move(name), true, -1});
    };
    if (token.empty()) return plan;

    const char first = token.front();
    const char last = token.back();
    if (token.size() >= 2 && (first == '"' || first == '\'') && first == last) {
        if (token.find("%%") == std::string::npos) {
            if (FirstArgumentRefKind(c.FirstToken, 0) != 0) entity(token.substr(1, token.size() - 2));
            symbol(CatString, token);
        } else {
            symbol(CatVarString, token);
        }
        return plan;
    }

    const size_t dot = token.find('.');
    if (dot != std::string::npos) {
        symbol(CatField, token);
        // Only the part the click was on is looked up further.
        if (static_cast<int>(dot) + 1 < offset)
            token = token.substr(dot + 1);
        else
            token = token.substr(0, dot);
        if (token.empty()) return plan;
    }

    if (StartsWith(token, "$$")) {
        symbol(CatGlobalVar, token);
        return plan;
    }
    if (token.front() == '$' && token.size() > 1 && token.back() == '$') {
        symbol(CatComponentVar, token);
        return plan;
    }
    if (token.front() == '$' && token.size() >= 2 && IsDigit(token[1]) &&
        (token.size() == 2 || IsDigit(token[2]))) {
        symbol(CatRegister, token);
        return plan;
    }
    if (token.front() == '$') {
        symbol(CatFunction, token);
        return plan;
    }
    if (token.front() == '-' || IsDigit(token.front())) {
        symbol(CatNumber, token);
        return plan;
    }

    plan.BeepWhenNoneFound = true;
    symbol(CatEntry, token);
    entity(token);
    symbol(CatCommand, token);
    symbol(CatOtherVar, token);
    symbol(CatText, token);
    symbol(CatParameter, token, c.Structure);
    symbol(CatLocalVar, token, c.Structure);
    for (const std::string& name : c.EntityCaptions) symbol(CatField, token + "." + name);
    return plan;
}

std::string SelectionCopyText(const ListingLines& lines, int32_t l1, int c1, int32_t l2, int c2,
                              const IndentSettings& indent) {
    std::string result;
    for (int32_t line = l1; line <= l2; ++line) {
        if (line > l1) result += "\r\n";
        if (!ValidLine(lines, line)) continue;
        const std::string text = GetSourceLineText(lines, line, false, false, false, indent);
        const int from = std::max(line == l1 ? c1 : 1, 1);
        const int to = std::min(line == l2 ? c2 : static_cast<int>(text.size()),
                                static_cast<int>(text.size()));
        if (to >= from) result += text.substr(static_cast<size_t>(from) - 1,
                                              static_cast<size_t>(to - from + 1));
    }
    return result;
}

std::string BreakpointCommand(const ListingLines& lines, const StructureList& structures,
                              int32_t structure, int32_t line) {
    static const StructureRecord none;
    const bool known = structure >= 0 && static_cast<size_t>(structure) < structures.size();
    const StructureRecord& record = known ? structures[static_cast<size_t>(structure)] : none;
    std::string procedure;
    if (record.Kind != HeaderTrigger) {
        procedure = NthWord(record.Name, 2);
    } else {
        // A trigger is named by the line under its title.
        const int32_t below = record.Line + 1;
        if (ValidLine(lines, below)) {
            procedure = ListingLineText(RawLine(lines, below), false, false);
            procedure.resize(procedure.size() >= 2 ? procedure.size() - 2 : 0);
        }
    }
    const std::string number = ValidLine(lines, line) ? ListingLineNumber(RawLine(lines, line)) : "";
    return "br " + procedure + ":" + number;
}

int32_t FindInListing(const ListingLines& lines, int32_t start, bool down,
                      const std::string& needle, bool matchCase) {
    const auto count = static_cast<int32_t>(lines.size());
    if (count == 0) return -1;
    int32_t line = ((start % count) + count) % count;
    for (int32_t examined = 0; examined < count; ++examined) {
        std::string candidate = RawLine(lines, line);
        if (IsListingLine(candidate)) candidate.erase(0, std::min<size_t>(12, candidate.size()));
        if (!matchCase) candidate = UpperCase(candidate);
        if (candidate.find(needle) != std::string::npos) return line;
        line = down ? (line + 1) % count : (line + count - 1) % count;
    }
    return -1;
}

}  // namespace lumorca
