#include "cli/CiReport.h"

#include <ostream>
#include <string_view>

#include "analyzer/Fingerprint.h"
#include "analyzer/TextEncoding.h"
#include "cli/Json.h"

namespace lumorca::cli {

namespace {

const char* GithubCommand(FindingSeverity severity) {
    switch (severity) {
        case FindingSeverity::Error:
            return "error";
        case FindingSeverity::Warning:
            return "warning";
        case FindingSeverity::Note:
            return "notice";
    }
    return "notice";
}

// Workflow commands end at a line break, and their properties at ',' and
// ':': those are written as %XX.
std::string GithubEscape(std::string_view text, bool property) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '%':
                out += "%25";
                break;
            case '\r':
                out += "%0D";
                break;
            case '\n':
                out += "%0A";
                break;
            case ':':
                out += property ? "%3A" : ":";
                break;
            case ',':
                out += property ? "%2C" : ",";
                break;
            default:
                out += c;
        }
    }
    return out;
}

const char* CodeClimateSeverity(FindingSeverity severity) {
    switch (severity) {
        case FindingSeverity::Error:
            return "critical";
        case FindingSeverity::Warning:
            return "major";
        case FindingSeverity::Note:
            return "info";
    }
    return "info";
}

}  // namespace

void WriteGithubReport(std::ostream& out, const std::vector<FileReport>& reports) {
    for (const FileReport& report : reports) {
        const std::string file = GithubEscape(FileNameToUtf8(report.File), true);
        for (const Finding& finding : report.Findings) {
            out << "::" << GithubCommand(finding.Severity) << " file=" << file
                << ",line=" << finding.Line << ",title=" << GithubEscape(finding.Rule, true)
                << "::" << GithubEscape(Latin1ToUtf8(finding.Message), false) << '\n';
        }
    }
}

void WriteCodeClimateReport(std::ostream& out, const std::vector<FileReport>& reports) {
    bool first = true;
    out << '[';
    for (const FileReport& report : reports) {
        const std::string path = FileNameToUtf8(report.File);
        for (const Finding& finding : report.Findings) {
            // GitLab wants fingerprints unique in the whole report: the path
            // goes in.
            const std::string fingerprint =
                FingerprintOf(finding.Rule, path, finding.Fingerprint, 0);
            out << (first ? "\n" : ",\n");
            first = false;
            out << "  {\"type\": \"issue\", \"check_name\": " << JsonString(finding.Rule)
                << ", \"description\": " << JsonLatin1(finding.Message)
                << ", \"categories\": [\"Bug Risk\"], \"fingerprint\": " << JsonString(fingerprint)
                << ", \"severity\": \"" << CodeClimateSeverity(finding.Severity)
                << "\", \"location\": {\"path\": " << JsonString(path)
                << ", \"lines\": {\"begin\": " << finding.Line << "}}}";
        }
    }
    out << (first ? "]\n" : "\n]\n");
}

}  // namespace lumorca::cli
