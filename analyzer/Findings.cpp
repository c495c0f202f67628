#include "analyzer/Findings.h"

#include <algorithm>

#include "analyzer/LineModel.h"
#include "analyzer/ListingLoader.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/WarningMarks.h"
#include "analyzer/XRefTree.h"

namespace lumorca {

namespace {

bool IsReference(const TreeNode* node) { return node->Role == NodeRole::Reference; }
bool IsSymbol(const TreeNode* node) { return node->Role == NodeRole::Symbol; }

bool HasReferenceOfKind(const TreeNode* symbol, int kind) {
    for (const TreeNode* child : symbol->Children) {
        if (IsReference(child) && child->Record.Kind == kind) return true;
    }
    return false;
}

bool IsParameterSymbol(const TreeNode* symbol) {
    for (const TreeNode* child : symbol->Children) {
        if (IsReference(child) && child->Record.Kind >= RefParamIn &&
            child->Record.Kind <= RefParamInOut) {
            return true;
        }
    }
    return false;
}

bool IsNameChar(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '_' || c == '$';
}

std::string TrimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

std::string Count(int n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

class Collector {
public:
    explicit Collector(const FindingsInput& input) : in_(input) {}

    std::vector<Finding> Run() {
        const TreeNode* root = in_.XRef->FirstRoot();
        if (root != nullptr) {
            for (const TreeNode* category : root->Children) {
                if (category->Role == NodeRole::Category) Category(category, category->Record.Kind);
            }
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) { return a.Line < b.Line; });
        return std::move(findings_);
    }

private:
    const FindingsInput& in_;
    std::vector<Finding> findings_;

    int32_t FileIndex(int32_t analysedLine) const { return FileLineIndex(in_.KeptLines, analysedLine); }

    std::string_view RawLine(int32_t analysedLine) const {
        if (analysedLine < 0 || static_cast<size_t>(analysedLine) >= in_.Lines->size()) return {};
        return (*in_.Lines)[static_cast<size_t>(analysedLine)];
    }

    void Add(int32_t analysedLine, FindingSeverity severity, const char* rule,
             std::string symbol, std::string message) {
        Finding finding;
        finding.Line = FileIndex(analysedLine) + 1;
        finding.Severity = severity;
        finding.Rule = rule;
        finding.Symbol = std::move(symbol);
        finding.Message = std::move(message);
        findings_.push_back(std::move(finding));
    }

    // One finding per distinct line among the symbol's references of a kind
    // (any kind for -1).
    void AddAtReferences(const TreeNode* symbol, int kind, const char* rule,
                         const std::string& name, const char* before, const char* after) {
        int32_t previous = -1;
        for (const TreeNode* child : symbol->Children) {
            if (!IsReference(child) || (kind >= 0 && child->Record.Kind != kind)) continue;
            if (child->Record.Line == previous) continue;
            previous = child->Record.Line;
            const std::string spelled = ListingSpelling(RawLine(child->Record.Line), name);
            Add(child->Record.Line, FindingSeverity::Warning, rule, name, before + spelled + after);
        }
    }

    void Category(const TreeNode* category, int code) {
        switch (code) {
            case CatOperation:
            case CatEntry:
            case CatComponentVar:
            case CatLocalVar:
            case CatLabel:
            case CatVarString:
            case CatMessage:
                break;
            default:
                return;  // never marked
        }
        for (const TreeNode* child : category->Children) {
            if (IsSymbol(child)) {
                Symbol(child, code);
            } else if (child->Role == NodeRole::Group) {
                for (const TreeNode* symbol : child->Children) {
                    if (IsSymbol(symbol)) Symbol(symbol, code);
                }
            }
        }
    }

    void Symbol(const TreeNode* symbol, int code) {
        const std::string name = UpperCase(symbol->Caption);
        switch (code) {
            case CatOperation:
            case CatEntry:
                Callable(symbol, name, code);
                break;
            case CatComponentVar:
                if (symbol->StateImage == 1) Variable(symbol, name, false);
                break;
            case CatLocalVar:
                if (symbol->StateImage == 1) Variable(symbol, name, true);
                break;
            case CatLabel:
                if (symbol->StateImage == 1) Label(symbol, name);
                break;
            case CatVarString:
                if (symbol->StateImage == 1) {
                    AddAtReferences(symbol, -1, "open-substitution", name,
                                    "string ", " opens a %% substitution without a closing %%%");
                }
                break;
            case CatMessage:
                Messages(symbol, name);
                break;
            default:
                break;
        }
    }

    void Callable(const TreeNode* symbol, const std::string& name, int code) {
        // Parameter and local-variable groups moved under their entry or
        // operation keep their own marks.
        for (const TreeNode* child : symbol->Children) {
            if (child->Role != NodeRole::Group) continue;
            for (const TreeNode* inner : child->Children) {
                if (IsSymbol(inner) && !IsParameterSymbol(inner) && inner->StateImage == 1) {
                    Variable(inner, UpperCase(inner->Caption), true);
                }
            }
        }
        if (symbol->StateImage != 1) return;
        const bool defined = HasReferenceOfKind(symbol, RefEntryDef);
        const bool called = HasReferenceOfKind(symbol, RefFunctionCall);
        // The mark may come from the argument check alone: ask the rule the
        // tree asked, with the same read and write classes.
        bool read = false;
        bool write = false;
        for (const TreeNode* child : symbol->Children) {
            if (!IsReference(child)) continue;
            read = read || IsReadKind(child->Record.Kind);
            write = write || IsWriteKind(child->Record.Kind);
        }
        if (code == CatEntry && defined != called &&
            IsSuspiciousSymbol(CatEntry, name, read, write, *in_.Settings)) {
            if (defined) {
                AddAtReferences(symbol, RefEntryDef, "entry-unused", name,
                                "entry ", " is defined but never called");
            } else {
                AddAtReferences(symbol, RefFunctionCall, "entry-undefined", name,
                                "entry ", " is called but not defined in this listing");
            }
        }
        bool parametersCounted = false;
        int parameters = 0;
        for (const TreeNode* child : symbol->Children) {
            if (!IsReference(child) || child->Record.Kind != RefFunctionCall ||
                child->StateImage != 1) {
                continue;
            }
            if (!parametersCounted) {
                parameters = ParameterCount(symbol);
                parametersCounted = true;
            }
            const int arguments =
                CountCallArguments(*in_.Lines, child->Record.Line, name);
            const std::string spelled = ListingSpelling(RawLine(child->Record.Line), name);
            Add(child->Record.Line, FindingSeverity::Warning, "argument-count", name,
                "call of " + spelled + " passes " + Count(arguments, "argument", "arguments") +
                    ", " + (code == CatEntry ? "entry" : "operation") + " has " +
                    Count(parameters, "parameter", "parameters"));
        }
    }

    // Parameters of an entry or operation: the symbols of its group, under
    // the parameters category or moved under the symbol itself.
    int ParameterCount(const TreeNode* symbol) const {
        for (const TreeNode* child : symbol->Children) {
            if (child->Role == NodeRole::Group && child->Record.Kind == CatParameter) {
                return static_cast<int>(child->Children.size());
            }
        }
        if (const TreeNode* category = FindCategory(*in_.XRef, CatParameter)) {
            for (const TreeNode* child : category->Children) {
                if (in_.XRef->OwnerOf(child) == symbol) return static_cast<int>(child->Children.size());
            }
        }
        return 0;
    }

    void Variable(const TreeNode* symbol, const std::string& name, bool local) {
        bool read = false;
        bool write = false;
        const TreeNode* first = nullptr;
        const TreeNode* declaration = nullptr;
        for (const TreeNode* child : symbol->Children) {
            if (!IsReference(child)) continue;
            read = read || IsReadKind(child->Record.Kind);
            write = write || IsWriteKind(child->Record.Kind);
            if (first == nullptr || child->Record.Line < first->Record.Line) first = child;
            if (declaration == nullptr && child->Record.Kind == RefLocalDecl) declaration = child;
        }
        const TreeNode* at = (local && declaration != nullptr) ? declaration : first;
        if (at == nullptr) return;
        std::string rule = local ? "local-variable-" : "component-variable-";
        std::string state;
        if (write && !read) {
            rule += "write-only";
            state = " is written but never read";
        } else if (read && !write) {
            rule += "read-only";
            state = " is read but never written";
        } else if (!read && !write) {
            rule += "unused";
            state = " is neither read nor written";
        } else {
            return;
        }
        const std::string spelled = ListingSpelling(RawLine(at->Record.Line), name);
        Add(at->Record.Line, FindingSeverity::Warning, RuleId(rule),
            name, std::string(local ? "local variable " : "component variable ") + spelled + state);
    }

    void Label(const TreeNode* symbol, const std::string& name) {
        const bool defined = HasReferenceOfKind(symbol, RefLabelDef);
        const bool jumped = HasReferenceOfKind(symbol, RefGoto);
        if (defined && !jumped) {
            AddAtReferences(symbol, RefLabelDef, "label-unused", name,
                            "label ", " is defined but never jumped to");
        } else if (jumped && !defined) {
            AddAtReferences(symbol, RefGoto, "label-undefined", name,
                            "label ", " is jumped to but not defined");
        }
    }

    void Messages(const TreeNode* symbol, const std::string& name) {
        FindingSeverity severity = FindingSeverity::Note;
        const char* rule = "listing-info";
        std::string word = "INFO";
        if (name.rfind("ERROR", 0) == 0) {
            severity = FindingSeverity::Error;
            rule = "listing-error";
            word = "ERROR";
        } else if (name.rfind("WARNING", 0) == 0) {
            severity = FindingSeverity::Warning;
            rule = "listing-warning";
            word = "WARNING";
        }
        int32_t previous = -1;
        for (const TreeNode* child : symbol->Children) {
            if (!IsReference(child) || child->Record.Line == previous) continue;
            previous = child->Record.Line;
            const std::string_view raw = RawLine(child->Record.Line);
            const size_t colon = raw.find(':');
            std::string text = TrimBlanks(colon == std::string_view::npos ? raw
                                                                          : raw.substr(colon + 1));
            if (text.empty()) text = TrimBlanks(raw);
            Add(child->Record.Line, severity, rule, word, std::move(text));
        }
    }

    // Rule ids live as long as the program: the table's own strings.
    static const char* RuleId(const std::string& id) {
        const int index = FindingRuleIndex(id);
        return index < 0 ? "" : FindingRules()[static_cast<size_t>(index)].Id;
    }
};

}  // namespace

const std::vector<FindingRule>& FindingRules() {
    static const std::vector<FindingRule> rules = {
        {"entry-unused", "Entry defined but never called", FindingSeverity::Warning},
        {"entry-undefined", "Entry called but not defined in the listing",
         FindingSeverity::Warning},
        {"component-variable-write-only", "Component variable written but never read",
         FindingSeverity::Warning},
        {"component-variable-read-only", "Component variable read but never written",
         FindingSeverity::Warning},
        {"component-variable-unused", "Component variable neither read nor written",
         FindingSeverity::Warning},
        {"local-variable-write-only", "Local variable written but never read",
         FindingSeverity::Warning},
        {"local-variable-read-only", "Local variable read but never written",
         FindingSeverity::Warning},
        {"local-variable-unused", "Local variable neither read nor written",
         FindingSeverity::Warning},
        {"label-unused", "Label without a GOTO", FindingSeverity::Warning},
        {"label-undefined", "GOTO to a label that is not defined", FindingSeverity::Warning},
        {"open-substitution", "String with a %% substitution and no closing %%%",
         FindingSeverity::Warning},
        {"argument-count", "Call whose argument count differs from the parameter count",
         FindingSeverity::Warning},
        {"listing-error", "Error message of the compiler listing", FindingSeverity::Error},
        {"listing-warning", "Warning message of the compiler listing", FindingSeverity::Warning},
        {"listing-info", "Information message of the compiler listing", FindingSeverity::Note},
        {"unused-suppression", "Suppression comment that silences no finding",
         FindingSeverity::Note},
    };
    return rules;
}

int FindingRuleIndex(std::string_view id) {
    const std::vector<FindingRule>& rules = FindingRules();
    for (size_t i = 0; i < rules.size(); ++i) {
        if (id == rules[i].Id) return static_cast<int>(i);
    }
    return -1;
}

const char* SeverityName(FindingSeverity severity) {
    switch (severity) {
        case FindingSeverity::Error:
            return "error";
        case FindingSeverity::Warning:
            return "warning";
        case FindingSeverity::Note:
            return "note";
    }
    return "note";
}

std::vector<Finding> CollectFindings(const LoadedListing& listing, const AnalysisSettings& settings) {
    FindingsInput input;
    input.XRef = &listing.Analysis.XRef;
    input.Lines = &listing.Lines;
    input.KeptLines = &listing.Analysis.FileLines;
    input.Settings = &settings;
    return CollectFindings(input);
}

int32_t FileLineIndex(const std::vector<int32_t>* kept, int32_t analysedLine) {
    if (kept == nullptr || analysedLine < 0 || static_cast<size_t>(analysedLine) >= kept->size()) {
        return analysedLine;
    }
    return (*kept)[static_cast<size_t>(analysedLine)];
}

std::vector<Finding> CollectFindings(const FindingsInput& input) {
    return Collector(input).Run();
}

std::string ListingSpelling(std::string_view rawLine, std::string_view upperName) {
    if (upperName.empty() || rawLine.size() < upperName.size()) return std::string(upperName);
    const bool wholeWord = IsNameChar(static_cast<unsigned char>(upperName.front()));
    for (size_t p = 0; p + upperName.size() <= rawLine.size(); ++p) {
        size_t k = 0;
        while (k < upperName.size() &&
               UpperChar(static_cast<unsigned char>(rawLine[p + k])) ==
                   static_cast<unsigned char>(upperName[k])) {
            ++k;
        }
        if (k != upperName.size()) continue;
        if (wholeWord) {
            const size_t end = p + upperName.size();
            if (p > 0 && IsNameChar(static_cast<unsigned char>(rawLine[p - 1]))) continue;
            if (end < rawLine.size() && IsNameChar(static_cast<unsigned char>(rawLine[end]))) {
                continue;
            }
        }
        return std::string(rawLine.substr(p, upperName.size()));
    }
    return std::string(upperName);
}

}  // namespace lumorca
