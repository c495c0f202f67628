#pragma once
// The usage summary of lumorca-cli and the description of each subcommand.
#include <iosfwd>
#include <string>

namespace lumorca::cli {

// The common options and one usage line per subcommand.
void PrintUsage(std::ostream& out);

// Usage, description, options and exit status of one subcommand; throws
// UsageError for a name that is not a subcommand.
void PrintCommandHelp(std::ostream& out, const std::string& name);

// "lumorca-cli VERSION", the version the build was configured with.
void PrintVersion(std::ostream& out);

}  // namespace lumorca::cli
