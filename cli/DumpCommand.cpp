// lumorca-cli dump FILE: the analysis as text, both trees and the lists the
// views are filled from.
#include <ostream>

#include "analyzer/AnalysisDump.h"
#include "analyzer/ListingLoader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

int RunDump(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli dump FILE");
    const LoadedListing listing =
        LoadListing(ListingSource::File(context.Args.front()), context.Settings);
    WriteAnalysisDump(*context.Out, listing.Analysis, listing.Lines.size(), context.Settings.Language);
    return ExitOk;
}

const Registrar kDump("dump", "dump FILE", RunDump);

}  // namespace
}  // namespace lumorca::cli
