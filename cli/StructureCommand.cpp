// lumorca-cli structure FILE: the structure window's outline, one node a line,
// indented by level, each structure with the file line where it starts.
#include <ostream>
#include <string>

#include "analyzer/Analysis.h"
#include "analyzer/Findings.h"
#include "analyzer/ListingReader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

constexpr int kIndentPerLevel = 2;

int RunStructure(Context& context) {
    if (context.Args.size() != 1) throw UsageError("usage: lumorca-cli structure FILE");
    const AnalysisSettings& settings = context.Settings;
    ListingLines lines = ReadListingFile(context.Args.front(), settings.Language);
    CheckCorvaneListing(lines, settings.Language);
    const std::vector<int32_t> kept = KeptLineIndexes(lines, settings.IgnoreEmptyLines);
    const AnalysisResult result = AnalyzeListing(lines, settings);
    if (result.Empty()) throw ENoCorvaneSource(settings.Language);

    // The analysis may drop empty lines; the outline counts lines in the file.
    const std::vector<int32_t>* fileLines = kept.size() == lines.size() ? &kept : nullptr;
    std::ostream& out = *context.Out;
    result.Structure.ForEach([&](const TreeNode* node) {
        out << std::string(static_cast<size_t>(kIndentPerLevel * node->Level()), ' ')
            << node->Caption;
        if (node->HasRecord && node->Record.Line >= 0)
            out << " (line " << FileLineIndex(fileLines, node->Record.Line) + 1 << ')';
        out << '\n';
    });
    return ExitOk;
}

const Registrar kStructure("structure", "structure FILE", RunStructure);

}  // namespace
}  // namespace lumorca::cli
