// lumorca-cli lines FILE: reads and recognises a listing, prints its number
// of lines. Cheap check for scripts that a file is a usable listing.
#include <ostream>

#include "analyzer/ListingLoader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

int RunLines(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli lines FILE");
    const std::string& fileName = context.Args.front();
    const ListingLines lines = ReadListing(ListingSource::File(fileName), context.Settings.Language);
    *context.Out << lines.size() << "\n";
    return ExitOk;
}

const Registrar kLines("lines", "lines FILE", RunLines);

}  // namespace
}  // namespace lumorca::cli
