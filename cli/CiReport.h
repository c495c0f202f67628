#pragma once
// Report formats that CI services read without extra tools.
#include <iosfwd>
#include <vector>

#include "cli/CheckReport.h"

namespace lumorca::cli {

// GitHub Actions workflow commands, shown as annotations of the run.
void WriteGithubReport(std::ostream& out, const std::vector<FileReport>& reports);
// The Code Climate issue array that GitLab reads as a Code Quality report.
void WriteCodeClimateReport(std::ostream& out, const std::vector<FileReport>& reports);

}  // namespace lumorca::cli
