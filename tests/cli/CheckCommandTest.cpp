// lumorca-cli check: rules, settings, exit status, order of many files.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "../CaseFile.h"
#include "CliRunner.h"

namespace lumorca::testing {
namespace {

// Every rule fires once or more in rules.pro: its checked findings, in
// order, without the "file:" prefix.
const std::vector<std::string> kRulesFindings = [] {
    std::vector<std::string> lines =
        SplitLines(ReadFileBytes(std::string(LUMORCA_SOURCE_DIR) + "/tests/data/rules-text.txt"));
    for (std::string& line : lines) line.erase(0, line.find(':') + 1);
    return lines;
}();

std::vector<std::string> Prefixed(const std::string& file, const std::vector<std::string>& lines) {
    std::vector<std::string> result;
    for (const std::string& line : lines) result.push_back(file + ":" + line);
    return result;
}

std::vector<std::string> Without(const std::vector<std::string>& lines,
                                 const std::set<std::string>& rules) {
    std::vector<std::string> result;
    for (const std::string& line : lines) {
        const size_t open = line.rfind('[');
        const std::string rule = line.substr(open + 1, line.size() - open - 2);
        if (rules.count(rule) == 0) result.push_back(line);
    }
    return result;
}

// Cases in tests/data/rules-options.txt.
TEST(CheckRules, SettingsSwitchFindingsOff) {
    const std::string file = DataFile("rules.pro");
    const auto cases = test::LoadCases("rules-options.txt");
    for (const std::string& line : cases.at(0).Parts.at(0)) {
        const size_t arrow = line.find(" =>");
        std::vector<std::string> args = {"check"};
        for (size_t from = 0; from < arrow; from = std::min(line.find(" | ", from), arrow) + 3) {
            args.insert(args.end(), {"--option", line.substr(from, std::min(line.find(" | ", from), arrow) - from)});
        }
        args.push_back(file);
        std::set<std::string> gone;
        std::istringstream rules(line.substr(std::min(arrow + 3, line.size())));
        for (std::string rule; rules >> rule;) gone.insert(rule);
        const CliRun run = RunCli(args);
        EXPECT_EQ(SplitLines(run.Out), Without(Prefixed(file, kRulesFindings), gone)) << line;
        EXPECT_EQ(run.Status, 1);
    }
}

// Unusable files beside a usable one are cli.check_unusable_files, a listing
// with only a note cli.check_only_a_note.
TEST(CheckParallel, OutputInArgumentOrder) {
    // Files of very different sizes finish in another order than they start.
    ScratchDir dir;
    const std::string rules = ReadFileBytes(DataFile("rules.pro"));
    std::string big = rules;
    for (int i = 0; i < 400; ++i) {
        big += "******        entry LP_BIG" + std::to_string(i) + "\r\n";
        big += "     1        call LP_BIG" + std::to_string(i + 1) + "(1)\r\n";
    }
    std::vector<std::string> files;
    std::string expected;
    for (int i = 0; i < 9; ++i) {
        const std::string name = "f" + std::to_string(i) + ".pro";
        files.push_back(dir.Write(name, i % 3 == 0 ? big : rules));
        expected += RunCli({"check", files.back()}).Out;
    }
    std::vector<std::string> args = {"check"};
    args.insert(args.end(), files.begin(), files.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, expected);
}

}  // namespace
}  // namespace lumorca::testing
