// lumorca-cli: the analysis without a window, for scripts and tests.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/Command.h"
#include "cli/CommandHelp.h"
#include "cli/Options.h"

namespace {

using namespace lumorca::cli;

int Run(const std::vector<std::string>& args) {
    CommandLine line = ParseCommandLine(args, std::cerr);
    if (line.Version) {
        PrintVersion(std::cout);
        FinishOutput(std::cout);
        return ExitOk;
    }
    if (line.Help) {
        if (line.Command.empty()) {
            PrintUsage(std::cout);
        } else {
            PrintCommandHelp(std::cout, line.Command);
        }
        FinishOutput(std::cout);
        return ExitOk;
    }
    if (line.Command.empty()) throw UsageError("no command given (try --help)");
    const CommandInfo* command = FindCommand(line.Command);
    if (command == nullptr) throw UsageError("unknown command \"" + line.Command + "\"");

    Context context;
    context.Settings = std::move(line.Settings);
    context.Args = std::move(line.Args);
    context.Out = &std::cout;
    context.Err = &std::cerr;
    const int status = command->Run(context);
    FinishOutput(std::cout);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The output is a byte-exact contract with LF line ends; text mode would add CRs.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "lumorca-cli: " << error.what() << "\n";
        return ExitUnusable;
    }
}
