// lumorca-cli graph FILE: the listing's whole call graph as Graphviz DOT.
#include <ostream>

#include "analyzer/CallGraphDot.h"
#include "analyzer/ListingLoader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

int RunGraph(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli graph FILE");
    const std::string& fileName = context.Args.front();
    const AnalysisSettings& settings = context.Settings;
    const LoadedListing listing = LoadListing(ListingSource::File(fileName), settings);
    *context.Out << CallGraphDot(listing);
    return ExitOk;
}

const Registrar kGraph("graph", "graph FILE", RunGraph);

}  // namespace
}  // namespace lumorca::cli
