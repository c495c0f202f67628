#include "analyzer/SymbolFindings.h"

#include "analyzer/LineModel.h"
#include "analyzer/Tree.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/WarningMarks.h"

namespace lumorca {

namespace {

class SymbolRules {
public:
    SymbolRules(const SymbolFacts& symbol, const ListingLines& lines,
                const AnalysisSettings& settings, std::vector<FindingRecord>& findings)
        : symbol_(symbol), refs_(*symbol.Refs), lines_(lines), settings_(settings),
          findings_(findings) {}

    void Run() {
        bool read = false;
        bool write = false;
        for (const ReferenceRecord& ref : refs_) {
            read = read || IsReadKind(ref.Kind);
            write = write || IsWriteKind(ref.Kind);
        }
        const int category = symbol_.Category;
        const bool suspicious =
            !(read && write) && IsSuspiciousSymbol(category, symbol_.KeyName, read, write, settings_);
        const size_t before = findings_.size();
        switch (category) {
            case CatEntry:
                if (suspicious) Entry();
                [[fallthrough]];
            case CatOperation:
                if (settings_.MarkInvalidParams) ArgumentCounts();
                break;
            case CatComponentVar:
            case CatLocalVar:
                if (suspicious) Variable(read, write);
                break;
            case CatLabel:
                if (suspicious) Label();
                break;
            case CatVarString:
                if (suspicious) AtReferences(-1, FindingKind::OpenSubstitution);
                break;
            case CatMessage:
                Messages();
                break;
            default:
                break;
        }
        if (suspicious && findings_.size() == before) Add(FindingKind::Unreported, nullptr);
    }

private:
    const SymbolFacts& symbol_;
    const std::vector<ReferenceRecord>& refs_;
    const ListingLines& lines_;
    const AnalysisSettings& settings_;
    std::vector<FindingRecord>& findings_;
    std::string upperName_;

    const std::string& UpperName() {
        if (upperName_.empty()) upperName_ = UpperCase(symbol_.Caption);
        return upperName_;
    }

    FindingRecord& Add(FindingKind kind, const ReferenceRecord* ref) {
        FindingRecord& finding = findings_.emplace_back();
        finding.Kind = kind;
        finding.Category = symbol_.Category;
        finding.Symbol = UpperName();
        finding.SymbolIndex = symbol_.Index;
        if (ref != nullptr) {
            finding.Structure = ref->StructureIndex;
            finding.Line = ref->Line;
            finding.ReferenceIndex = static_cast<int32_t>(ref - refs_.data());
        }
        return finding;
    }

    bool HasKind(int kind) const {
        for (const ReferenceRecord& ref : refs_) {
            if (ref.Kind == kind) return true;
        }
        return false;
    }

    // One finding per distinct line among the references of a kind (any
    // kind for -1).
    void AtReferences(int kind, FindingKind finding) {
        int32_t previous = -1;
        for (const ReferenceRecord& ref : refs_) {
            if ((kind >= 0 && ref.Kind != kind) || ref.Line == previous) continue;
            previous = ref.Line;
            Add(finding, &ref);
        }
    }

    // Defined but never used, or used but never defined: the findings stand
    // at the references of the side that exists.
    void OneSided(int defKind, int useKind, FindingKind unused, FindingKind undefined) {
        const bool defined = HasKind(defKind);
        const bool used = HasKind(useKind);
        if (defined && !used) {
            AtReferences(defKind, unused);
        } else if (used && !defined) {
            AtReferences(useKind, undefined);
        }
    }

    void Entry() {
        OneSided(RefEntryDef, RefFunctionCall, FindingKind::EntryUnused, FindingKind::EntryUndefined);
    }

    void ArgumentCounts() {
        for (const ReferenceRecord& ref : refs_) {
            if (ref.Kind != RefFunctionCall) continue;
            const int arguments = CountCallArguments(lines_, ref.Line, symbol_.Caption);
            if (arguments == symbol_.Parameters) continue;
            FindingRecord& finding = Add(FindingKind::ArgumentCount, &ref);
            finding.Arguments = arguments;
            finding.Parameters = symbol_.Parameters;
        }
    }

    // A local variable is reported at its declaration, anything else at its
    // earliest reference.
    void Variable(bool read, bool write) {
        const bool local = symbol_.Category == CatLocalVar;
        const ReferenceRecord* at = nullptr;
        const ReferenceRecord* declaration = nullptr;
        for (const ReferenceRecord& ref : refs_) {
            if (at == nullptr || ref.Line < at->Line) at = &ref;
            if (declaration == nullptr && ref.Kind == RefLocalDecl) declaration = &ref;
        }
        if (local && declaration != nullptr) at = declaration;
        if (at == nullptr) return;
        if (write && !read) {
            Add(local ? FindingKind::LocalVariableWriteOnly : FindingKind::ComponentVariableWriteOnly, at);
        } else if (read && !write) {
            Add(local ? FindingKind::LocalVariableReadOnly : FindingKind::ComponentVariableReadOnly, at);
        } else if (!read && !write) {
            Add(local ? FindingKind::LocalVariableUnused : FindingKind::ComponentVariableUnused, at);
        }
    }

    void Label() { OneSided(RefLabelDef, RefGoto, FindingKind::LabelUnused, FindingKind::LabelUndefined); }

    void Messages() {
        const std::string& name = UpperName();
        FindingKind kind = FindingKind::ListingInfo;
        std::string word = "INFO";
        if (name.rfind("ERROR", 0) == 0) {
            kind = FindingKind::ListingError;
            word = "ERROR";
        } else if (name.rfind("WARNING", 0) == 0) {
            kind = FindingKind::ListingWarning;
            word = "WARNING";
        }
        const size_t first = findings_.size();
        AtReferences(-1, kind);
        for (size_t i = first; i < findings_.size(); ++i) findings_[i].Symbol = word;
    }
};

}  // namespace

void DecideSymbolFindings(const SymbolFacts& symbol, const ListingLines& lines,
                          const AnalysisSettings& settings, std::vector<FindingRecord>& findings) {
    SymbolRules(symbol, lines, settings, findings).Run();
}

bool IsReportedFinding(const FindingRecord& finding) {
    return finding.Kind != FindingKind::Unreported;
}

void MarkWarnings(Tree& xref, const std::vector<FindingRecord>& findings) {
    for (const FindingRecord& finding : findings) {
        const FindingKind kind = finding.Kind;
        if (kind == FindingKind::ListingError || kind == FindingKind::ListingWarning ||
            kind == FindingKind::ListingInfo || finding.SymbolIndex < 0) {
            continue;
        }
        TreeNode* symbol = xref.NodeOfSymbol(static_cast<size_t>(finding.SymbolIndex));
        if (symbol == nullptr) continue;
        symbol->StateImage = StateImageWarning;
        if (kind == FindingKind::ArgumentCount && finding.ReferenceIndex >= 0 &&
            static_cast<size_t>(finding.ReferenceIndex) < symbol->Children.size()) {
            symbol->Children[static_cast<size_t>(finding.ReferenceIndex)]->StateImage = StateImageWarning;
        }
    }
}

}  // namespace lumorca
