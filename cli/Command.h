#pragma once
// Subcommands of lumorca-cli register themselves here, one source file each.
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "analyzer/Settings.h"

namespace lumorca::cli {

// What every subcommand gets: the settings after the common options, and the
// arguments that are left (subcommand options and file names).
struct Context {
    AnalysisSettings Settings;
    std::vector<std::string> Args;
    std::ostream* Out = nullptr;
    std::ostream* Err = nullptr;
};

// Exit status: 0 success, 1 findings (check), 2 unusable input or arguments,
// or output that could not be written.
constexpr int ExitOk = 0;
constexpr int ExitFindings = 1;
constexpr int ExitUnusable = 2;

// The output could not be written (a full disk, a closed pipe).
class EOutputNotWritten : public std::runtime_error {
public:
    EOutputNotWritten();
};

// Flushes `out`; throws EOutputNotWritten when any of it failed to be written.
void FinishOutput(std::ostream& out);

using CommandFunction = int (*)(Context& context);

struct CommandInfo {
    std::string Name;
    std::string Usage;  // one line, after "lumorca-cli "
    CommandFunction Run = nullptr;
};

// Registers a subcommand; use through a static Registrar in its source file.
void RegisterCommand(const CommandInfo& info);
const std::vector<CommandInfo>& Commands();
// The subcommand of that name, null when there is none.
const CommandInfo* FindCommand(const std::string& name);

struct Registrar {
    Registrar(const char* name, const char* usage, CommandFunction run) {
        RegisterCommand(CommandInfo{name, usage, run});
    }
};

}  // namespace lumorca::cli
