#include "analyzer/Fingerprint.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "analyzer/LineModel.h"

namespace lumorca {

namespace {

constexpr uint64_t kFnvOffset = 14695981039346656037ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;
constexpr char kFieldSeparator = '\x1f';
constexpr const char* kEndName = "(end)";

void Hash(uint64_t& hash, std::string_view text) {
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kFnvPrime;
    }
    hash ^= static_cast<unsigned char>(kFieldSeparator);
    hash *= kFnvPrime;
}

// Upper case with runs of blanks made one: re-indenting a header or changing
// its case keeps the fingerprints.
std::string NormalName(std::string_view name) {
    std::string result;
    bool blank = false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) <= ' ') {
            blank = !result.empty();
            continue;
        }
        if (blank) result += ' ';
        blank = false;
        result += static_cast<char>(UpperChar(static_cast<unsigned char>(c)));
    }
    return result;
}

// A compiler message is named by its number ("1032 - ..."), not by its word
// (WARNING), which all messages of a kind share.
std::string FingerprintSymbol(const Finding& finding) {
    if (finding.Rule.rfind("listing-", 0) != 0) return finding.Symbol;
    const std::string number = NthWord(finding.Message, 1);
    const bool numeric = !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    return numeric ? number : NormalName(finding.Message);
}

}  // namespace

std::vector<StructureSpan> StructureSpans(const ListingLines& analysedLines,
                                          const StructureList& structures,
                                          const std::vector<int32_t>* kept) {
    std::vector<StructureSpan> spans;
    spans.reserve(structures.size());
    for (const StructureRecord& structure : structures) {
        StructureSpan span;
        span.FirstLine = structure.Line;
        if (kept != nullptr && span.FirstLine >= 0 &&
            static_cast<size_t>(span.FirstLine) < kept->size()) {
            span.FirstLine = (*kept)[static_cast<size_t>(span.FirstLine)];
        }
        span.Name = structure.Name;
        spans.push_back(std::move(span));
    }
    // The compiler's closing messages are about the whole component: they
    // stay where they are when a structure is added at the end.
    int32_t last = static_cast<int32_t>(analysedLines.size()) - 1;
    while (last >= 0 && !IsSourceLine(analysedLines[static_cast<size_t>(last)])) {
        --last;
    }
    if (kept != nullptr && last >= 0 && static_cast<size_t>(last) < kept->size()) {
        last = (*kept)[static_cast<size_t>(last)];
    }
    if (!spans.empty() && last + 1 > spans.back().FirstLine) {
        spans.push_back(StructureSpan{last + 1, kEndName});
    }
    return spans;
}

bool IsSourceLine(std::string_view line) {
    return IsListingLine(line) || line.rfind("******", 0) == 0;
}

int SpanOfLine(const std::vector<StructureSpan>& spans, int32_t fileLine) {
    // Structure 0 and 1 may both start at line 0: the later one holds it.
    const auto after = std::upper_bound(
        spans.begin(), spans.end(), fileLine,
        [](int32_t line, const StructureSpan& span) { return line < span.FirstLine; });
    return static_cast<int>(after - spans.begin()) - 1;
}

void IdentifyFindings(std::vector<Finding>& findings, const std::vector<StructureSpan>& spans) {
    std::map<std::tuple<std::string, std::string, std::string>, int> seen;
    for (Finding& finding : findings) {
        const int span = SpanOfLine(spans, finding.Line - 1);
        finding.Structure = span < 0 ? std::string() : spans[static_cast<size_t>(span)].Name;
        const std::string structure = NormalName(finding.Structure);
        const std::string symbol = FingerprintSymbol(finding);
        const int ordinal = seen[{finding.Rule, structure, symbol}]++;
        finding.Fingerprint = FingerprintOf(finding.Rule, structure, symbol, ordinal);
    }
}

std::string FingerprintOf(std::string_view rule, std::string_view structure,
                          std::string_view symbol, int ordinal) {
    static const char hex[] = "0123456789abcdef";
    uint64_t hash = kFnvOffset;
    Hash(hash, rule);
    Hash(hash, structure);
    Hash(hash, symbol);
    Hash(hash, std::to_string(ordinal));
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
        text[static_cast<size_t>(i)] = hex[hash & 15];
        hash >>= 4;
    }
    return text;
}

}  // namespace lumorca
