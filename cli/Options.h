#pragma once
// The options every subcommand of lumorca-cli shares.
#include <iosfwd>
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
// and --warnings-only. Throws UsageError; warnings about settings files go
// to `warnings`.
CommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& warnings);

// Section "Options" of an INI settings file into settings. Throws
// EFileNotReadable for anything but a regular file of settings size, and
// UsageError for a file that is not a settings file. A value its key does
// not allow is read as the program reads it, with a warning on `warnings`.
void LoadSettingsFile(const std::string& fileName, AnalysisSettings& settings,
                      std::ostream& warnings);

}  // namespace lumorca::cli
