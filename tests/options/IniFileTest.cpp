#include "../CaseFile.h"
#include "options/IniFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

using lumorca::IniFile;

using Arguments = std::vector<std::string>;

class IniFileCases : public ::testing::TestWithParam<lumorca::test::DataCase> {};

// Cases in tests/data/ini-files.txt.
TEST_P(IniFileCases, GiveTheListedResults) {
    const std::map<std::string, std::function<std::string(const Arguments&)>> functions = {
        {"Value", [](const Arguments& a) { return IniFile::Parse(a[0]).Value(a[1], a[2]).value_or("(none)"); }},
        {"Serialize", [](const Arguments& a) { return IniFile::Parse(a[0]).Serialize(); }},
        {"HasSection", [](const Arguments& a) { return IniFile::Parse(a[0]).HasSection(a[1]) ? "true" : "false"; }},
        {"SetValue", [](const Arguments& a) {
             IniFile ini = IniFile::Parse(a[0]);
             ini.SetValue(a[1], a[2], a[3]);
             return ini.Serialize();
         }},
        {"RemoveSection", [](const Arguments& a) {
             IniFile ini = IniFile::Parse(a[0]);
             ini.RemoveSection(a[1]);
             return ini.Serialize();
         }},
    };
    lumorca::test::ExpectResults(GetParam(), functions.at(GetParam().Name));
}

INSTANTIATE_TEST_SUITE_P(Ini, IniFileCases, ::testing::ValuesIn(lumorca::test::LoadCases("ini-files.txt")),
                         lumorca::test::CaseName);

constexpr std::string_view kCommentOnly = "[Empty]\r\n; comment=not a key\r\n[Full]\r\nk=\r\n";

TEST(IniFileRead, SectionWithKeysVersusEmptyHeader) {
    const IniFile ini = IniFile::Parse(kCommentOnly);
    EXPECT_TRUE(ini.HasSection("empty"));
    EXPECT_FALSE(ini.SectionHasKeys("Empty"));
    EXPECT_TRUE(ini.SectionHasKeys("FULL"));
    EXPECT_EQ(IniFile::Parse("stray=1\r\n[S]\r\nk=v\r\n").Sections(), std::vector<std::string>{"S"});
}

TEST(IniFileWrite, NewFileKeepsWritingOrderAndKeysAsTheyStand) {
    IniFile ini;
    ini.SetValue("Options", "Language", "1");
    ini.SetValue("Options", "List $Status", "1");
    ini.SetValue("MainWin", "Left", "10");
    ini.SetValue("Options", "SouceSize 2x", "1");
    ini.SetValue("Files", "History0", "C:\\x y\\a.pro");
    EXPECT_EQ(ini.Serialize(),
              "[Options]\r\nLanguage=1\r\nList $Status=1\r\nSouceSize 2x=1\r\n"
              "[MainWin]\r\nLeft=10\r\n"
              "[Files]\r\nHistory0=C:\\x y\\a.pro\r\n");
}

TEST(IniFileDisk, LoadsFromDiskAndReportsMissingFile) {
    // Unique per run: other builds may run this test at the same time.
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto dir = std::filesystem::temp_directory_path() / ("lumorca_ini_test_" + std::to_string(stamp));
    std::filesystem::create_directories(dir);
    auto path = (dir / "Lumorca.INI").string();
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Options]\r\nIndent=3\r\n";
    }
    auto ini = lumorca::LoadIniFile(path);
    ASSERT_TRUE(ini.has_value());
    EXPECT_EQ(ini->Value("Options", "Indent"), "3");
    EXPECT_FALSE(lumorca::LoadIniFile((dir / "missing.ini").string()).has_value());
    std::filesystem::remove_all(dir);
}
