#include "cli/Command.h"

#include <algorithm>

namespace lumorca::cli {
namespace {

// Function-local so that registrars in other files may run first.
std::vector<CommandInfo>& Registry() {
    static std::vector<CommandInfo> commands;
    return commands;
}

}  // namespace

// Kept in order of name: the order of static initialisation differs between
// toolchains, and the usage lists the commands in this order.
void RegisterCommand(const CommandInfo& info) {
    std::vector<CommandInfo>& commands = Registry();
    const auto at = std::find_if(commands.begin(), commands.end(),
                                 [&](const CommandInfo& c) { return c.Name > info.Name; });
    commands.insert(at, info);
}

const std::vector<CommandInfo>& Commands() { return Registry(); }

}  // namespace lumorca::cli
