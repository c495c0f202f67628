#include "cli/Command.h"

#include <ostream>
#include <algorithm>

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

// Kept in order of name: the order of static initialisation differs between
// toolchains, and the usage lists the commands in this order.
void RegisterCommand(const CommandInfo& info) {
    std::vector<CommandInfo>& commands = Registry();
    const auto at = std::find_if(commands.begin(), commands.end(),
                                 [&](const CommandInfo& c) { return c.Name > info.Name; });
    commands.insert(at, info);
}

const std::vector<CommandInfo>& Commands() { return Registry(); }

const CommandInfo* FindCommand(const std::string& name) {
    for (const CommandInfo& command : Registry()) {
        if (command.Name == name) return &command;
    }
    return nullptr;
}

}  // namespace lumorca::cli
