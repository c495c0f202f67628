#pragma once
// Findings against a baseline: new ones, known ones, and known ones that
// are gone.
#include <cstddef>
#include <vector>

#include "cli/BaselineFile.h"
#include "cli/CheckReport.h"

namespace lumorca::cli {

struct BaselineCounts {
    size_t New = 0;
    size_t Unchanged = 0;
    size_t Absent = 0;
};

// The findings of the usable files as baseline entries.
std::vector<BaselineEntry> BaselineEntries(const std::vector<FileReport>& reports);

// Moves every finding found in the baseline (same file name, same
// fingerprint) from Findings to Baselined, and lists the baseline's entries
// for a checked file that no finding matched as Absent.
BaselineCounts CompareWithBaseline(std::vector<FileReport>& reports,
                                   const std::vector<BaselineEntry>& baseline);

}  // namespace lumorca::cli
