#include "cli/CheckReport.h"

#include <filesystem>
#include <ostream>

#include "analyzer/TextEncoding.h"
#include "cli/Json.h"

namespace lumorca::cli {

namespace {

bool IsUriSafe(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

std::string PercentEncode(std::string_view path, bool keepDriveColon) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (IsUriSafe(c) || (keepDriveColon && i == 1 && c == ':')) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

// Relative file names are relative to the run's SRCROOT, the directory the
// check ran in; absolute ones stand alone.
constexpr const char* kSourceRoot = "SRCROOT";
constexpr const char* kFingerprintKey = "lumorcaFingerprint/v1";

bool IsRelativeUri(std::string_view uri) { return uri.rfind("file:", 0) != 0; }

std::string ArtifactLocation(std::string_view fileName) {
    std::string uri = FileUri(fileName);
    if (!IsRelativeUri(uri)) return "{\"uri\": " + JsonString(uri) + "}";
    while (uri.rfind("./", 0) == 0) uri.erase(0, 2);
    return "{\"uri\": " + JsonString(uri) + ", \"uriBaseId\": \"" + kSourceRoot + "\"}";
}

// The base of the relative names, when there are any: a file: URI of the
// working directory, ending in a slash.
std::string OriginalUriBaseIds(const std::vector<FileReport>& reports) {
    bool relative = false;
    for (const FileReport& report : reports) {
        relative = relative || IsRelativeUri(FileUri(report.File));
    }
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    if (!relative || error) return {};
    std::string uri = FileUri(directory.string());
    if (uri.empty() || uri.back() != '/') uri += '/';
    return std::string("      \"originalUriBaseIds\": {\"") + kSourceRoot +
           "\": {\"uri\": " + JsonString(uri) + "}},\n";
}

struct SarifResult {
    const Finding* Found = nullptr;
    const char* State = nullptr;  // baselineState, none without a baseline
};

// New and unchanged findings of one file in line order.
std::vector<SarifResult> CurrentResults(const FileReport& report, bool baselineStates) {
    std::vector<SarifResult> results;
    size_t known = 0;
    for (const Finding& finding : report.Findings) {
        while (known < report.Baselined.size() && report.Baselined[known].Line <= finding.Line) {
            results.push_back({&report.Baselined[known++], "unchanged"});
        }
        results.push_back({&finding, baselineStates ? "new" : nullptr});
    }
    while (known < report.Baselined.size()) {
        results.push_back({&report.Baselined[known++], "unchanged"});
    }
    return results;
}

FindingSeverity RuleSeverity(const std::string& rule) {
    const int index = FindingRuleIndex(rule);
    return index < 0 ? FindingSeverity::Note : FindingRules()[static_cast<size_t>(index)].Severity;
}

}  // namespace

std::string FileUri(std::string_view fileName) {
    std::string name = FileNameToUtf8(fileName);
#ifdef _WIN32
    for (char& c : name) {
        if (c == '\\') c = '/';
    }
#endif
    const bool drive = name.size() >= 3 && name[1] == ':' && name[2] == '/' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    if (drive) return "file:///" + PercentEncode(name, true);
    if (!name.empty() && name[0] == '/') return "file://" + PercentEncode(name, false);
    return PercentEncode(name, false);
}

void WriteTextReport(std::ostream& out, const std::vector<FileReport>& reports) {
    for (const FileReport& report : reports) {
        for (const Finding& finding : report.Findings) {
            out << report.File << ':' << finding.Line << ": " << SeverityName(finding.Severity)
                << ": " << finding.Message << " [" << finding.Rule << "]\n";
        }
    }
}

void WriteJsonReport(std::ostream& out, const std::vector<FileReport>& reports) {
    bool first = true;
    out << '[';
    for (const FileReport& report : reports) {
        const std::string file = JsonString(FileNameToUtf8(report.File));
        for (const Finding& finding : report.Findings) {
            out << (first ? "\n" : ",\n");
            first = false;
            out << "  {\"file\": " << file << ", \"line\": " << finding.Line
                << ", \"severity\": \"" << SeverityName(finding.Severity) << "\", \"rule\": \""
                << finding.Rule << "\", \"symbol\": " << JsonLatin1(finding.Symbol)
                << ", \"message\": " << JsonLatin1(finding.Message)
                << ", \"fingerprint\": " << JsonString(finding.Fingerprint) << '}';
        }
    }
    out << (first ? "]\n" : "\n]\n");
}

void WriteSarifReport(std::ostream& out, const std::vector<FileReport>& reports,
                      std::string_view toolVersion, bool baselineStates) {
    out << "{\n"
           "  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
           "  \"version\": \"2.1.0\",\n"
           "  \"runs\": [\n"
           "    {\n"
           "      \"tool\": {\n"
           "        \"driver\": {\n"
           "          \"name\": \"lumorca-cli\",\n"
           "          \"version\": "
        << JsonString(toolVersion)
        << ",\n"
           "          \"rules\": [";
    const std::vector<FindingRule>& rules = FindingRules();
    for (size_t i = 0; i < rules.size(); ++i) {
        out << (i == 0 ? "\n" : ",\n") << "            {\"id\": \"" << rules[i].Id
            << "\", \"shortDescription\": {\"text\": " << JsonString(rules[i].Description)
            << "}, \"defaultConfiguration\": {\"level\": \"" << SeverityName(rules[i].Severity)
            << "\"}}";
    }
    out << "\n          ]\n"
           "        }\n"
           "      },\n"
        << OriginalUriBaseIds(reports);
    // Files that could not be used are the run's own notifications.
    bool successful = true;
    for (const FileReport& report : reports) successful = successful && report.Usable;
    out << "      \"invocations\": [{\"executionSuccessful\": " << (successful ? "true" : "false")
        << ", \"toolExecutionNotifications\": [";
    bool firstProblem = true;
    for (const FileReport& report : reports) {
        if (report.Usable) continue;
        out << (firstProblem ? "\n" : ",\n");
        firstProblem = false;
        out << "        {\"level\": \"error\", \"message\": {\"text\": "
            << JsonString(report.Problem)
            << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
            << ArtifactLocation(report.File) << "}}]}";
    }
    out << (firstProblem ? "]}],\n" : "\n      ]}],\n");
    out << "      \"results\": [";
    bool first = true;
    for (const FileReport& report : reports) {
        const std::string location = ArtifactLocation(report.File);
        for (const SarifResult& result : CurrentResults(report, baselineStates)) {
            const Finding& finding = *result.Found;
            out << (first ? "\n" : ",\n");
            first = false;
            out << "        {\"ruleId\": \"" << finding.Rule
                << "\", \"ruleIndex\": " << FindingRuleIndex(finding.Rule) << ", \"level\": \""
                << SeverityName(finding.Severity)
                << "\", \"message\": {\"text\": " << JsonLatin1(finding.Message)
                << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
                << location << ", \"region\": {\"startLine\": " << finding.Line
                << "}}}], \"partialFingerprints\": {\"" << kFingerprintKey
                << "\": " << JsonString(finding.Fingerprint) << '}';
            if (result.State != nullptr) out << ", \"baselineState\": \"" << result.State << '"';
            out << '}';
        }
        // A fixed finding has no line any more: its file is its place.
        for (const BaselineEntry& entry : report.Absent) {
            out << (first ? "\n" : ",\n");
            first = false;
            const int index = FindingRuleIndex(entry.Rule);
            out << "        {";
            if (!entry.Rule.empty()) out << "\"ruleId\": " << JsonString(entry.Rule) << ", ";
            if (index >= 0) out << "\"ruleIndex\": " << index << ", ";
            out << "\"level\": \"" << SeverityName(RuleSeverity(entry.Rule))
                << "\", \"message\": {\"text\": " << JsonString(entry.Message)
                << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
                << location << "}}], \"partialFingerprints\": {\"" << kFingerprintKey
                << "\": " << JsonString(entry.Fingerprint) << "}, \"baselineState\": \"absent\"}";
        }
    }
    out << (first ? "]\n" : "\n      ]\n")
        << "    }\n"
           "  ]\n"
           "}\n";
}

}  // namespace lumorca::cli
