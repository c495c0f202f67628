#pragma once
// Findings silenced by comments in the source, which the compiler copies
// into the listing:
//   ; lumorca: ignore RULE[, RULE...]            on the finding's line, or
//                                                 alone on the line above it
//   ; lumorca: ignore-structure RULE[, RULE...]  anywhere in a trigger, entry
//                                                 or operation
#include <cstdint>
#include <string>
#include <vector>

#include "analyzer/Findings.h"
#include "analyzer/Fingerprint.h"
#include "analyzer/Listing.h"

namespace lumorca {

struct Suppression {
    int32_t Line = 0;  // 0-based line of the file
    bool WholeStructure = false;
    bool Alone = false;              // nothing but the comment on its line
    std::vector<std::string> Rules;  // lower case, as written
};

std::vector<Suppression> FindSuppressions(const ListingLines& fileLines);

// Drops the findings a suppression silences and adds an unused-suppression
// note for every rule of a suppression that silences nothing. Findings are
// identified (IdentifyFindings) before: silencing one keeps the others'
// fingerprints.
void ApplySuppressions(std::vector<Finding>& findings, const ListingLines& fileLines,
                       const std::vector<StructureSpan>& spans);

}  // namespace lumorca
