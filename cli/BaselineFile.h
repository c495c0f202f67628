#pragma once
// A baseline: the findings a team accepted, written so that it diffs well
// in version control (sorted, one finding a line).
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumorca::cli {

// Text is UTF-8.
struct BaselineEntry {
    std::string Fingerprint;
    std::string Rule;
    std::string Symbol;
    std::string File;  // without its directory
    std::string Message;
};

// A baseline that cannot be read or written: the message is one line.
class BaselineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<BaselineEntry> ReadBaseline(const std::string& fileName);
// Sorts the entries and replaces the file as a whole.
void WriteBaseline(const std::string& fileName, std::vector<BaselineEntry> entries);

// The file name without its directory, as UTF-8.
std::string BaselineFileName(std::string_view fileName);

}  // namespace lumorca::cli
