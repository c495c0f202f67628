#include "cli/Baseline.h"

#include <map>
#include <utility>

#include "analyzer/TextEncoding.h"

namespace lumorca::cli {

std::vector<BaselineEntry> BaselineEntries(const std::vector<FileReport>& reports) {
    std::vector<BaselineEntry> entries;
    for (const FileReport& report : reports) {
        if (!report.Usable) continue;
        const std::string file = BaselineFileName(report.File);
        for (const Finding& finding : report.Findings) {
            entries.push_back(BaselineEntry{finding.Fingerprint, finding.Rule,
                                            Latin1ToUtf8(finding.Symbol), file,
                                            Latin1ToUtf8(finding.Message)});
        }
    }
    return entries;
}

BaselineCounts CompareWithBaseline(std::vector<FileReport>& reports,
                                   const std::vector<BaselineEntry>& baseline) {
    // (file, fingerprint) -> whether a finding matched it.
    std::map<std::pair<std::string, std::string>, bool> known;
    for (const BaselineEntry& entry : baseline)
        known.emplace(std::make_pair(entry.File, entry.Fingerprint), false);
    BaselineCounts counts;
    for (FileReport& report : reports) {
        if (!report.Usable) continue;
        const std::string file = BaselineFileName(report.File);
        std::vector<Finding> fresh;
        for (Finding& finding : report.Findings) {
            const auto it = known.find({file, finding.Fingerprint});
            if (it == known.end()) {
                fresh.push_back(std::move(finding));
            } else {
                it->second = true;
                report.Baselined.push_back(std::move(finding));
            }
        }
        report.Findings = std::move(fresh);
        counts.New += report.Findings.size();
        counts.Unchanged += report.Baselined.size();
    }
    // An entry is absent from the first checked file of its name; files not
    // checked in this run say nothing about their entries.
    std::map<std::string, FileReport*> byName;
    for (FileReport& report : reports) {
        if (report.Usable) byName.emplace(BaselineFileName(report.File), &report);
    }
    for (const BaselineEntry& entry : baseline) {
        const auto report = byName.find(entry.File);
        if (report == byName.end()) continue;
        bool& matched = known.at({entry.File, entry.Fingerprint});
        if (matched) continue;
        matched = true;  // a duplicate line in the baseline is absent once
        report->second->Absent.push_back(entry);
        ++counts.Absent;
    }
    return counts;
}

}  // namespace lumorca::cli
