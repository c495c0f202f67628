#include "CliRunner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace lumorca::testing {

namespace {

std::string Quote(const std::string& arg) {
#ifdef _WIN32
    return "\"" + arg + "\"";
#else
    std::string quoted = "'";
    for (const char c : arg) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
#endif
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DataFile(const std::string& name) {
    return std::string(LUMORCA_SOURCE_DIR) + "/tests/cli/data/" + name;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

ScratchDir::ScratchDir() {
    std::random_device random;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("lumorca_cli_test_" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(dir);
    path_ = dir.string();
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ScratchDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = path_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

CliRun RunCli(const std::vector<std::string>& args, const CliLimits& limits) {
    return RunProgram(LUMORCA_CLI, args, {}, limits);
}

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& workDir, const CliLimits& limits) {
    static const ScratchDir outputDir;
    static int counter = 0;
    const std::string base = outputDir.Path() + "/run" + std::to_string(++counter);
    std::string command = Quote(program);
    if (limits.Seconds > 0) command = "timeout -s KILL " + std::to_string(limits.Seconds) + " " + command;
    if (!limits.Prelude.empty()) command = limits.Prelude + "; exec " + command;
#ifdef _WIN32
    // cmd's cd changes the drive only when told to.
    if (!workDir.empty()) command = "cd /d " + Quote(workDir) + " && " + command;
#else
    if (!workDir.empty()) command = "cd " + Quote(workDir) + " && " + command;
#endif
    for (const std::string& arg : args) command += " " + Quote(arg);
    const std::string out = limits.StdoutPath.empty() ? base + ".out" : limits.StdoutPath;
    command += " > " + Quote(out) + " 2> " + Quote(base + ".err");
#ifdef _WIN32
    // cmd /c drops the first and the last quote of a line that has more.
    command = "\"" + command + "\"";
#endif
    const int raw = std::system(command.c_str());
    CliRun run;
#ifdef _WIN32
    run.Status = raw;
#else
    run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    if (limits.StdoutPath.empty()) run.Out = ReadFileBytes(out);
    run.Err = ReadFileBytes(base + ".err");
    return run;
}

}  // namespace lumorca::testing
