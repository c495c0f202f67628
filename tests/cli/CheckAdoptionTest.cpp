// lumorca-cli check on existing listings: fingerprints, baselines,
// suppression comments and the formats CI services read.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "../CaseFile.h"
#include "CliRunner.h"

namespace lumorca::testing {
namespace {

using nlohmann::json;
using Lines = std::vector<std::string>;

Lines RulesLines() { return SplitLines(ReadFileBytes(DataFile("rules.pro"))); }

std::string Join(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// Lines put in after line `after` (1-based) of the file.
Lines Inserted(Lines lines, size_t after, const Lines& added) {
    lines.insert(lines.begin() + static_cast<long>(after), added.begin(), added.end());
    return lines;
}

Lines Replaced(Lines lines, size_t line, const std::string& text) {
    lines[line - 1] = text;
    return lines;
}

// Ten comment lines just below the first trigger's title.
Lines TenLinesAtTheTop(const Lines& lines) {
    return Inserted(lines, 2, Lines(10, "     0        ; added above"));
}

json CheckJson(const std::string& file, std::vector<std::string> options = {}) {
    options.insert(options.begin(), {"check", "--format", "json"});
    options.push_back(file);
    return json::parse(RunCli(options).Out);
}

// "rule message" -> fingerprints.
std::map<std::string, std::set<std::string>> Fingerprints(const json& findings) {
    std::map<std::string, std::set<std::string>> result;
    for (const json& f : findings) {
        result[f["rule"].get<std::string>() + " " + f["message"].get<std::string>()].insert(
            f["fingerprint"].get<std::string>());
    }
    return result;
}

TEST(CheckFingerprints, SurviveEditsElsewhereInTheListing) {
    ScratchDir dir;
    const std::map<std::string, std::set<std::string>> original =
        Fingerprints(CheckJson(dir.Write("original.pro", Join(RulesLines()))));
    ASSERT_EQ(original.size(), 15u);

    Lines padded;
    for (size_t i = 0; i < RulesLines().size(); ++i) {
        if (i % 3 == 2) padded.push_back("");
        padded.push_back(RulesLines()[i]);
    }
    // Same rule and symbol as a finding of LP_SAVE.
    const Lines entry = {"******        entry LP_MORE",    "    33        variables",
                         "    34 1         numeric V_TMP", "    35 1      endvariables",
                         "    36        V_TMP = 5",        "    37        return (0)"};
    struct Case {
        const char* Name;
        Lines Listing;
        std::vector<std::string> Options;
    };
    const std::vector<Case> cases = {
        {"lines inserted above", TenLinesAtTheTop(RulesLines()), {}},
        {"empty lines ignored", padded, {"--option", "IgnoreEmptyLines=1"}},
        {"same rule in an earlier structure", Inserted(RulesLines(), 28, entry), {}},
        {"a structure added at the end", Inserted(RulesLines(), 34, entry), {}},
    };
    for (const Case& c : cases) {
        const std::map<std::string, std::set<std::string>> edited =
            Fingerprints(CheckJson(dir.Write("edited.pro", Join(c.Listing)), c.Options));
        for (const auto& [finding, fingerprints] : original) {
            ASSERT_EQ(edited.count(finding), 1u) << c.Name << ": " << finding;
            EXPECT_TRUE(std::includes(edited.at(finding).begin(), edited.at(finding).end(),
                                      fingerprints.begin(), fingerprints.end()))
                << c.Name << ": " << finding;
        }
    }
}

TEST(CheckFingerprints, EqualFindingsInOneStructureDiffer) {
    ScratchDir dir;
    const std::string file = dir.Write("twice.pro",
                                       "Trigger <EXEC> from Form: ORDERS\n=====\n"
                                       "     1        call LP_GONE()\n"
                                       "     2        call LP_GONE()\n"
                                       "Trigger <INIT> from Form: ORDERS\n=====\n"
                                       "     1        call LP_GONE()\n\n");
    std::set<std::string> fingerprints;
    for (const json& f : CheckJson(file)) fingerprints.insert(f["fingerprint"].get<std::string>());
    EXPECT_EQ(fingerprints.size(), 3u);
}

// The findings as "rule symbol", sorted.
std::multiset<std::string> RuleSymbols(const json& findings) {
    std::multiset<std::string> result;
    for (const json& f : findings) {
        result.insert(f["rule"].get<std::string>() + " " + f["symbol"].get<std::string>());
    }
    return result;
}

class CheckSuppressions : public ::testing::TestWithParam<test::DataCase> {};

// Cases in tests/data/suppressions.txt.
TEST_P(CheckSuppressions, CommentsSilenceFindingsAndUnusedOnesAreReported) {
    std::multiset<std::string> expected = RuleSymbols(CheckJson(DataFile("rules.pro")));
    const std::string& edit = GetParam().Parts.at(0).at(0);
    const size_t line = std::stoul(edit.substr(edit.find(' ') + 1)), bar = edit.find(" | ");
    const Lines listing = edit.rfind("insert", 0) == 0 ? Inserted(RulesLines(), line, {edit.substr(bar + 3)})
                                                       : Replaced(RulesLines(), line, edit.substr(bar + 3));
    for (const std::string& gone : GetParam().Parts.at(1)) {
        ASSERT_EQ(expected.count(gone), 1u) << gone;
        expected.erase(expected.find(gone));
    }
    expected.insert(GetParam().Parts.at(2).begin(), GetParam().Parts.at(2).end());
    ScratchDir dir;
    EXPECT_EQ(RuleSymbols(CheckJson(dir.Write("s.pro", Join(listing)))), expected);
}

INSTANTIATE_TEST_SUITE_P(Comments, CheckSuppressions, ::testing::ValuesIn(test::LoadCases("suppressions.txt")),
                         test::CaseName);

std::string SarifValidation(const std::vector<std::string>& logs) {
#ifdef _WIN32
    // The host's Python is out of reach of the Windows build; the native
    // build validates what the same writer produces.
    return {};
#endif
    std::vector<std::string> args = {
        std::string(LUMORCA_SOURCE_DIR) + "/tests/cli/validate_sarif.py",
        DataFile("sarif-schema-2.1.0.json")};
    args.insert(args.end(), logs.begin(), logs.end());
    const CliRun run = RunProgram(LUMORCA_SARIF_PYTHON, args);
    return run.Status == 0 ? std::string()
                           : "status " + std::to_string(run.Status) + "\n" + run.Out + run.Err;
}

class CheckBaseline : public ::testing::Test {
protected:
    ScratchDir dir;
    CliRun Check(const Lines& listing, std::vector<std::string> options) {
        dir.Write("orders.pro", Join(listing));
        options.insert(options.begin(), "check");
        options.push_back("orders.pro");
        return RunProgram(LUMORCA_CLI, options, dir.Path());
    }
};

TEST_F(CheckBaseline, OnlyNewFindingsCountAfterEditsAboveThem) {
    CliRun run = Check(RulesLines(), {"--write-baseline", "baseline.json"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const Lines moved = TenLinesAtTheTop(RulesLines());
    const Lines faulty = Inserted(moved, 20, {"    99        L_NEW:"});

    run = Check(faulty, {"--baseline", "baseline.json"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(
        SplitLines(run.Out),
        Lines{"orders.pro:21: warning: label L_NEW is defined but never jumped to [label-unused]"});
    EXPECT_EQ(SplitLines(run.Err).back(),
              "1 new findings, 15 in the baseline, 0 in the baseline no longer found in 1 files");
}

TEST_F(CheckBaseline, FileIsSortedOneFindingALineAndRoundTrips) {
    ASSERT_EQ(Check(RulesLines(), {"--write-baseline=baseline.json"}).Status, 0);
    const std::string text = ReadFileBytes(dir.Path() + "/baseline.json");
    // Sorted, one finding a line, the same file every time.
    EXPECT_EQ(text, ReadFileBytes(DataFile("rules-baseline.json")));
    const json findings = json::parse(text)["findings"];

    // A fixed finding is absent; the others are unchanged.
    const Lines fixed = Replaced(RulesLines(), 18, "    16        ; fixed");
    CliRun run = Check(fixed, {"--baseline", "baseline.json", "--format", "sarif"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(SplitLines(run.Err).back(),
              "0 new findings, 14 in the baseline, 1 in the baseline no longer found in 1 files");
    const json log = json::parse(run.Out);
    std::multiset<std::string> states;
    for (const json& result : log["runs"][0]["results"]) {
        states.insert(result["baselineState"].get<std::string>());
        if (result["baselineState"] == "absent") {
            EXPECT_EQ(result["ruleId"], "label-undefined");
        }
    }
    EXPECT_EQ(states.count("unchanged"), 14u);
    EXPECT_EQ(states.count("absent"), 1u);
    dir.Write("sarif-baseline.json", run.Out);
    EXPECT_EQ(SarifValidation({dir.Path() + "/sarif-baseline.json"}), "");

    // Written by hand: only what matching needs, escapes, no version.
    dir.Write("hand.json", "{\"findings\": [{\"file\": \"orders\\u002Epro\", \"fingerprint\": " +
                               findings[0]["fingerprint"].dump() + "}]}");
    run = Check(RulesLines(), {"--baseline", "hand.json"});
    EXPECT_EQ(SplitLines(run.Err).back(),
              "14 new findings, 1 in the baseline, 0 in the baseline no longer found in 1 files");
    dir.Write("bom.json", "\xEF\xBB\xBF" + text);
    EXPECT_EQ(Check(RulesLines(), {"--baseline", "bom.json"}).Status, 0);
}

// Unusable baselines are the command-line tests' (cli.baseline_*).
TEST_F(CheckBaseline, NotWrittenWhenAFileCannotBeChecked) {
    const CliRun run =
        RunProgram(LUMORCA_CLI, {"check", "--write-baseline", "b.json", "gone.pro"}, dir.Path());
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(ReadFileBytes(dir.Path() + "/b.json"), "");
}

// The other forms are compared whole with checked files, the log with its
// schema; here what the schema leaves open. Relative names are relative URIs
// on SRCROOT, the working directory; absolute ones are file URIs.
TEST(CheckCiFormats, SarifLogCarriesTheRequiredProperties) {
    const std::string dataDir = std::string(LUMORCA_SOURCE_DIR) + "/tests/cli/data";
    auto check = [&](const std::string& format) {
        return RunProgram(LUMORCA_CLI, {"check", "--format", format, "rules.pro"}, dataDir);
    };
    const json findings = json::parse(check("json").Out);
    ASSERT_EQ(findings.size(), 15u);
    const CliRun relative = check("sarif");
    EXPECT_EQ(relative.Status, 1);
    const json run = json::parse(relative.Out)["runs"][0];
#ifdef _WIN32
    // The emulator shows the host's root as drive Z:.
    EXPECT_EQ(run["originalUriBaseIds"]["SRCROOT"]["uri"], "file:///Z:" + dataDir + "/");
#else
    EXPECT_EQ(run["originalUriBaseIds"]["SRCROOT"]["uri"], "file://" + dataDir + "/");
#endif
    const json& driver = run["tool"]["driver"];
    EXPECT_EQ(driver["name"], "lumorca-cli");
    ASSERT_EQ(driver["rules"].size(), 16u);
    for (const json& rule : driver["rules"]) EXPECT_NE(rule["shortDescription"]["text"], "");
    ASSERT_EQ(run["results"].size(), 15u);
    std::set<std::string> levels;
    for (size_t i = 0; i < run["results"].size(); ++i) {
        const json& result = run["results"][i];
        EXPECT_EQ(driver["rules"][result["ruleIndex"].get<size_t>()]["id"], result["ruleId"]);
        levels.insert(result["level"].get<std::string>());
        const json& artifact = result["locations"][0]["physicalLocation"]["artifactLocation"];
        EXPECT_EQ(artifact["uri"], "rules.pro");
        EXPECT_EQ(artifact["uriBaseId"], "SRCROOT");
        EXPECT_EQ(result["partialFingerprints"]["lumorcaFingerprint/v1"], findings[i]["fingerprint"]);
        EXPECT_EQ(result.count("baselineState"), 0u);
    }
    EXPECT_EQ(levels, (std::set<std::string>{"error", "warning", "note"}));
    EXPECT_EQ(run["results"][14]["message"]["text"], "2001 - Caf\xC3\xA9 is not a field");
    EXPECT_EQ(run["results"][0]["locations"][0]["physicalLocation"]["region"]["startLine"], 6);
    EXPECT_EQ(run["invocations"][0]["executionSuccessful"], true);

    // A file that cannot be read is a notification of the run; the others
    // are still reported.
    ScratchDir dir;
    const std::string file = dir.Write("with blank \xE4.pro", ReadFileBytes(DataFile("rules.pro")));
    const std::string gone = dir.Path() + "/gone.pro";
    const CliRun absolute = RunCli({"check", "--format", "sarif", gone, file});
    EXPECT_EQ(absolute.Status, 2);
    const json partial = json::parse(absolute.Out)["runs"][0];
    EXPECT_EQ(partial.count("originalUriBaseIds"), 0u);
    const json& invocation = partial["invocations"][0];
    EXPECT_EQ(invocation["executionSuccessful"], false);
    ASSERT_EQ(invocation["toolExecutionNotifications"].size(), 1u);
    EXPECT_EQ(invocation["toolExecutionNotifications"][0]["level"], "error");
    EXPECT_EQ(invocation["toolExecutionNotifications"][0]["message"]["text"], "Coudn't read file " + gone);
    ASSERT_EQ(partial["results"].size(), 15u);
    for (const json& result : partial["results"]) {
        const std::string uri = result["locations"][0]["physicalLocation"]["artifactLocation"]["uri"];
        EXPECT_EQ(uri.rfind("file:///", 0), 0u) << uri;
        EXPECT_NE(uri.find("with%20blank%20%C3%A4.pro"), std::string::npos) << uri;
    }
    EXPECT_EQ(SarifValidation({dir.Write("relative.sarif", relative.Out), dir.Write("absolute.sarif", absolute.Out)}),
              "");
}

}  // namespace
}  // namespace lumorca::testing
