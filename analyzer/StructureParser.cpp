#include "analyzer/StructureParser.h"

#include <algorithm>

#include "analyzer/AnalysisState.h"
#include "analyzer/Classification.h"
#include "analyzer/Keywords.h"
#include "analyzer/TreeImages.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

bool IsQuote(char c) { return c == '"' || c == '\''; }
bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

std::string ComponentWord(const std::string& word) {
    std::string result = word.substr(0, 1);
    result = UpperCase(result) + LowerCase(word.substr(1, 24));
    return result;
}

// Key of the first child with a caption under a parent (null: the roots).
std::string ChildKey(const TreeNode* parent, std::string_view caption) {
    std::string key(reinterpret_cast<const char*>(&parent), sizeof parent);
    key.append(caption);
    return key;
}

TreeNode* FirstChildWithCaption(AnalysisState& state, const TreeNode* parent,
                                std::string_view caption) {
    const auto it = state.FirstChildByCaption.find(ChildKey(parent, caption));
    return it == state.FirstChildByCaption.end() ? nullptr : it->second;
}

TreeNode* AddNode(AnalysisState& state, TreeNode* parent, const std::string& caption, int image,
                  const NodeRecord& record) {
    TreeNode* node = state.Result.Structure.AddWithRecord(parent, caption, image, record,
                                                                  NodeRole::Structure);
    // Only forms, entities and fields are ever looked up.
    if (record.Kind <= KindField) state.FirstChildByCaption.emplace(ChildKey(parent, caption), node);
    ++state.StructureNodeCount;
    return node;
}

int StructureImage(int kind) {
    switch (kind) {
        case KindForm: return ImageForm;
        case KindEntity: return ImageEntity;
        case KindField: return ImageField;
        case KindTrigger: return ImageTrigger;
        default: return ImageEntry;
    }
}

}  // namespace

std::string StructureCaption(const std::string& componentName, int kind, std::string_view name) {
    static const char* const words[] = {"", "Entity", "Field", "Trigger", "Entry", "Operation"};
    std::string caption = kind == KindForm ? componentName
                                           : std::string(kind >= 1 && kind <= 5 ? words[kind] : "");
    caption += ' ';
    caption.append(name);
    return caption;
}

bool IsListOutputArgument(std::string_view keyword, int32_t argumentIndex) {
    if (argumentIndex == 0) {
        return keyword == "DELITEM" || keyword == "GETITEM" || keyword == "PUTITEM" ||
               keyword == "PUTLISTITEMS" || keyword == "XMLSAVE";
    }
    if (argumentIndex == 1) {
        return keyword == "GETLISTITEMS" || keyword == "LOWERCASE" || keyword == "UPPERCASE";
    }
    return false;
}

bool IsConditionStatement(std::string_view keyword) {
    return keyword == "IF" || keyword == "WHILE" || keyword == "UNTIL";
}

TreeNode* FindStructureNode(AnalysisState& state, const std::string& caption, int kind) {
    Tree& tree = state.Result.Structure;
    if (kind == KindForm) {
        // Only a form caption can start with the component word unless that
        // word is one of the other kind words; then the whole tree is searched.
        const std::string word = caption.substr(0, caption.find(' '));
        static const char* const kindWords[] = {"Entity", "Field", "Trigger", "Entry", "Operation"};
        const bool ambiguous = std::any_of(std::begin(kindWords), std::end(kindWords),
                                           [&word](const char* w) { return word == w; });
        if (!ambiguous) return FirstChildWithCaption(state, nullptr, caption);
        for (TreeNode* node = tree.FirstRoot(); node != nullptr; node = Tree::NextInOrder(node, tree)) {
            if (node->Caption == caption) return node;
        }
        return nullptr;
    }
    if (kind != KindEntity && kind != KindField) return nullptr;
    if (state.StructureNodeCount < 2) return nullptr;
    std::string entityCaption;
    if (kind == KindEntity) {
        entityCaption = caption;
    } else {
        const std::string word = NthWord(caption, 2);
        const size_t dot = word.find('.');
        entityCaption = "Entity " + (dot == std::string::npos ? std::string() : word.substr(dot + 1));
    }
    TreeNode* entity = FirstChildWithCaption(state, tree.FirstRoot(), entityCaption);
    if (kind == KindEntity || entity == nullptr) return entity;
    return FirstChildWithCaption(state, entity, caption);
}

TreeNode* AddStructureNode(AnalysisState& state, int kind, const std::string& name, int32_t line) {
    state.DeclaredParams.clear();
    state.DeclaredLocals.clear();

    std::string nodeName = name;
    std::string entityPart;
    const size_t dot1 = name.find('.');
    if (dot1 != std::string::npos) {
        const size_t dot2 = name.find('.', dot1 + 1);
        if (dot2 == std::string::npos) {
            nodeName = name.substr(0, dot1);
            entityPart = name.substr(dot1 + 1);
        } else {
            nodeName = name.substr(0, dot2);
            entityPart = name.substr(dot1 + 1, dot2 - dot1 - 1);
        }
    }
    const std::string caption = StructureCaption(state.Result.ComponentName, kind, nodeName);

    if (kind <= KindField) {
        if (TreeNode* found = FindStructureNode(state, caption, kind)) return found;
    }

    TreeNode* parent = nullptr;
    NodeRecord record{-1, -1, static_cast<uint8_t>(kind)};
    if (kind == KindEntity) {
        parent = state.Result.Structure.FirstRoot();
    } else if (kind == KindField) {
        parent = FindStructureNode(state, "Entity " + entityPart, KindEntity);
        if (parent == nullptr) parent = AddStructureNode(state, KindEntity, entityPart, line);
    } else if (kind >= KindTrigger) {
        parent = state.CurrentParentNode;
        state.Result.StructureStarts.push_back(line);
        const std::string_view header = static_cast<size_t>(line) < state.Lines.size()
                                            ? std::string_view(state.Lines[static_cast<size_t>(line)])
                                            : std::string_view();
        state.Result.Structures.push_back(HeaderStructure(header, line));
        record.StructureIndex = state.CurrentStructure();
        record.Line = line;
    }
    TreeNode* node = AddNode(state, parent, caption, StructureImage(kind), record);

    if (kind == KindEntity) {
        const std::string entity = nodeName.substr(0, nodeName.find('.'));
        const auto pos = std::lower_bound(state.EntityNames.begin(), state.EntityNames.end(), entity);
        if (pos == state.EntityNames.end() || *pos != entity) state.EntityNames.insert(pos, entity);
        std::vector<EntityMenuItem>& menu = state.Result.EntityMenu;
        const auto at = std::find_if(menu.begin(), menu.end(), [&entity](const EntityMenuItem& item) {
            return item.Caption > entity;
        });
        menu.insert(at, EntityMenuItem{entity, node});
    } else if (kind == KindField) {
        AddFieldEntity(state, nodeName.substr(0, nodeName.find('.')), entityPart);
    }
    return node;
}

namespace {

// Token texts as views, so that comparing with a word needs no strlen.
struct Statement {
    TokenList& Tokens;
    std::string_view operator[](size_t k) const { return Tokens[k].Text; }
    size_t Size() const { return Tokens.size(); }
};

bool IsParamDeclarationWithType(const Statement& t, size_t n) {
    return n >= 4 && (t[n - 4] == "ENTITY" || t[n - 4] == "OCCURRENCE");
}

// The activated component of RUN, ACTIVATE and NEW_INSTANCE.
size_t ParseActivation(AnalysisState& state, TokenList& tokens, int32_t line, size_t& last) {
    std::string c(tokens[1].Text);
    bool variable = true;
    if (!c.empty() && IsQuote(c[0])) {
        c = c.size() >= 2 ? c.substr(1, c.size() - 2) : std::string();
        if (c.compare(0, 2, "%%") == 0) {
            c.erase(0, 2);
        } else {
            variable = false;
        }
    }
    size_t start = tokens.size();
    if (tokens[0].Text == "ACTIVATE") {
        const size_t dot = c.find('.');
        if (dot != std::string::npos) {
            std::string operation = c.substr(dot + 1, 100);
            c.resize(dot);
            tokens[1].Text = state.Tok.Keep(c);
            tokens.insert(tokens.begin() + 2, Token{".", -1});
            tokens.insert(tokens.begin() + 3, Token{state.Tok.Keep(operation), -1});
            last += 2;
        }
        if (tokens.size() > 3) {
            const std::string operation(tokens[3].Text);
            if (!operation.empty() && operation[0] == '$') {
                AddSymbolReference(state, operation, {}, 0, line, RefRead);
            }
            if (c == "$INSTANCENAME" || c == state.Result.ListingComponent) {
                AddSymbolReference(state, operation, {}, CatOperation, line, RefFunctionCall);
            }
        }
        start = 4;
    }
    AddSymbolReference(state, c, {}, CatActivate, line, RefActivateTarget);
    if (variable) AddSymbolReference(state, c, {}, 0, line, RefRead);
    return start;
}

void WalkIdentifier(AnalysisState& state, TokenList& tokens, size_t& i, int32_t line, int& depth) {
    const Statement T{tokens};
    const std::string_view t = T[i];
    const std::string_view p = i > 0 ? T[i - 1] : std::string_view();
    const size_t n = T.Size();
    int c = 0;
    int k = RefNone;
    if (state.InVariablesBlock == 1) {
        if (i > 0) {
            c = CatLocalVar;
            k = RefLocalDecl;
            state.DeclaredLocals.emplace(t);
        }
    } else if (i + 1 < n && !tokens[i + 1].IsMarker() && T[i + 1] == "(" && !IsFunctionName(t) &&
               (i > 0 || !IsReservedWord(t))) {
        c = CatEntry;
        k = RefFunctionCall;
        ++i;
        ++depth;
    } else if (i == 0) {
        k = (n > 2 && (T[2] == "\"\"" || T[2] == "0")) ? RefInit : RefWrite;
    } else if (i == 1 && (T[0] == "SET" || T[0] == "RESET")) {
        k = RefWrite;
    } else if (IsListOutputArgument(T[0], state.ArgumentIndex)) {
        k = RefWrite;
    } else if (T[0] == "CALL" || depth > 0) {
        k = RefCall;
    } else if (T[0] == "ACTIVATE") {
        k = RefActivate;
    } else if (IsConditionStatement(T[0])) {
        k = RefCondition;
    } else if (state.ArgumentIndex == 0 && (T[0] == "FIELD_SYNTAX" || T[0] == "FIELD_VIDEO")) {
        k = RefFieldSyntax;
    } else if (state.ArgumentIndex == 0 && T[0] == "$PROMPT") {
        k = RefPrompt;
    } else if (state.InVariablesBlock == 0 && state.InParamsBlock == 0) {
        k = RefRead;
    }
    if (i >= 2 && T[i - 2] == "$TEXT") {
        c = CatText;
        if (k == RefNone) k = RefRead;
    }
    if (k != RefNone) AddSymbolReference(state, t, p, c, line, k);
}

void WalkNumber(AnalysisState& state, const Statement& T, std::string_view token, int32_t line) {
    std::string t(token);
    bool numeric = true;
    for (size_t j = 1; j < t.size(); ++j) {
        if (!IsDigitChar(t[j]) && t[j] != '.' && t[j] != ',') numeric = false;
    }
    if (!t.empty() && !IsDigitChar(t.back())) t.pop_back();
    if (!numeric || t.empty()) return;
    int kind = RefRead;
    if (T[0] == "ACTIVATE") {
        kind = RefActivate;
    } else if (T[0] == "CALL") {
        kind = RefCall;
    } else if (IsConditionStatement(T[0])) {
        kind = RefCondition;
    }
    AddSymbolReference(state, t, {}, CatNumber, line, kind);
}

void WalkOperator(AnalysisState& state, const Statement& T, size_t i, int32_t line, int& depth) {
    const std::string_view t = T[i];
    if (state.InVariablesBlock != 0) {
        if (t == "[") state.InVariablesBlock = 2;
        if (t == "]") state.InVariablesBlock = 1;
    } else if (state.InParamsBlock != 0) {
        if (t == "[") state.InParamsBlock = 2;
        if (t == "]") state.InParamsBlock = 1;
    } else if (t == "<" && i + 2 < T.Size() && T[i + 2] == ">" && !T.Tokens[i + 2].IsMarker()) {
        std::string constant = "<";
        constant.append(T[i + 1]);
        constant += '>';
        AddSymbolReference(state, constant, {}, CatConstant, line, RefPlain);
    } else if (t == ",") {
        ++state.ArgumentIndex;
    } else if (t == "(") {
        if (depth >= 1) ++depth;
    } else if (t == ")") {
        if (depth >= 1) --depth;
    }
}

}  // namespace

void ParseStatement(AnalysisState& state, TokenList& tokens) {
    if (tokens.empty()) return;
    int32_t line = LineMarkerLine(tokens[0]);
    tokens.erase(tokens.begin());
    state.ArgumentIndex = 0;
    int depth = 0;
    const Statement T{tokens};
    const size_t n = tokens.size();
    if (n == 0) return;
    const bool warningsOnly = state.Settings.WarningsOnly;

    if (T[0] == "TRIGGER") {
        if (n >= 8) {
            state.SkipSymbols = T[2] == "ERRF" && state.Settings.IgnoreERRF;
            std::string& component = state.Result.ComponentName;
            if (component.empty()) component = ComponentWord(std::string(T[5]));
            if (T[5] == UpperCase(component)) {
                state.CurrentParentNode = AddStructureNode(state, KindForm, std::string(T[7]), line);
            } else if (T[5] == "ENTITY") {
                state.CurrentParentNode = AddStructureNode(state, KindEntity, std::string(T[7]), line);
            } else if (T[5] == "FIELD") {
                state.CurrentParentNode = AddStructureNode(state, KindField, std::string(T[7]), line);
            }
            state.CurrentParentNode = AddStructureNode(state, KindTrigger, std::string(T[2]), line);
        }
        tokens.clear();
        return;
    }
    if ((n > 1 && T[1] == "OPERATION") || (n > 2 && T[2] == "OPERATION")) {
        const size_t at = (n > 1 && T[1] == "OPERATION") ? 2 : 3;
        if (at < n) {
            const std::string name(T[at]);
            AddStructureNode(state, KindOperation, name, line);
            if (!warningsOnly) AddSymbolReference(state, name, {}, CatOperation, line, RefOperationDef);
        }
        tokens.clear();
        return;
    }
    if (n > 1 && T[1] == "ENTRY") {
        if (n > 2) {
            const std::string name(T[2]);
            AddStructureNode(state, KindEntry, name, line);
            if (!warningsOnly) AddSymbolReference(state, name, {}, CatEntry, line, RefEntryDef);
            state.Result.EntryList.push_back(UpperCase(name));
        }
        tokens.clear();
        return;
    }
    if ((T[0] == "INFO" || T[0] == "WARNING" || T[0] == "ERROR") && n >= 2 && T[1] == ":") {
        std::string name(T[0]);
        if (state.Settings.ServiceWarnings && line >= 0 &&
            static_cast<size_t>(line) < state.Lines.size()) {
            const std::string& raw = state.Lines[static_cast<size_t>(line)];
            if (raw.find("in a service") != std::string::npos ||
                raw.find("in service") != std::string::npos ||
                raw.find("from a service") != std::string::npos) {
                name += " (Service)";
            }
        }
        AddSymbolReference(state, name, {}, CatMessage, line, RefPlain);
        tokens.clear();
        return;
    }
    if (warningsOnly) {
        tokens.clear();
        return;
    }

    size_t start = 0;
    size_t last = n - 1;
    const std::string_view t0 = T[0];
    if (!t0.empty() && t0[0] == '#' && n > 1) {
        std::string directive(t0);
        directive.append(T[1]);
        AddSymbolReference(state, directive, {}, CatPrecompiler, line, RefPlain);
        start = n;
    } else if (t0 == "PARAMS") {
        state.InParamsBlock = 1;
        state.DeclaredParams.clear();
        start = n;
    } else if (t0 == "ENDPARAMS") {
        state.InParamsBlock = 0;
        start = n;
    } else if (state.InParamsBlock == 1) {
        if (n >= 3) {
            const std::string name(T[n - 3]);
            const std::string_view direction = T[n - 1];
            const int kind = direction == "IN" ? RefParamIn
                             : direction == "OUT" ? RefParamOut
                                                  : RefParamInOut;
            state.DeclaredParams.insert(name);
            AddSymbolReference(state, name, {}, CatParameter, line, kind);
            if (IsParamDeclarationWithType(T, n)) {
                AddSymbolReference(state, name, {}, 0, line, kind);
            } else if (!name.empty() && name.front() == '$' && name.back() == '$') {
                AddSymbolReference(state, name, {}, CatComponentVar, line, kind);
            }
        }
        start = n;
    } else if (t0 == "VARIABLES") {
        state.InVariablesBlock = 1;
        start = n;
    } else if (t0 == "ENDVARIABLES") {
        state.InVariablesBlock = 0;
        start = n;
    } else if (t0 == "CALL") {
        if (n >= 2) {
            AddSymbolReference(state, t0, {}, CatCommand, line, RefPlain);
            AddSymbolReference(state, T[1], {}, CatEntry, line, RefFunctionCall);
            start = 2;
        } else {
            start = n;
        }
    } else if (t0 == "RUN" || t0 == "ACTIVATE" || t0 == "NEW_INSTANCE") {
        start = n >= 2 ? ParseActivation(state, tokens, line, last) : n;
    } else if (n > 1 && T[1] == ":") {
        AddSymbolReference(state, t0, {}, CatLabel, line, RefLabelDef);
        start = n;
    } else if (t0 == "GOTO") {
        if (n >= 2) {
            AddSymbolReference(state, T[1], {}, CatLabel, line, RefGoto);
            AddSymbolReference(state, t0, {}, CatCommand, line, RefPlain);
        }
        start = n;
    } else if (t0 == "SELECTDB") {
        HandleSelectStatement(state, tokens, line);
        start = n;
    } else if (t0 == "READ") {
        HandleReadStatement(state, tokens, line);
        start = n;
    }

    if (T[0] == "IF") {
        // The condition ends at the ")" that closes the group at T[1].
        int count = 0;
        for (size_t k = 1; k < tokens.size(); ++k) {
            if (T[k] == "(") ++count;
            if (T[k] == ")") --count;
            if (count <= 0) {  // also a ")" at T[1]: no group, the condition ends there
                last = k;
                break;
            }
        }
    }

    for (size_t i = start; i <= last && i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.IsMarker()) {
            line = LineMarkerLine(token);
            continue;
        }
        const std::string_view t = token.Text;
        if (t.empty()) continue;
        const unsigned char first = static_cast<unsigned char>(t[0]);
        if (IsIdentStart(first)) {
            WalkIdentifier(state, tokens, i, line, depth);
        } else if (first == '-' || IsDigitChar(static_cast<char>(first))) {
            WalkNumber(state, T, t, line);
        } else if (IsQuote(static_cast<char>(first))) {
            HandleStringLiteral(state, tokens, i, line);
        } else {
            WalkOperator(state, T, i, line, depth);
        }
    }
    tokens.erase(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(std::min(last + 1, tokens.size())));
}

}  // namespace lumorca
