#include "analyzer/Classification.h"

#include <algorithm>

#include "analyzer/AnalysisState.h"
#include "analyzer/Keywords.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsIdentToken(const Token& token) {
    return !token.IsMarker() && !token.Text.empty() &&
           IsIdentStart(static_cast<unsigned char>(token.Text[0]));
}

int Classify(AnalysisState& state, std::string_view name) {
    if (name.empty()) return CatOtherVar;
    if (name.size() >= 2 && name[0] == '$' && name[1] == '$') return CatGlobalVar;
    if (name[0] == '$' && name.back() == '$') return CatComponentVar;
    if (name[0] == '$') {
        if (name.size() >= 2 && IsDigitChar(name[1]) && (name.size() == 2 || IsDigitChar(name[2]))) {
            return CatRegister;
        }
        return CatFunction;
    }
    if (IsFunctionName(name)) return CatFunction;
    const size_t dot = name.find('.');
    if (dot != std::string_view::npos) {
        AddFieldEntity(state, name.substr(0, dot), name.substr(dot + 1, 100));
        return CatField;
    }
    if (state.DeclaredLocals.find(name) != state.DeclaredLocals.end()) return CatLocalVar;
    if (state.InParamsBlock != 1 && state.DeclaredParams.find(name) != state.DeclaredParams.end()) {
        return CatParameter;
    }
    return CatOtherVar;
}

}  // namespace

int AnalysisState::EntityIndex(const std::string& name) const {
    const auto it = std::lower_bound(EntityNames.begin(), EntityNames.end(), name);
    if (it == EntityNames.end() || *it != name) return -1;
    return static_cast<int>(it - EntityNames.begin());
}

void AddSymbolReference(AnalysisState& state, std::string_view name, std::string_view previous,
                        int category, int32_t line, int refKind) {
    if (IsQualifierWord(name, previous)) return;
    if (IsControlKeyword(name)) return;
    if (category != 0) {
        if (state.SkipSymbols) return;
    } else if (!name.empty() && name[0] == 'Y' && !previous.empty() && previous[0] == '*') {
        category = CatTriggerNo;
        refKind = RefPlain;
    } else {
        if (state.SkipSymbols) return;
        if (IsStatementKeyword(name)) {
            category = CatCommand;
            refKind = RefPlain;
        } else {
            category = Classify(state, name);
        }
    }
    if (category == CatFunction) {
        if (name == "$STATUS" && !state.Settings.ListStatus) return;
        if (name == "$RESULT" && !state.Settings.ListResult) return;
    }

    const int32_t structure = state.CurrentStructure();
    const bool local = category == CatLocalVar || category == CatParameter;
    const uint32_t number = local ? static_cast<uint32_t>(structure) : 0;

    if (category == CatParameter && state.TraceLevel(17)) {
        state.Trace->Line(std::string(name) + " [" + std::to_string(structure) + "/" +
                          std::to_string(number) + "] ");
    }

    uint32_t position = state.Index.Find(SymbolKeyView{static_cast<uint8_t>(category), number, 0, name});
    if (position == SymbolIndex::kNone) {
        position = static_cast<uint32_t>(state.Symbols.size());
        Symbol& added = state.Symbols.emplace_back();
        added.Key.Category = static_cast<uint8_t>(category);
        added.Key.Value2 = number;
        added.Key.Name.assign(name);
        state.Index.Insert(position);
    }
    Symbol& symbol = state.Symbols[position];
    if (!symbol.Refs.empty() && symbol.Refs.back().Line == line &&
        symbol.Refs.back().Kind == refKind) {
        return;
    }
    symbol.Refs.push_back(ReferenceRecord{structure, line, static_cast<uint8_t>(refKind)});
}

void AddFieldEntity(AnalysisState& state, std::string_view field, std::string_view entity) {
    if (!state.Settings.TryToMerge) return;
    std::vector<std::string>& entities = state.FieldEntities[std::string(field)];
    if (std::find(entities.begin(), entities.end(), entity) == entities.end()) {
        entities.emplace_back(entity);
    }
}

int FirstArgumentRefKind(std::string_view keyword, int32_t argumentIndex) {
    if (argumentIndex != 0) return RefNone;
    struct Row {
        std::string_view Keyword;
        int Kind;
    };
    static const Row rows[] = {
        {"SETOCC", RefSetocc},       {"CREOCC", RefCreocc},
        {"REMOCC", RefRemocc},       {"CLEAR", RefClear},
        {"STORE", RefStore},         {"RETRIEVE", RefRetrieve},
        {"DISCARD", RefDiscard},     {"RELEASE", RefRelease},
        {"CUROCC_VIDEO", RefCurOccVideo}, {"SORT", RefSort},
        {"PRINT_BREAK", RefPrintBreak},   {"FIELD_SYNTAX", RefFieldSyntax},
        {"FIELD_VIDEO", RefFieldSyntax},  {"$PROMPT", RefPrompt},
    };
    for (const Row& row : rows) {
        if (row.Keyword == keyword) return row.Kind;
    }
    return RefNone;
}

void HandleStringLiteral(AnalysisState& state, const TokenList& tokens, size_t index,
                         int32_t line) {
    const std::string_view s = tokens[index].Text;
    const int category = s.find("%%") != std::string_view::npos ? CatVarString : CatString;
    const std::string_view keyword = tokens[0].Text;
    int kind = RefRead;
    if (keyword == "ACTIVATE") {
        kind = RefActivate;
    } else if (keyword == "CALL") {
        kind = RefCall;
    } else if (keyword == "IF" || keyword == "WHILE" || keyword == "UNTIL") {
        kind = RefCondition;
    }
    AddSymbolReference(state, s, {}, category, line, kind);

    TokenList& parts = state.StringParts;
    parts.clear();
    state.StringTok.TokenizeLine(parts, s, line, true);
    const int firstArgument = FirstArgumentRefKind(keyword, state.ArgumentIndex);
    for (size_t p = 1; p < parts.size(); ++p) {
        if (!IsIdentToken(parts[p])) continue;
        if (parts[p - 1].Text == "%%") {
            AddSymbolReference(state, parts[p].Text, {}, 0, line, RefRead);
        } else if (p >= 3 && parts[p - 3].Text == "%%" && parts[p - 2].Text == "$TEXT") {
            AddSymbolReference(state, parts[p].Text, {}, CatText, line, RefRead);
        } else if (firstArgument != RefNone) {
            AddSymbolReference(state, parts[p].Text, {}, 0, line, firstArgument);
        }
    }
}

void HandleSelectStatement(AnalysisState& state, const TokenList& tokens, int32_t& line) {
    AddSymbolReference(state, tokens[0].Text, {}, CatCommand, line, RefPlain);
    const size_t count = tokens.size();

    std::string entity;
    for (size_t i = 1; i + 1 < count; ++i) {
        if (tokens[i].IsMarker() || tokens[i].Text != "FROM") continue;
        const std::string_view next = tokens[i + 1].Text;
        if (!tokens[i + 1].IsMarker() && !next.empty() && next[0] == '"' &&
            next.find("%%") == std::string_view::npos) {
            entity = next.size() >= 2 ? std::string(next.substr(1, next.size() - 2)) : std::string();
        }
        break;
    }

    bool afterFrom = false;
    bool inWhere = false;
    bool afterTo = false;
    TokenList where;
    int32_t whereLine = line;
    for (size_t i = 1; i < count; ++i) {
        const Token& token = tokens[i];
        if (token.IsMarker()) line = LineMarkerLine(token);
        if (inWhere && !afterTo) where.push_back(token);
        const std::string_view t = token.Text;
        if (token.IsMarker() || t.empty() ||
            !(IsIdentStart(static_cast<unsigned char>(t[0])) || IsQuote(t[0]))) {
            continue;
        }
        if (t == "FROM") {
            afterFrom = true;
        } else if (t == "WHERE" || t == "U_WHERE") {
            inWhere = true;
            whereLine = line;
        } else if (t == "TO") {
            afterTo = true;
        } else if (!afterFrom) {
            if (IsAggregateFunction(t)) continue;
            if (t.find('.') == std::string_view::npos && !entity.empty()) {
                AddSymbolReference(state, std::string(t) + "." + entity, {}, CatField, line, RefRead);
            } else {
                AddSymbolReference(state, t, {}, CatField, line, RefRead);
            }
        } else if (afterTo) {
            // Everything after TO receives the selected values.
            AddSymbolReference(state, t, {}, 0, line, RefWrite);
        } else if (!inWhere) {
            if (!entity.empty()) AddSymbolReference(state, entity, {}, 0, line, RefRetrieve);
            if (IsQuote(t[0])) {
                HandleStringLiteral(state, tokens, i, line);
            } else {
                AddSymbolReference(state, t, {}, 0, line, RefRead);
            }
        }
    }
    RecordWhereClause(state, where, entity, whereLine);
}

void HandleReadStatement(AnalysisState& state, const TokenList& tokens, int32_t& line) {
    AddSymbolReference(state, tokens[0].Text, {}, CatCommand, line, RefPlain);
    bool collecting = false;
    TokenList where;
    int32_t whereLine = line;
    for (size_t i = 1; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.IsMarker()) line = LineMarkerLine(token);
        const std::string_view t = token.Text;
        if (!token.IsMarker() && (t == "WHERE" || t == "U_WHERE")) {
            collecting = true;
            whereLine = line;
        } else if (!token.IsMarker() && (t == "ORDER" || t == "OPTIONS")) {
            collecting = false;
        } else if (collecting) {
            where.push_back(token);
        }
    }
    if (!where.empty()) {
        const StructureRecord& structure = state.Result.Structures[static_cast<size_t>(state.CurrentStructure())];
        const std::string entity(structure.Entity());
        RecordWhereClause(state, where, entity, whereLine);
    }
}

void RecordWhereClause(AnalysisState& state, const TokenList& tokens, const std::string& entity,
                       int32_t& line) {
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.IsMarker()) {
            line = LineMarkerLine(token);
            continue;
        }
        if (!IsIdentToken(token)) continue;
        size_t next = i + 1;
        if (next < tokens.size() && tokens[next].IsMarker()) ++next;
        const bool relational = next < tokens.size() && !tokens[next].IsMarker() &&
                                IsRelationalOperator(tokens[next].Text);
        if (relational) {
            if (token.Text.find('.') == std::string_view::npos && !entity.empty()) {
                AddSymbolReference(state, std::string(token.Text) + "." + entity, {}, CatField, line, RefRead);
            } else {
                AddSymbolReference(state, token.Text, {}, CatField, line, RefRead);
            }
        } else {
            AddSymbolReference(state, token.Text, {}, 0, line, RefRead);
        }
    }
}

}  // namespace lumorca
