// lumorca-cli help COMMAND and COMMAND --help, for every command the usage lists.
#include <gtest/gtest.h>

#include "CliRunner.h"

namespace lumorca::testing {
namespace {

std::vector<std::string> ListedCommands() {
    const std::string prefix = "  lumorca-cli ";
    std::vector<std::string> names;
    for (const std::string& line : SplitLines(RunCli({"--help"}).Out)) {
        if (line.rfind(prefix, 0) != 0) continue;
        const size_t end = line.find(' ', prefix.size());
        names.push_back(line.substr(prefix.size(), end - prefix.size()));
    }
    return names;
}

TEST(Help, EveryCommandIsDescribed) {
    const std::vector<std::string> names = ListedCommands();
    ASSERT_GE(names.size(), 8u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const CliRun help = RunCli({"help", name});
        EXPECT_EQ(help.Status, 0) << help.Err;
        EXPECT_EQ(help.Out.rfind("usage: lumorca-cli " + name, 0), 0u) << help.Out;
        EXPECT_NE(help.Out.find("\nExit status: "), std::string::npos) << help.Out;
        // The usage line may be long; the description fits a terminal.
        const std::vector<std::string> lines = SplitLines(help.Out);
        for (size_t i = 1; i < lines.size(); ++i) EXPECT_LT(lines[i].size(), 80u) << lines[i];
        const CliRun option = RunCli({name, "--help"});
        EXPECT_EQ(option.Status, 0);
        EXPECT_EQ(option.Out, help.Out);
    }
}

}  // namespace
}  // namespace lumorca::testing
