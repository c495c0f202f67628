// lumorca-cli check [--format text|json|sarif] FILE...: the warning marks of
// the analysis and the listing's compiler messages as diagnostics.
#include <algorithm>
#include <atomic>
#include <exception>
#include <ostream>
#include <thread>

#include "analyzer/Findings.h"
#include "analyzer/ListingLoader.h"
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
        const LoadedListing listing = LoadListing(ListingSource::File(fileName), settings);
        report.Findings = CollectFindings(listing, settings);
        report.Usable = true;
    } catch (const EFileNotReadable& error) {
        report.Problem = error.what();
    } catch (const std::exception& error) {
        report.Problem = fileName + ": " + error.what();
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
    std::vector<std::thread> threads;
    for (size_t i = 1; i < workers; ++i) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
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
    context.Out->flush();

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
