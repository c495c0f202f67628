// lumorca-cli calls --entry NAME (--called-from | --calling) [--format dot] FILE:
// the call window's tree for one entry, as node lines or as a DOT digraph.
#include <ostream>
#include <string>
#include <string_view>

#include "analyzer/CallTree.h"
#include "analyzer/CallTreeText.h"
#include "analyzer/ListingLoader.h"
#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

constexpr const char* Usage =
    "usage: lumorca-cli calls --entry NAME (--called-from | --calling) [--format dot] FILE";

struct CallsArguments {
    std::string Entry;
    bool HaveEntry = false;
    int Direction = -1;  // 0 called from, 1 calling
    bool Dot = false;
    std::string File;
};

CallsArguments ParseArguments(const std::vector<std::string>& args) {
    CallsArguments parsed;
    bool haveFile = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string_view option) -> std::string {
            if (arg.size() > option.size() && arg.compare(0, option.size(), option) == 0 &&
                arg[option.size()] == '=') {
                return arg.substr(option.size() + 1);
            }
            if (i + 1 >= args.size()) throw UsageError(std::string(option) + " needs a value");
            return args[++i];
        };
        auto is = [&](std::string_view option) {
            return arg == option ||
                   (arg.size() > option.size() && arg.compare(0, option.size(), option) == 0 &&
                    arg[option.size()] == '=');
        };
        if (is("--entry")) {
            parsed.Entry = value("--entry");
            parsed.HaveEntry = true;
        } else if (arg == "--called-from" || arg == "--calling") {
            const int direction = arg == "--calling" ? 1 : 0;
            if (parsed.Direction >= 0 && parsed.Direction != direction) {
                throw UsageError("--called-from and --calling exclude each other");
            }
            parsed.Direction = direction;
        } else if (is("--format")) {
            const std::string format = value("--format");
            if (format == "dot") {
                parsed.Dot = true;
            } else if (format == "text") {
                parsed.Dot = false;
            } else {
                throw UsageError("unknown format " + format + " (text or dot)");
            }
        } else if (arg.size() > 1 && arg[0] == '-' && !haveFile) {
            throw UsageError("unknown option " + arg);
        } else if (!haveFile) {
            parsed.File = arg;
            haveFile = true;
        } else {
            throw UsageError(Usage);
        }
    }
    if (!parsed.HaveEntry || parsed.Direction < 0 || !haveFile) throw UsageError(Usage);
    return parsed;
}

int RunCalls(Context& context) {
    const CallsArguments args = ParseArguments(context.Args);
    const LoadedListing listing = LoadListing(ListingSource::File(args.File), context.Settings);
    const AnalysisResult& result = listing.Analysis;

    const CallDirection direction =
        args.Direction == 1 ? CallDirection::Calling : CallDirection::CalledFrom;
    const CallGraph graph(result.Symbols, listing.Lines, result.Structures, result.EntryList,
                          context.Settings, direction);
    if (args.Dot) {
        WriteCallTreeDot(*context.Out, graph, args.Entry);
    } else {
        *context.Out << "[calls]\n";
        WriteCallTreeLines(*context.Out, graph, args.Entry);
    }
    return ExitOk;
}

const Registrar kCalls("calls", "calls --entry NAME (--called-from | --calling) [--format dot] FILE",
                       RunCalls);

}  // namespace
}  // namespace lumorca::cli
