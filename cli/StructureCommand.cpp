// lumorca-cli structure FILE: the structure window's outline, one node a line,
// indented by level, each structure with the file line where it starts.
#include <ostream>
#include <string>

#include "analyzer/ListingLoader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

constexpr int kIndentPerLevel = 2;

int RunStructure(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli structure FILE");
    const LoadedListing listing = LoadListing(ListingSource::File(context.Args.front()), context.Settings);
    const AnalysisResult& result = listing.Analysis;
    std::ostream& out = *context.Out;
    result.Structure.ForEach([&](const TreeNode* node) {
        out << std::string(static_cast<size_t>(kIndentPerLevel * node->Level()), ' ')
            << node->Caption;
        const int32_t structure = node->HasRecord ? node->Record.StructureIndex : -1;
        if (structure >= 0 && static_cast<size_t>(structure) < result.Structures.size()) {
            // The analysis may drop empty lines; the outline counts lines in the file.
            const int32_t line = result.Structures[static_cast<size_t>(structure)].Line;
            out << " (line " << result.FileLineOf(line) + 1 << ')';
        }
        out << '\n';
    });
    return ExitOk;
}

const Registrar kStructure("structure", "structure FILE", RunStructure);

}  // namespace
}  // namespace lumorca::cli
