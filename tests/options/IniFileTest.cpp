#include "options/IniFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

using lumorca::IniFile;

using namespace std::string_view_literals;

struct Lookup {
    const char* Name;
    std::string_view Text;
    const char* Section;
    const char* Key;
    std::optional<std::string> Value;
};

class IniFileRead : public ::testing::TestWithParam<Lookup> {};

TEST_P(IniFileRead, FindsTheValue) {
    EXPECT_EQ(IniFile::Parse(GetParam().Text).Value(GetParam().Section, GetParam().Key), GetParam().Value);
}

constexpr std::string_view kOptions = "[Options]\r\n  Language =  0 \r\nList $Status=1\r\n[mainwin]\r\nLeft=5\r\n";
constexpr std::string_view kCommentOnly = "[Empty]\r\n; comment=not a key\r\n[Full]\r\nk=\r\n";
INSTANTIATE_TEST_SUITE_P(
    Ini, IniFileRead,
    ::testing::Values(Lookup{"CaseAndBlanksIgnored", kOptions, "OPTIONS", "language", "0"},
                      Lookup{"KeyWithBlanks", kOptions, "options", "LIST $STATUS", "1"},
                      Lookup{"SectionCaseIgnored", kOptions, "MainWin", "left", "5"},
                      Lookup{"MissingKey", kOptions, "MainWin", "Top", std::nullopt},
                      Lookup{"MissingSection", kOptions, "Nowhere", "Left", std::nullopt},
                      Lookup{"LfOnlyWithoutFinalBreak", "[A]\nx=1\ny=2", "A", "y", "2"},
                      Lookup{"EmptyValue", kCommentOnly, "Full", "k", ""},
                      Lookup{"CommentIsNoKey", kCommentOnly, "Empty", "; comment", std::nullopt},
                      Lookup{"KeysBeforeAnyHeaderBelongToNoSection", "stray=1\r\n[S]\r\nk=v\r\n", "", "stray",
                             std::nullopt},
                      Lookup{"ValueMayContainEqualsSign", "[S]\nPath = C:\\a=b;c \n", "S", "Path", "C:\\a=b;c"},
                      Lookup{"DuplicateKeysReadTheFirst", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
                      Lookup{"GarbageAndTruncatedInput", "[Opt\0ions\r\n=x\r\n[\r\n]]]\r\n\xff\xfe=\r\n[S]\r\nk=v"sv, "S",
                             "k", "v"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(IniFileWrite, UntouchedFileSerialisesUnchangedApartFromLineEnds) {
    for (const auto& [text, written] : std::vector<std::pair<std::string, std::string>>{
             {"[A]\r\n  spaced  =  value  \r\n;c\r\nnot a key\r\n", "[A]\r\n  spaced  =  value  \r\n;c\r\nnot a key\r\n"},
             {"[A]\nx=1\ny=2", "[A]\r\nx=1\r\ny=2\r\n"},
             {"stray=1\r\n[S]\r\nk=v\r\n", "stray=1\r\n[S]\r\nk=v\r\n"},
             {"", ""}})
        EXPECT_EQ(IniFile::Parse(text).Serialize(), written);
}

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

TEST(IniFileWrite, RemoveSectionRemovesEveryCopy) {
    IniFile ini = IniFile::Parse("[A]\r\na=1\r\n[B]\r\nb=2\r\n[a]\r\nc=3\r\n");
    ini.RemoveSection("a");
    EXPECT_FALSE(ini.HasSection("A"));
    EXPECT_EQ(ini.Serialize(), "[B]\r\nb=2\r\n");
}

TEST(IniFileWrite, DuplicateKeysWriteTheFirst) {
    IniFile ini = IniFile::Parse("[A]\r\nk=1\r\nk=2\r\n");
    ini.SetValue("A", "K", "9");
    EXPECT_EQ(ini.Serialize(), "[A]\r\nk=9\r\nk=2\r\n");
}

TEST(IniFileWrite, LineBreaksInsideAValueCannotAddLines) {
    IniFile ini;
    ini.SetValue("S", "k", "a\r\n[Evil]\nx=1");
    EXPECT_FALSE(IniFile::Parse(ini.Serialize()).HasSection("Evil"));
    EXPECT_EQ(IniFile::Parse(ini.Serialize()).Value("S", "k"), "a  [Evil] x=1");
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
