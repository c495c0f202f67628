// lumorca-cli graph FILE: the listing's whole call graph as Graphviz DOT.
#include <ostream>

#include "analyzer/Analysis.h"
#include "analyzer/CallGraphDot.h"
#include "analyzer/Findings.h"
#include "analyzer/ListingReader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

int RunGraph(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli graph FILE");
    const std::string& fileName = context.Args.front();
    const AnalysisSettings& settings = context.Settings;
    ListingLines lines = ReadListingFile(fileName, settings.Language);
    CheckCorvaneListing(lines, settings.Language);
    const std::vector<int32_t> kept = KeptLineIndexes(lines, settings.IgnoreEmptyLines);
    const AnalysisResult result = AnalyzeListing(lines, settings);
    if (result.Empty()) throw ENoCorvaneSource(settings.Language);
    CallGraphInput input;
    input.XRef = &result.XRef;
    input.Lines = &lines;
    input.Starts = &result.StructureStarts;
    input.KeptLines = kept.size() == lines.size() ? &kept : nullptr;
    *context.Out << CallGraphDot(input);
    return ExitOk;
}

const Registrar kGraph("graph", "graph FILE", RunGraph);

}  // namespace
}  // namespace lumorca::cli
