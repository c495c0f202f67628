#include "cli/Options.h"

#include <string_view>

#include "analyzer/SettingsKeys.h"

namespace lumorca::cli {
namespace {

struct OptionValue {
    std::string Key;
    std::string Value;
};

// "--name value" or "--name=value"; the name alone when neither applies.
bool IsValueOption(const std::string& arg, std::string_view name) {
    return arg.compare(0, name.size(), name) == 0 &&
           (arg.size() == name.size() || arg[name.size()] == '=');
}

std::string TakeValue(const std::vector<std::string>& args, size_t& i) {
    const std::string& arg = args[i];
    const size_t eq = arg.find('=');
    if (eq != std::string::npos) return arg.substr(eq + 1);
    if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
    return args[++i];
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& warnings) {
    CommandLine line;
    std::vector<std::string> settingsFiles;
    std::vector<OptionValue> options;
    int language = -1;
    bool warningsOnly = false;
    bool optionsEnded = false;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded) {
            if (line.Command.empty()) {
                line.Command = arg;
            } else {
                line.Args.push_back(arg);
            }
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            line.Help = true;
        } else if (arg == "--version") {
            line.Version = true;
        } else if (IsValueOption(arg, "--option")) {
            const std::string setting = TakeValue(args, i);
            const size_t eq = setting.find('=');
            if (eq == std::string::npos || eq == 0)
                throw UsageError("--option expects KEY=VALUE, got \"" + setting + "\"");
            options.push_back({setting.substr(0, eq), setting.substr(eq + 1)});
        } else if (IsValueOption(arg, "--settings")) {
            settingsFiles.push_back(TakeValue(args, i));
        } else if (IsValueOption(arg, "--language")) {
            const std::string value = TakeValue(args, i);
            if (value == "de") {
                language = 0;
            } else if (value == "en") {
                language = 1;
            } else {
                throw UsageError("--language expects de or en, got \"" + value + "\"");
            }
        } else if (arg == "--warnings-only") {
            warningsOnly = true;
        } else if (line.Command.empty()) {
            if (arg.size() > 1 && arg[0] == '-') throw UsageError("unknown option " + arg);
            line.Command = arg;
        } else {
            // Subcommand options and file names are the subcommand's business.
            line.Args.push_back(arg);
        }
    }

    for (const std::string& file : settingsFiles) LoadSettingsFile(file, line.Settings, warnings);
    for (const OptionValue& option : options) {
        if (const auto allowed = CheckSettingValue(option.Key, option.Value)) {
            throw UsageError("--option " + option.Key + "=" + option.Value + ": " + option.Key +
                             " takes " + *allowed);
        }
        if (!ApplySettingKey(line.Settings, option.Key, option.Value))
            throw UsageError("unknown setting \"" + option.Key + "\"");
    }
    if (language >= 0) line.Settings.Language = language;
    if (warningsOnly) line.Settings.WarningsOnly = true;
    return line;
}

}  // namespace lumorca::cli
