// lumorca-cli check [--format text|json|sarif] FILE...: the warning marks of
// the analysis and the listing's compiler messages as diagnostics.
#include <algorithm>
#include <atomic>
#include <exception>
#include <ostream>
#include <system_error>
#include <thread>

#include "analyzer/Analysis.h"
#include "analyzer/Findings.h"
#include "analyzer/ListingReader.h"
#include "analyzer/TextEncoding.h"
#include "cli/CheckReport.h"
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
    throw UsageError("unknown format \"" + name + "\" (text, json or sarif)");
}

FileReport CheckFile(const std::string& fileName, const AnalysisSettings& settings) {
    FileReport report;
    report.File = fileName;
    try {
        ListingLines lines = ReadListingFile(fileName, settings.Language);
        CheckCorvaneListing(lines, settings.Language);
        const std::vector<int32_t> kept = KeptLineIndexes(lines, settings.IgnoreEmptyLines);
        const AnalysisResult result = AnalyzeListing(lines, settings);
        if (result.Empty()) throw ENoCorvaneSource(settings.Language);
        FindingsInput input;
        input.XRef = &result.XRef;
        input.Lines = &lines;
        // The drop rule is applied to the file once more; should the two ever
        // disagree, lines are reported as the analysis numbers them.
        input.KeptLines = kept.size() == lines.size() ? &kept : nullptr;
        input.Settings = &settings;
        report.Findings = CollectFindings(input);
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

int RunCheck(Context& context) {
    ReportFormat format = ReportFormat::Text;
    std::vector<std::string> files;
    for (size_t i = 0; i < context.Args.size(); ++i) {
        const std::string& arg = context.Args[i];
        if (arg == "--format") {
            if (i + 1 >= context.Args.size()) throw UsageError("--format needs a value");
            format = ParseFormat(context.Args[++i]);
        } else if (arg.rfind("--format=", 0) == 0) {
            format = ParseFormat(arg.substr(9));
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            throw UsageError("unknown option \"" + arg + "\" for check");
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) throw UsageError("usage: lumorca-cli check [--format text|json|sarif] FILE...");

    const std::vector<FileReport> reports = CheckFiles(files, context.Settings);

    switch (format) {
        case ReportFormat::Text:
            WriteTextReport(*context.Out, reports);
            break;
        case ReportFormat::Json:
            WriteJsonReport(*context.Out, reports);
            break;
        case ReportFormat::Sarif:
            WriteSarifReport(*context.Out, reports, LUMORCA_VERSION);
            break;
    }
    // A report that did not reach its file must not pass as a clean run.
    FinishOutput(*context.Out);

    bool unusable = false;
    bool failing = false;
    size_t findings = 0;
    size_t checked = 0;
    for (const FileReport& report : reports) {
        if (!report.Usable) {
            unusable = true;
            *context.Err << "lumorca-cli: " << report.Problem << "\n";
            continue;
        }
        ++checked;
        findings += report.Findings.size();
        for (const Finding& finding : report.Findings) {
            if (finding.Severity != FindingSeverity::Note) failing = true;
        }
    }
    *context.Err << findings << " findings in " << checked << " files\n";
    if (unusable) return ExitUnusable;
    return failing ? ExitFindings : ExitOk;
}

const Registrar kCheck("check", "check [--format text|json|sarif] FILE...", RunCheck);

}  // namespace
}  // namespace lumorca::cli
