// lumorca-cli show --structure N FILE: what the source view shows for one
// structure, its header panel and its rows.
#include <charconv>
#include <ostream>

#include "analyzer/ListingLoader.h"
#include "analyzer/SourceText.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

constexpr const char* kUsage = "usage: lumorca-cli show --structure N FILE";

int32_t ParseStructure(const std::string& text) {
    int32_t value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        throw UsageError("--structure needs a structure index, not \"" + text + "\"");
    return value;
}

const std::string& OrHidden(const std::string& text, bool visible) {
    static const std::string hidden = "-";
    return visible ? text : hidden;
}

int RunShow(Context& context) {
    int32_t structure = -1;
    std::string file;
    bool haveFile = false;
    const std::vector<std::string>& args = context.Args;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--structure") {
            if (i + 1 >= args.size()) throw UsageError("--structure needs a value");
            structure = ParseStructure(args[++i]);
        } else if (arg.rfind("--structure=", 0) == 0) {
            structure = ParseStructure(arg.substr(12));
        } else if (!haveFile) {
            file = arg;
            haveFile = true;
        } else {
            throw UsageError(kUsage);
        }
    }
    if (structure < 0 || !haveFile) throw UsageError(kUsage);

    const AnalysisSettings& settings = context.Settings;
    const LoadedListing listing = LoadListing(ListingSource::File(file), settings);
    const ListingLines& lines = listing.Lines;
    const StructureStartList& starts = listing.Analysis.StructureStarts;
    if (structure >= static_cast<int32_t>(starts.size())) {
        throw UsageError("no structure " + std::to_string(structure) + ": the listing has " +
                         std::to_string(starts.size()) + " (0 to " +
                         std::to_string(starts.size() - 1) + ")");
    }

    const IndentSettings indent{settings.AutoIndent, settings.Indent};
    const StructureView view = ComputeStructureView(lines, listing.Analysis.Structures, structure, indent);
    const TriggerInfo info = ComputeTriggerInfo(lines, starts, structure);
    std::ostream& out = *context.Out;
    out << "[view]\n"
        << "top\t" << view.TopLine << '\n'
        << "end\t" << view.EndLine << '\n'
        << "leadin\t" << view.LeadInRows << '\n'
        << "caption\t" << info.Caption << '\n'
        << "trigger\t" << info.TriggerName << '\n'
        << "from\t" << OrHidden(info.FromLabel, info.FromVisible) << '\n'
        << "fromname\t" << OrHidden(info.FromName, info.FromVisible) << '\n'
        << "entrylabel\t" << OrHidden(info.EntryLabel, info.EntryVisible) << '\n'
        << "entryname\t" << OrHidden(info.EntryName, info.EntryVisible) << '\n'
        << "[rows]\n";
    for (int32_t line = view.TopLine; line <= view.EndLine; ++line) {
        const std::string& raw = lines[static_cast<size_t>(line)];
        out << line << '\t' << ListingLineNumber(raw) << '\t'
            << (HasContinuationMark(raw) ? "%\\" : "") << '\t'
            << GetSourceLineText(lines, line, settings.DisplayContinueFlag, true, settings.Lowercase,
                                 indent)
            << '\n';
    }
    return ExitOk;
}

const Registrar kShow("show", "show --structure N FILE", RunShow);

}  // namespace
}  // namespace lumorca::cli
