#include "../CaseFile.h"
#include "options/IniFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

using lumorca::IniFile;

using Arguments = std::vector<std::string>;

class IniFileCases : public ::testing::TestWithParam<lumorca::test::DataCase> {};

// Cases in tests/data/ini-files.txt.
TEST_P(IniFileCases, GiveTheListedResults) {
    const std::map<std::string, std::function<std::string(const Arguments&)>> functions = {
        {"Value", [](const Arguments& a) { return IniFile::Parse(a[0]).Value(a[1], a[2]).value_or("(none)"); }},
        {"Serialize", [](const Arguments& a) { return IniFile::Parse(a[0]).Serialize(); }},
        {"HasSection", [](const Arguments& a) { return IniFile::Parse(a[0]).HasSection(a[1]) ? "true" : "false"; }},
        {"SectionHasKeys",
         [](const Arguments& a) { return IniFile::Parse(a[0]).SectionHasKeys(a[1]) ? "true" : "false"; }},
        {"Sections", [](const Arguments& a) {
             std::string names;
             for (const std::string& name : IniFile::Parse(a[0]).Sections()) names += name + ";";
             return names;
         }},
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
