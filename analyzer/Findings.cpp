#include "analyzer/Findings.h"

#include <algorithm>

#include "analyzer/LineModel.h"
#include "analyzer/ListingLoader.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

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

// The compiler's text of a message line: what follows the first colon.
std::string MessageText(std::string_view raw) {
    const size_t colon = raw.find(':');
    std::string text = TrimBlanks(colon == std::string_view::npos ? raw : raw.substr(colon + 1));
    return text.empty() ? TrimBlanks(raw) : text;
}

std::string Message(const FindingRecord& record, std::string_view raw) {
    const std::string spelled = ListingSpelling(raw, record.Symbol);
    const char* variable = record.Category == CatLocalVar ? "local variable " : "component variable ";
    switch (record.Kind) {
        case FindingKind::EntryUnused:
            return "entry " + spelled + " is defined but never called";
        case FindingKind::EntryUndefined:
            return "entry " + spelled + " is called but not defined in this listing";
        case FindingKind::ComponentVariableWriteOnly:
        case FindingKind::LocalVariableWriteOnly:
            return variable + spelled + " is written but never read";
        case FindingKind::ComponentVariableReadOnly:
        case FindingKind::LocalVariableReadOnly:
            return variable + spelled + " is read but never written";
        case FindingKind::ComponentVariableUnused:
        case FindingKind::LocalVariableUnused:
            return variable + spelled + " is neither read nor written";
        case FindingKind::LabelUnused:
            return "label " + spelled + " is defined but never jumped to";
        case FindingKind::LabelUndefined:
            return "label " + spelled + " is jumped to but not defined";
        case FindingKind::OpenSubstitution:
            return "string " + spelled + " opens a %% substitution without a closing %%%";
        case FindingKind::ArgumentCount:
            return "call of " + spelled + " passes " +
                   Count(record.Arguments, "argument", "arguments") + ", " +
                   (record.Category == CatEntry ? "entry" : "operation") + " has " +
                   Count(record.Parameters, "parameter", "parameters");
        case FindingKind::ListingError:
        case FindingKind::ListingWarning:
        case FindingKind::ListingInfo:
            return MessageText(raw);
        case FindingKind::UnusedSuppression:
        case FindingKind::Unreported:
            break;
    }
    return {};
}

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

std::vector<Finding> CollectFindings(const LoadedListing& listing) {
    FindingsInput input;
    input.Records = &listing.Analysis.Findings;
    input.Lines = &listing.Lines;
    input.KeptLines = &listing.Analysis.FileLines;
    return CollectFindings(input);
}

int32_t FileLineIndex(const std::vector<int32_t>* kept, int32_t analysedLine) {
    if (kept == nullptr || analysedLine < 0 || static_cast<size_t>(analysedLine) >= kept->size()) {
        return analysedLine;
    }
    return (*kept)[static_cast<size_t>(analysedLine)];
}

std::vector<Finding> CollectFindings(const FindingsInput& input) {
    std::vector<Finding> findings;
    const std::vector<FindingRule>& rules = FindingRules();
    for (const FindingRecord& record : *input.Records) {
        if (!IsReportedFinding(record)) continue;
        const FindingRule& rule = rules[static_cast<size_t>(record.Kind)];
        std::string_view raw;
        if (record.Line >= 0 && static_cast<size_t>(record.Line) < input.Lines->size()) {
            raw = (*input.Lines)[static_cast<size_t>(record.Line)];
        }
        Finding& finding = findings.emplace_back();
        finding.Line = FileLineIndex(input.KeptLines, record.Line) + 1;
        finding.Severity = rule.Severity;
        finding.Rule = rule.Id;
        finding.Symbol = record.Symbol;
        finding.Message = Message(record, raw);
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.Line < b.Line; });
    return findings;
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
