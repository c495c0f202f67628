// lumorca-cli check: rules, settings, line numbers, formats, exit status,
// order of many files.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "../CaseFile.h"
#include "CliRunner.h"

namespace lumorca::testing {
namespace {

using nlohmann::json;

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

TEST(CheckLines, LinesOfTheFileWhenEmptyLinesAreIgnored) {
    // The same listing with empty lines put in: the analysis drops them, the
    // findings still name the lines of the file.
    const std::vector<std::string> original = SplitLines(ReadFileBytes(DataFile("rules.pro")));
    std::string padded;
    std::vector<int> newLine(original.size() + 1);
    int line = 0;
    for (size_t i = 0; i < original.size(); ++i) {
        if (i % 4 == 3) {
            padded += (i % 8 == 3) ? "\r\n" : "     9        \r\n";
            ++line;
        }
        padded += original[i] + "\n";
        newLine[i + 1] = ++line;
    }
    ScratchDir dir;
    const std::string file = dir.Write("padded.pro", padded);
    const CliRun run = RunCli({"check", "--option", "IgnoreEmptyLines=1", file});
    std::vector<std::string> expected;
    for (const std::string& finding : kRulesFindings) {
        const size_t colon = finding.find(':');
        const int old = std::stoi(finding.substr(0, colon));
        expected.push_back(file + ":" + std::to_string(newLine[old]) + finding.substr(colon));
    }
    EXPECT_EQ(SplitLines(run.Out), expected);
}

// The schema is checked elsewhere; here what the schema leaves open.
TEST(CheckFormats, SarifLogCarriesTheRequiredProperties) {
    ScratchDir dir;
    const std::string file = dir.Write("with blank \xE4.pro", ReadFileBytes(DataFile("rules.pro")));
    const CliRun run = RunCli({"check", "--format", "sarif", file});
    EXPECT_EQ(run.Status, 1);
    const json run0 = json::parse(run.Out)["runs"][0];
    const json& driver = run0["tool"]["driver"];
    EXPECT_EQ(driver["name"], "lumorca-cli");
    ASSERT_EQ(driver["rules"].size(), 16u);
    for (const json& rule : driver["rules"]) EXPECT_NE(rule["shortDescription"]["text"], "");
    ASSERT_EQ(run0["results"].size(), kRulesFindings.size());
    std::set<std::string> levels;
    for (const json& result : run0["results"]) {
        EXPECT_EQ(driver["rules"][result["ruleIndex"].get<size_t>()]["id"], result["ruleId"]);
        levels.insert(result["level"].get<std::string>());
        const std::string uri = result["locations"][0]["physicalLocation"]["artifactLocation"]["uri"];
        EXPECT_EQ(uri.rfind("file:///", 0), 0u) << uri;
        EXPECT_NE(uri.find("with%20blank%20%C3%A4.pro"), std::string::npos) << uri;
    }
    EXPECT_EQ(levels, (std::set<std::string>{"error", "warning", "note"}));
    EXPECT_EQ(run0["results"][14]["message"]["text"], "2001 - Caf\xC3\xA9 is not a field");
    EXPECT_EQ(run0["results"][0]["locations"][0]["physicalLocation"]["region"]["startLine"], 6);
    EXPECT_EQ(run0["invocations"][0]["executionSuccessful"], true);

    // A file that cannot be read is a notification of the run; the others
    // are still reported.
    const std::string gone = dir.Path() + "/gone.pro";
    const CliRun partly = RunCli({"check", "--format", "sarif", gone, file});
    EXPECT_EQ(partly.Status, 2);
    const json partial = json::parse(partly.Out)["runs"][0];
    const json& invocation = partial["invocations"][0];
    EXPECT_EQ(invocation["executionSuccessful"], false);
    ASSERT_EQ(invocation["toolExecutionNotifications"].size(), 1u);
    EXPECT_EQ(invocation["toolExecutionNotifications"][0]["level"], "error");
    EXPECT_EQ(invocation["toolExecutionNotifications"][0]["message"]["text"], "Coudn't read file " + gone);
    EXPECT_EQ(partial["results"].size(), kRulesFindings.size());
}

// A listing with only a note is the command-line test cli.check_only_a_note.
TEST(CheckExit, StatusFollowsFindingsAndUnusableFiles) {
    ScratchDir dir;
    const std::string missing = dir.Path() + "/missing.pro";
    const std::string text = dir.Write("text.pro", "just\nsome\ntext\nand\nmore\n");
    const CliRun run = RunCli({"check", missing, DataFile("rules.pro"), text});
    EXPECT_EQ(run.Status, 2);
    // The usable file is still checked.
    EXPECT_EQ(SplitLines(run.Out), Prefixed(DataFile("rules.pro"), kRulesFindings));
    const std::vector<std::string> errors = SplitLines(run.Err);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("missing.pro"), std::string::npos);
    EXPECT_NE(errors[1].find("text.pro"), std::string::npos);
    EXPECT_EQ(errors[2], "15 findings in 1 files");
}

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
