// lumorca-cli help [COMMAND], and the texts behind --help and --version.
#include "cli/CommandHelp.h"

#include <ostream>
#include <string_view>

#include "cli/Command.h"
#include "cli/Options.h"

namespace lumorca::cli {
namespace {

struct CommandText {
    std::string_view Name;
    std::string_view Text;  // after the usage line
};

constexpr std::string_view kCommonOptions =
    "The common options (--option, --settings, --language, --warnings-only) apply;\n"
    "\"lumorca-cli --help\" lists them.\n";

constexpr CommandText kTexts[] = {
    {"calls",
     "Prints the call window's tree for the entry NAME: what calls it\n"
     "(--called-from) or what it calls (--calling), as node lines under [calls],\n"
     "or as a Graphviz DOT digraph.\n"
     "\n"
     "Options:\n"
     "  --entry NAME        the entry, in upper or lower case\n"
     "  --called-from       the entries, triggers and operations that call NAME\n"
     "  --calling           the entries that NAME calls\n"
     "  --format text|dot   node lines (the default) or DOT\n"
     "\n"
     "Exit status: 0 success, also when NAME is not in the listing; 2 bad\n"
     "arguments, or the file could not be used.\n"},
    {"check",
     "Reports every warning mark of the analysis (entries never called or not\n"
     "defined, variables only written or only read, labels without a jump, calls\n"
     "with the wrong number of arguments, open string substitutions) and the\n"
     "listing's own compiler messages, one finding a line:\n"
     "  FILE:LINE: SEVERITY: MESSAGE [RULE]\n"
     "A summary \"N findings in M files\" goes to stderr. The files are checked in\n"
     "parallel; the output keeps their order.\n"
     "\n"
     "A comment \"; lumorca: ignore RULE[, RULE...]\" on the line of a finding or\n"
     "alone on the line above silences it; \"; lumorca: ignore-structure RULE...\"\n"
     "silences a whole trigger, entry or operation.\n"
     "\n"
     "Options:\n"
     "  --format FORMAT         text: lines as above (the default); json: a JSON\n"
     "                          array; sarif: a SARIF 2.1.0 log; github: workflow\n"
     "                          commands; codeclimate: a Code Quality report\n"
     "  --write-baseline FILE   write today's findings to FILE and exit 0\n"
     "  --baseline FILE         report only findings not in FILE\n"
     "\n"
     "Exit status: 0 nothing but notes found (with --baseline: nothing new);\n"
     "1 a warning or an error found; 2 bad arguments, an unusable baseline, or a\n"
     "file could not be used (the others are still checked).\n"},
    {"dump",
     "Prints the whole analysis in sections headed [structure], [xref], [starts],\n"
     "[entries], [entities] and [lines]: both trees one node a line (indent,\n"
     "caption, image, state, structure index, line, kind, separated by tabs), the\n"
     "line where each structure starts, the call window's entry list, the entity\n"
     "menu and the number of lines.\n"
     "\n"
     "Exit status: 0 success; 2 the file could not be used.\n"},
    {"graph",
     "Prints the call graph of the whole listing as a Graphviz DOT digraph:\n"
     "triggers as boxes, entries as ellipses, operations as hexagons, each call an\n"
     "edge labelled with its line in the file. Entries called but not defined are\n"
     "dashed; entries and calls with a warning mark are red.\n"
     "  lumorca-cli graph FILE | dot -Tsvg -o calls.svg\n"
     "\n"
     "Exit status: 0 success; 2 the file could not be used.\n"},
    {"help",
     "Describes one subcommand, or without COMMAND lists them all with the common\n"
     "options. \"lumorca-cli COMMAND --help\" does the same.\n"
     "\n"
     "Exit status: 0 success; 2 COMMAND is not a subcommand.\n"},
    {"lines",
     "Reads FILE, checks that it is a Corvane listing and prints its number of\n"
     "lines: a cheap test for scripts that a file is a usable listing.\n"
     "\n"
     "Exit status: 0 the file is a listing; 2 it could not be read or is not one.\n"},
    {"show",
     "Prints what the source view shows for structure N: its header panel under\n"
     "[view] and one row per shown line under [rows] (line index, line number\n"
     "within the trigger, continuation mark, text as displayed).\n"
     "\n"
     "Options:\n"
     "  --structure N   the structure, counted from 0 in the order of the listing\n"
     "                  (0 is the text before the first trigger)\n"
     "\n"
     "Exit status: 0 success; 2 bad arguments, no structure N, or the file could\n"
     "not be used.\n"},
    {"structure",
     "Prints the outline the structure window shows: the component, its triggers,\n"
     "entries and operations, its entities and fields with theirs, one a line,\n"
     "indented by level, each structure with the line of the file where it starts.\n"
     "\n"
     "Exit status: 0 success; 2 the file could not be used.\n"},
};

std::string_view TextOf(const std::string& name) {
    for (const CommandText& text : kTexts) {
        if (text.Name == name) return text.Text;
    }
    return {};
}

int RunHelp(Context& context) {
    if (context.Args.empty()) {
        PrintUsage(*context.Out);
    } else if (context.Args.size() == 1) {
        PrintCommandHelp(*context.Out, context.Args.front());
    } else {
        throw UsageError("usage: lumorca-cli help [COMMAND]");
    }
    return ExitOk;
}

const Registrar kHelp("help", "help [COMMAND]", RunHelp);

}  // namespace

void PrintUsage(std::ostream& out) {
    out << "usage: lumorca-cli [--option KEY=VALUE]... [--settings FILE] [--language de|en]"
           " [--warnings-only] COMMAND ...\n"
           "commands:\n";
    for (const CommandInfo& command : Commands()) out << "  lumorca-cli " << command.Usage << "\n";
    out << "\"lumorca-cli COMMAND --help\" describes one command; \"lumorca-cli --version\"\n"
           "prints the version.\n";
}

void PrintCommandHelp(std::ostream& out, const std::string& name) {
    const CommandInfo* command = FindCommand(name);
    if (command == nullptr) throw UsageError("unknown command \"" + name + "\"");
    out << "usage: lumorca-cli " << command->Usage << "\n\n" << TextOf(name) << '\n'
        << kCommonOptions;
}

void PrintVersion(std::ostream& out) { out << "lumorca-cli " << LUMORCA_VERSION << '\n'; }

}  // namespace lumorca::cli
