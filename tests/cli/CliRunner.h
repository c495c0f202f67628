#pragma once
// Runs lumorca-cli with arguments and collects its exit status and output.
#include <string>
#include <vector>

namespace lumorca::testing {

struct CliRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Optional limits of a run: a time limit (a run that hangs is killed and
// fails), standard output going to `StdoutPath`, shell lines that run first
// (`ulimit ...`).
struct CliLimits {
    int Seconds = 0;  // 0: none
    std::string StdoutPath;
    std::string Prelude;
};
// Arguments are quoted for the shell.
CliRun RunCli(const std::vector<std::string>& args, const CliLimits& limits = {});
// Any program, in workDir when it is not empty.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& workDir = {}, const CliLimits& limits = {});

// A scratch directory, removed with everything in it when the object dies.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    // Writes bytes to a file in the directory; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string ReadFileBytes(const std::string& path);
std::string DataFile(const std::string& name);  // tests/cli/data/<name>
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace lumorca::testing
