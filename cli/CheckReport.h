#pragma once
// What `check` prints: the findings of every file in text, JSON or SARIF.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Findings.h"
#include "cli/BaselineFile.h"

namespace lumorca::cli {

struct FileReport {
    std::string File;  // as given on the command line
    bool Usable = false;
    std::string Problem;  // one line of UTF-8, when the file could not be used
    std::vector<Finding> Findings;  // what is reported; only the new ones against a baseline
    std::vector<Finding> Baselined;  // found and in the baseline
    std::vector<BaselineEntry> Absent;  // in the baseline and no longer found
};

enum class ReportFormat { Text, Json, Sarif, Github, CodeClimate };

void WriteTextReport(std::ostream& out, const std::vector<FileReport>& reports);
void WriteJsonReport(std::ostream& out, const std::vector<FileReport>& reports);
// With baselineStates every result says whether it is new, unchanged or
// absent.
void WriteSarifReport(std::ostream& out, const std::vector<FileReport>& reports,
                      std::string_view toolVersion, bool baselineStates = false);

// The file name as a URI reference: a relative name stays relative, an
// absolute one becomes a file: URI; unsafe bytes are percent-encoded.
std::string FileUri(std::string_view fileName);

}  // namespace lumorca::cli
