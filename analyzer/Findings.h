#pragma once
// The findings of the analysis as a lint run reports them: rule, severity
// and message, on lines of the file as read.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/FindingRecord.h"

namespace lumorca {

struct LoadedListing;

enum class FindingSeverity { Error, Warning, Note };

struct Finding {
    int32_t Line = 0;  // 1-based line of the file as it was read
    FindingSeverity Severity = FindingSeverity::Warning;
    std::string Rule;
    std::string Symbol;   // upper case; the message word for compiler messages
    std::string Message;  // Latin-1, names the symbol as the listing spells it
    // Header name of the trigger, entry or operation the line belongs to.
    std::string Structure;
    std::string Fingerprint;  // independent of line numbers, see Fingerprint.h
};

struct FindingRule {
    const char* Id;
    const char* Description;
    FindingSeverity Severity;
};
// Every rule, in a fixed order.
const std::vector<FindingRule>& FindingRules();
// Position of a rule in FindingRules(), -1 when unknown.
int FindingRuleIndex(std::string_view id);

const char* SeverityName(FindingSeverity severity);  // "error", "warning", "note"

// An analysed line index as an index in the file; unchanged without a map
// (kept null or empty) or outside it.
int32_t FileLineIndex(const std::vector<int32_t>* kept, int32_t analysedLine);

struct FindingsInput {
    const std::vector<FindingRecord>* Records = nullptr;  // AnalysisResult::Findings
    const ListingLines* Lines = nullptr;  // the listing after the analysis
    // Analysed line index -> file line index (AnalysisResult::FileLines);
    // null or empty when no line was dropped.
    const std::vector<int32_t>* KeptLines = nullptr;
};

// One finding per reported record, sorted by line (stable).
std::vector<Finding> CollectFindings(const FindingsInput& input);
std::vector<Finding> CollectFindings(const LoadedListing& listing);

// The name as it is written in the raw line (found without regard to case,
// as a whole word for names); the name itself when it is not there.
std::string ListingSpelling(std::string_view rawLine, std::string_view upperName);

}  // namespace lumorca
