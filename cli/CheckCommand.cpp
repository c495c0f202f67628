// lumorca-cli check [--format F] [--baseline FILE | --write-baseline FILE]
// FILE...: the warning marks of the analysis and the listing's compiler
// messages as diagnostics.
#include <algorithm>
#include <atomic>
#include <exception>
#include <ostream>
#include <system_error>
#include <thread>

#include "analyzer/Findings.h"
#include "analyzer/Fingerprint.h"
#include "analyzer/ListingLoader.h"
#include "analyzer/Suppressions.h"
#include "analyzer/TextEncoding.h"
#include "cli/Baseline.h"
#include "cli/CheckReport.h"
#include "cli/CiReport.h"
#include "cli/Command.h"
#include "cli/Options.h"

#ifndef LUMORCA_VERSION
#define LUMORCA_VERSION "7"
#endif

namespace lumorca::cli {
namespace {

ReportFormat ParseFormat(const std::string& name) {
    if (name == "text") return ReportFormat::Text;
    if (name == "json") return ReportFormat::Json;
    if (name == "sarif") return ReportFormat::Sarif;
    if (name == "github") return ReportFormat::Github;
    if (name == "codeclimate") return ReportFormat::CodeClimate;
    throw UsageError("unknown format \"" + name +
                     "\" (text, json, sarif, github or codeclimate)");
}

FileReport CheckFile(const std::string& fileName, const AnalysisSettings& settings) {
    FileReport report;
    report.File = fileName;
    try {
        // Suppressions are read from the file as it is, empty lines included.
        const ListingLines fileLines = ReadListing(ListingSource::File(fileName), settings.Language);
        const LoadedListing listing = AnalyzeReadListing(fileLines, settings);
        report.Findings = CollectFindings(listing);
        const std::vector<StructureSpan> spans = StructureSpans(
            listing.Lines, listing.Analysis.Structures, &listing.Analysis.FileLines);
        IdentifyFindings(report.Findings, spans);
        ApplySuppressions(report.Findings, fileLines, spans);
        report.Usable = true;
    } catch (const EFileNotReadable& error) {
        report.Problem = error.Utf8Message();
    } catch (const std::exception& error) {
        report.Problem = FileNameToUtf8(fileName) + ": " + Latin1ToUtf8(error.what());
    }
    return report;
}

// Files are independent: each worker takes the next unchecked file.
std::vector<FileReport> CheckFiles(const std::vector<std::string>& files,
                                   const AnalysisSettings& settings) {
    std::vector<FileReport> reports(files.size());
    std::atomic<size_t> next{0};
    auto work = [&]() {
        for (size_t i = next++; i < files.size(); i = next++) {
            reports[i] = CheckFile(files[i], settings);
        }
    };
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min(cores, files.size());
    {
        // jthreads join however this block is left; a worker that cannot be
        // started only means fewer workers.
        std::vector<std::jthread> threads;
        for (size_t i = 1; i < workers; ++i) {
            try {
                threads.emplace_back(work);
            } catch (const std::system_error&) {
                break;
            }
        }
        work();
    }
    return reports;
}

constexpr const char* kUsage =
    "check [--format text|json|sarif|github|codeclimate] "
    "[--baseline FILE | --write-baseline FILE] FILE...";

// "--name VALUE" or "--name=VALUE" at args[i]; false for another argument.
bool OptionValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
                 std::string& value) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
        value = args[++i];
        return true;
    }
    if (arg.rfind(name + "=", 0) == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

int RunCheck(Context& context) {
    ReportFormat format = ReportFormat::Text;
    std::string baselineFile;
    std::string newBaselineFile;
    std::vector<std::string> files;
    for (size_t i = 0; i < context.Args.size(); ++i) {
        const std::string& arg = context.Args[i];
        std::string value;
        if (OptionValue(context.Args, i, "--format", value)) {
            format = ParseFormat(value);
        } else if (OptionValue(context.Args, i, "--baseline", value)) {
            baselineFile = value;
        } else if (OptionValue(context.Args, i, "--write-baseline", value)) {
            newBaselineFile = value;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            throw UsageError("unknown option \"" + arg + "\" for check");
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) throw UsageError(std::string("usage: lumorca-cli ") + kUsage);
    if (!baselineFile.empty() && !newBaselineFile.empty()) {
        throw UsageError("--baseline and --write-baseline exclude each other");
    }
    // Read first: a baseline that cannot be used must not look like a clean run.
    std::vector<BaselineEntry> baseline;
    if (!baselineFile.empty()) baseline = ReadBaseline(baselineFile);

    std::vector<FileReport> reports = CheckFiles(files, context.Settings);

    bool unusable = false;
    size_t checked = 0;
    for (const FileReport& report : reports) {
        if (!report.Usable) {
            unusable = true;
            *context.Err << "lumorca-cli: " << report.Problem << "\n";
        } else {
            ++checked;
        }
    }
    if (!newBaselineFile.empty()) {
        // A baseline without some file's findings would fail the next run.
        if (unusable) return ExitUnusable;
        const std::vector<BaselineEntry> entries = BaselineEntries(reports);
        WriteBaseline(newBaselineFile, entries);
        *context.Err << entries.size() << " findings in " << checked
                     << " files written to " << newBaselineFile << "\n";
        return ExitOk;
    }
    BaselineCounts counts;
    if (!baselineFile.empty()) counts = CompareWithBaseline(reports, baseline);

    switch (format) {
        case ReportFormat::Text:
            WriteTextReport(*context.Out, reports);
            break;
        case ReportFormat::Json:
            WriteJsonReport(*context.Out, reports);
            break;
        case ReportFormat::Sarif:
            WriteSarifReport(*context.Out, reports, LUMORCA_VERSION, !baselineFile.empty());
            break;
        case ReportFormat::Github:
            WriteGithubReport(*context.Out, reports);
            break;
        case ReportFormat::CodeClimate:
            WriteCodeClimateReport(*context.Out, reports);
            break;
    }
    // A report that did not reach its file must not pass as a clean run.
    FinishOutput(*context.Out);

    bool failing = false;
    size_t findings = 0;
    for (const FileReport& report : reports) {
        findings += report.Findings.size();
        for (const Finding& finding : report.Findings) {
            if (finding.Severity != FindingSeverity::Note) failing = true;
        }
    }
    if (baselineFile.empty()) {
        *context.Err << findings << " findings in " << checked << " files\n";
    } else {
        *context.Err << counts.New << " new findings, " << counts.Unchanged
                     << " in the baseline, " << counts.Absent
                     << " in the baseline no longer found in " << checked << " files\n";
    }
    if (unusable) return ExitUnusable;
    return failing ? ExitFindings : ExitOk;
}

const Registrar kCheck("check", kUsage, RunCheck);

}  // namespace
}  // namespace lumorca::cli
