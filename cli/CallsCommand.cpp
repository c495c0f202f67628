// lumorca-cli calls --entry NAME (--called-from | --calling) [--format dot] FILE:
// the call window's tree for one entry, as node lines or as a DOT digraph.
#include <ostream>
#include <string>
#include <string_view>

#include "analyzer/Analysis.h"
#include "analyzer/CallTree.h"
#include "analyzer/ListingReader.h"
#include "analyzer/TreeDump.h"
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

// One node line; call-tree records have no kind.
void AppendNodeLine(std::string& out, const CallNode& node, int depth) {
    TreeNode line;
    line.Caption = node.Caption;
    line.Image = node.Image;
    line.HasRecord = node.HasRecord;
    line.Record = node.Record;
    out += NodeLine(line, depth, false);
    out += '\n';
}

// A DOT string literal: quotes and backslashes escaped, control characters
// (which no caption should hold) as blanks. Other bytes stay Latin-1.
std::string DotString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 32) {
            out += ' ';
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

void Flush(std::ostream& stream, std::string& buffer, bool force) {
    if (force || buffer.size() > (1u << 16)) {
        stream.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        buffer.clear();
    }
}

int RunCalls(Context& context) {
    const CallsArguments args = ParseArguments(context.Args);
    const int language = context.Settings.Language;
    ListingLines lines = ReadListingFile(args.File, language);
    CheckCorvaneListing(lines, language);
    const AnalysisResult result = AnalyzeListing(lines, context.Settings);
    if (result.Empty()) throw ENoCorvaneSource(language);

    const CallDirection direction =
        args.Direction == 1 ? CallDirection::Calling : CallDirection::CalledFrom;
    const CallGraph graph(result.XRef, lines, result.StructureStarts, result.EntryList,
                          context.Settings, direction);
    std::ostream& out = *context.Out;
    std::string buffer;

    if (!args.Dot) {
        buffer = "[calls]\n";
        const bool complete = graph.Walk(args.Entry, CallPrintLimit, [&](const CallNode& node, int depth) {
            AppendNodeLine(buffer, node, depth);
            Flush(out, buffer, false);
        });
        if (!complete) buffer += "...\n";
        Flush(out, buffer, true);
        return ExitOk;
    }

    // Edges run from the caller to the callee; in "called from" the callers
    // are the children, so the arrows point back up to their parents.
    buffer = "digraph calls {\n  charset=\"latin1\";\n  node [shape=box];\n";
    if (direction == CallDirection::CalledFrom) buffer += "  edge [dir=back];\n";
    std::vector<size_t> parents;  // node number of the latest node at each depth
    size_t next = 0;
    const bool complete = graph.Walk(args.Entry, CallPrintLimit, [&](const CallNode& node, int depth) {
        const size_t id = next++;
        buffer += "  n" + std::to_string(id) + " [label=" + DotString(node.Caption) + "];\n";
        if (depth > 0) {
            buffer += "  n" + std::to_string(parents[static_cast<size_t>(depth) - 1]) + " -> n" +
                      std::to_string(id) + ";\n";
        }
        parents.resize(static_cast<size_t>(depth));
        parents.push_back(id);
        Flush(out, buffer, false);
    });
    if (!complete) buffer += "  more [label=\"...\", shape=plaintext];\n";
    buffer += "}\n";
    Flush(out, buffer, true);
    return ExitOk;
}

const Registrar kCalls("calls", "calls --entry NAME (--called-from | --calling) [--format dot] FILE",
                       RunCalls);

}  // namespace
}  // namespace lumorca::cli
