// lumorca-cli check: rules, settings, line numbers, formats, exit status,
// order of many files.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "CliRunner.h"

namespace lumorca::testing {
namespace {

using nlohmann::json;

// Every rule fires once or more in rules.pro; these are its findings, in
// order, without the "file:" prefix.
const std::vector<std::string> kRulesFindings = {
    "6: warning: local variable V_Wo is written but never read [local-variable-write-only]",
    "7: warning: local variable V_RO is read but never written [local-variable-read-only]",
    "8: warning: local variable V_NONE is neither read nor written [local-variable-unused]",
    "14: warning: component variable $Flag$ is written but never read "
    "[component-variable-write-only]",
    "15: warning: component variable $Seen$ is read but never written "
    "[component-variable-read-only]",
    "16: warning: call of LP_CALC passes 3 arguments, entry has 2 parameters [argument-count]",
    "17: warning: entry lp_missing is called but not defined in this listing [entry-undefined]",
    "18: warning: label L_NOWHERE is jumped to but not defined [label-undefined]",
    "19: warning: label L_UNUSED is defined but never jumped to [label-unused]",
    "20: warning: string \"Hello %%NAME\" opens a %% substitution without a closing %%% "
    "[open-substitution]",
    "21: warning: 1032 - Field video attributes are ignored [listing-warning]",
    "29: warning: entry LP_SAVE is defined but never called [entry-unused]",
    "31: warning: local variable V_TMP is written but never read [local-variable-write-only]",
    "35: note: 0815 - Component compiled [listing-info]",
    "36: error: 2001 - Caf\xE9 is not a field [listing-error]",
};

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

std::string LastLine(const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    return lines.empty() ? std::string() : lines.back();
}

TEST(CheckRules, EveryRuleOnASmallListing) {
    const std::string file = DataFile("rules.pro");
    const CliRun run = RunCli({"check", file});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(SplitLines(run.Out), Prefixed(file, kRulesFindings));
    EXPECT_EQ(LastLine(run.Err), "15 findings in 1 files");
}

TEST(CheckRules, SettingsSwitchFindingsOff) {
    const std::string file = DataFile("rules.pro");
    const std::vector<std::string> all = Prefixed(file, kRulesFindings);
    struct Case {
        std::vector<std::string> Options;
        std::set<std::string> Gone;
    };
    const std::vector<Case> cases = {
        // The argument check still marks the call of LP_CALC.
        {{"MarkSuspEntriesEx=LP_*"}, {"entry-unused", "entry-undefined"}},
        {{"MarkSuspEntriesEx=*SAVE"}, {"entry-unused"}},
        {{"MarkSuspEntries=0"}, {"entry-unused", "entry-undefined"}},
        {{"MarkSuspLocalVarsEx=V_*"},
         {"local-variable-write-only", "local-variable-read-only", "local-variable-unused"}},
        {{"MarkSuspLocalVarsEx=V_RO;*NONE"}, {"local-variable-read-only", "local-variable-unused"}},
        {{"MarkSuspCompVarsEx=$F*"}, {"component-variable-write-only"}},
        {{"MarkSuspCompVars=0"}, {"component-variable-write-only", "component-variable-read-only"}},
        {{"MarkSuspLabelEx=*"}, {"label-unused", "label-undefined"}},
        {{"MarkVarStrings=0"}, {"open-substitution"}},
        {{"MarkInvalidParams=0"}, {"argument-count"}},
        {{"MarkSuspEntriesEx=NOTHING", "MarkSuspLabelEx=L_X*"}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"check"};
        for (const std::string& option : c.Options) {
            args.push_back("--option");
            args.push_back(option);
        }
        args.push_back(file);
        const CliRun run = RunCli(args);
        EXPECT_EQ(SplitLines(run.Out), Without(all, c.Gone)) << c.Options.front();
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

TEST(CheckFormats, JsonIsAnArrayOfFindingsInUtf8) {
    const std::string file = DataFile("rules.pro");
    const CliRun run = RunCli({"check", "--format", "json", file});
    EXPECT_EQ(run.Status, 1);
    const json doc = json::parse(run.Out);
    ASSERT_TRUE(doc.is_array());
    ASSERT_EQ(doc.size(), kRulesFindings.size());
    const std::set<std::string> keys = {"file",   "line",    "severity",   "rule",
                                        "symbol", "message", "fingerprint"};
    for (const json& item : doc) {
        std::set<std::string> present;
        for (const auto& [key, value] : item.items()) present.insert(key);
        EXPECT_EQ(present, keys);
        EXPECT_EQ(item["file"], file);
        EXPECT_TRUE(item["line"].is_number_integer());
    }
    EXPECT_EQ(doc[0]["symbol"], "V_WO");
    EXPECT_EQ(doc[0]["message"], "local variable V_Wo is written but never read");
    EXPECT_EQ(doc[0]["line"], 6);
    EXPECT_EQ(doc[6]["symbol"], "LP_MISSING");
    EXPECT_EQ(doc[9]["symbol"], "\"HELLO %%NAME\"");
    EXPECT_EQ(doc[14]["symbol"], "ERROR");
    EXPECT_EQ(doc[14]["severity"], "error");
    EXPECT_EQ(doc[14]["rule"], "listing-error");
    EXPECT_EQ(doc[14]["message"], "2001 - Caf\xC3\xA9 is not a field");
    EXPECT_EQ(doc[13]["severity"], "note");

    ScratchDir dir;
    const std::string quiet = dir.Write("quiet.pro",
                                        "Trigger <EXEC> from Form: QUIET\n=====\n"
                                        "     1        $1 = $2\n\n\n");
    const CliRun none = RunCli({"check", "--format=json", quiet});
    EXPECT_EQ(none.Status, 0);
    EXPECT_EQ(json::parse(none.Out), json::array());
}

TEST(CheckFormats, SarifLogCarriesTheRequiredProperties) {
    ScratchDir dir;
    const std::string file = dir.Write("with blank \xE4.pro", ReadFileBytes(DataFile("rules.pro")));
    const CliRun run = RunCli({"check", "--format", "sarif", file});
    EXPECT_EQ(run.Status, 1);
    const json log = json::parse(run.Out);
    EXPECT_EQ(log["version"], "2.1.0");
    EXPECT_TRUE(log["$schema"].is_string());
    ASSERT_TRUE(log["runs"].is_array());
    ASSERT_EQ(log["runs"].size(), 1u);
    const json& run0 = log["runs"][0];
    const json& driver = run0["tool"]["driver"];
    EXPECT_EQ(driver["name"], "lumorca-cli");
    EXPECT_TRUE(driver["version"].is_string());
    std::vector<std::string> ruleIds;
    for (const json& rule : driver["rules"]) {
        ASSERT_TRUE(rule["id"].is_string());
        EXPECT_FALSE(rule["shortDescription"]["text"].get<std::string>().empty());
        ruleIds.push_back(rule["id"]);
    }
    EXPECT_EQ(ruleIds.size(), 16u);
    const json& results = run0["results"];
    ASSERT_EQ(results.size(), kRulesFindings.size());
    std::set<std::string> levels;
    for (const json& result : results) {
        const std::string id = result["ruleId"];
        const int index = result["ruleIndex"];
        ASSERT_GE(index, 0);
        ASSERT_LT(static_cast<size_t>(index), ruleIds.size());
        EXPECT_EQ(ruleIds[static_cast<size_t>(index)], id);
        EXPECT_TRUE(result["message"]["text"].is_string());
        levels.insert(result["level"].get<std::string>());
        const json& location = result["locations"][0]["physicalLocation"];
        EXPECT_GE(location["region"]["startLine"].get<int>(), 1);
        const std::string uri = location["artifactLocation"]["uri"];
        EXPECT_EQ(uri.rfind("file:///", 0), 0u) << uri;
        EXPECT_NE(uri.find("with%20blank%20%C3%A4.pro"), std::string::npos) << uri;
    }
    EXPECT_EQ(levels, (std::set<std::string>{"error", "warning", "note"}));
    EXPECT_EQ(results[15 - 1]["message"]["text"], "2001 - Caf\xC3\xA9 is not a field");
    EXPECT_EQ(results[0]["locations"][0]["physicalLocation"]["region"]["startLine"], 6);
    EXPECT_EQ(run0["invocations"][0]["executionSuccessful"], true);

    // A file that cannot be read is a notification of the run; the others
    // are still reported.
    const CliRun partly = RunCli({"check", "--format", "sarif", dir.Path() + "/gone.pro", file});
    EXPECT_EQ(partly.Status, 2);
    const json partial = json::parse(partly.Out);
    const json& invocation = partial["runs"][0]["invocations"][0];
    EXPECT_EQ(invocation["executionSuccessful"], false);
    ASSERT_EQ(invocation["toolExecutionNotifications"].size(), 1u);
    const json& notification = invocation["toolExecutionNotifications"][0];
    EXPECT_EQ(notification["level"], "error");
    EXPECT_NE(notification["message"]["text"].get<std::string>().find("gone.pro"),
              std::string::npos);
    EXPECT_EQ(partial["runs"][0]["results"].size(), kRulesFindings.size());
}

TEST(CheckExit, StatusFollowsFindingsAndUnusableFiles) {
    // Only an INFO message: a note does not fail the build.
    CliRun run = RunCli({"check", DataFile("clean.pro")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(SplitLines(run.Out).size(), 1u);
    EXPECT_EQ(LastLine(run.Err), "1 findings in 1 files");

    ScratchDir dir;
    const std::string missing = dir.Path() + "/missing.pro";
    const std::string text = dir.Write("text.pro", "just\nsome\ntext\nand\nmore\n");
    run = RunCli({"check", missing, DataFile("rules.pro"), text});
    EXPECT_EQ(run.Status, 2);
    // The usable file is still checked.
    EXPECT_EQ(SplitLines(run.Out), Prefixed(DataFile("rules.pro"), kRulesFindings));
    const std::vector<std::string> errors = SplitLines(run.Err);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("missing.pro"), std::string::npos);
    EXPECT_NE(errors[1].find("text.pro"), std::string::npos);
    EXPECT_EQ(errors[2], "15 findings in 1 files");

    EXPECT_EQ(RunCli({"check"}).Status, 2);
    EXPECT_EQ(RunCli({"check", "--format", "xml", DataFile("rules.pro")}).Status, 2);
    EXPECT_EQ(RunCli({"check", "--format"}).Status, 2);
    EXPECT_EQ(RunCli({"check", "--option", "NoSuchKey=1", DataFile("rules.pro")}).Status, 2);
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

    args.insert(args.begin() + 1, {"--format", "json"});
    const json doc = json::parse(RunCli(args).Out);
    std::vector<std::string> order;
    for (const json& item : doc) {
        if (order.empty() || order.back() != item["file"]) order.push_back(item["file"]);
    }
    EXPECT_EQ(order, files);
}

}  // namespace
}  // namespace lumorca::testing
