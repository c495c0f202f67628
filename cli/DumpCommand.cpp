// lumorca-cli dump FILE: the analysis as text, both trees and the lists the
// views are filled from.
#include <ostream>

#include "analyzer/Analysis.h"
#include "analyzer/AnalysisDump.h"
#include "analyzer/ListingReader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

int RunDump(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli dump FILE");
    const int language = context.Settings.Language;
    ListingLines lines = ReadListingFile(context.Args.front(), language);
    CheckCorvaneListing(lines, language);
    const AnalysisResult result = AnalyzeListing(lines, context.Settings);
    if (result.Empty()) throw ENoCorvaneSource(language);
    WriteAnalysisDump(*context.Out, result, lines.size());
    return ExitOk;
}

const Registrar kDump("dump", "dump FILE", RunDump);

}  // namespace
}  // namespace lumorca::cli
