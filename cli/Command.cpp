#include "cli/Command.h"

#include <ostream>

namespace lumorca::cli {
namespace {

// Function-local so that registrars in other files may run first.
std::vector<CommandInfo>& Registry() {
    static std::vector<CommandInfo> commands;
    return commands;
}

}  // namespace

EOutputNotWritten::EOutputNotWritten() : std::runtime_error("couldn't write the output") {}

void FinishOutput(std::ostream& out) {
    out.flush();
    if (!out) throw EOutputNotWritten();
}

void RegisterCommand(const CommandInfo& info) { Registry().push_back(info); }

const std::vector<CommandInfo>& Commands() { return Registry(); }

const CommandInfo* FindCommand(const std::string& name) {
    for (const CommandInfo& command : Registry()) {
        if (command.Name == name) return &command;
    }
    return nullptr;
}

}  // namespace lumorca::cli
