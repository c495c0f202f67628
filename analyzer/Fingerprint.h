#pragma once
// Names for findings that survive edits elsewhere in the listing: the
// structure a finding lies in and a fingerprint made of the rule, that
// structure's name, the symbol and the finding's ordinal among its equals,
// never a line number.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Findings.h"
#include "analyzer/Listing.h"
#include "analyzer/StructureRecord.h"

namespace lumorca {

// A trigger, entry or operation as lines of the file: from its header line
// up to the next structure's.
struct StructureSpan {
    int32_t FirstLine = 0;  // 0-based line of the file
    std::string Name;       // the structure record's; "(top)" before the first header
};

// The structures of an analysed listing in file terms, and "(end)" for the
// lines after the last line of source. `kept` maps analysed
// line indexes to file line indexes (null or empty: the same).
std::vector<StructureSpan> StructureSpans(const ListingLines& analysedLines,
                                          const StructureList& structures,
                                          const std::vector<int32_t>* kept);

// A line of Proc text: numbered, or an entry or operation header.
bool IsSourceLine(std::string_view line);

// Position in spans of the structure holding a 0-based file line; -1 when
// there is none.
int SpanOfLine(const std::vector<StructureSpan>& spans, int32_t fileLine);

// Fills Structure and Fingerprint of every finding. Findings come in file
// order: the ordinal of a finding counts the earlier ones with the same
// rule, structure and symbol.
void IdentifyFindings(std::vector<Finding>& findings, const std::vector<StructureSpan>& spans);

// 16 hex digits.
std::string FingerprintOf(std::string_view rule, std::string_view structure,
                          std::string_view symbol, int ordinal);

}  // namespace lumorca
