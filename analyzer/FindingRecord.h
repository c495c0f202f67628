#pragma once
// What the analysis found wrong with a listing, decided once where each rule
// decides. The warning marks of the cross-reference tree and the findings of
// a lint run are both read from these records, so they cannot disagree.
#include <cstdint>
#include <string>
#include <vector>

namespace lumorca {

class Tree;

// In the order of FindingRules() (Findings.h).
enum class FindingKind : uint8_t {
    EntryUnused,
    EntryUndefined,
    ComponentVariableWriteOnly,
    ComponentVariableReadOnly,
    ComponentVariableUnused,
    LocalVariableWriteOnly,
    LocalVariableReadOnly,
    LocalVariableUnused,
    LabelUnused,
    LabelUndefined,
    OpenSubstitution,
    ArgumentCount,
    ListingError,
    ListingWarning,
    ListingInfo,
    UnusedSuppression,
    // A suspicious symbol whose references fit none of the rules above: it
    // carries the mark, a lint run has nothing to say about it.
    Unreported,
};

struct FindingRecord {
    FindingKind Kind = FindingKind::Unreported;
    uint8_t Category = 0;  // of the symbol (CatEntry, ...)
    std::string Symbol;    // upper case; the message word for compiler messages
    int32_t Structure = -1;
    int32_t Line = -1;  // analysed line the finding stands on
    // The symbol as its position in the analysis' symbols; the reference as
    // its position among that symbol's references, -1 for the symbol itself.
    int32_t SymbolIndex = -1;
    int32_t ReferenceIndex = -1;
    // An argument-count finding: what the call passes, what the callee takes.
    int Arguments = 0;
    int Parameters = 0;
};

// Whether a lint run reports the record (a rule of FindingRules()).
bool IsReportedFinding(const FindingRecord& finding);

// Sets the warning mark on the symbol of every record but the compiler
// messages, and on the call of an argument-count record. For the tree as the
// analysis built it, before groups are moved.
void MarkWarnings(Tree& xref, const std::vector<FindingRecord>& findings);

}  // namespace lumorca
