#pragma once
// The options every subcommand of lumorca-cli shares.
#include <stdexcept>
#include <string>
#include <vector>

#include "analyzer/Settings.h"

namespace lumorca::cli {

// Bad arguments: the message is one line for stderr.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    AnalysisSettings Settings;
    bool Help = false;
    bool Version = false;
    std::string Command;            // first argument that is not an option
    std::vector<std::string> Args;  // everything after it that is not a common option
};

// Takes the common options from anywhere on the line ("--" ends them).
// Settings files apply first, then each --option in order, then --language
// and --warnings-only. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Section "Options" of an INI settings file into settings.
void LoadSettingsFile(const std::string& fileName, AnalysisSettings& settings);

}  // namespace lumorca::cli
