#include "TestSupport.h"
#include "options/IniFile.h"
#include "options/IniStore.h"
#include "options/RegistryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumorca;
using namespace lumorca::test;

namespace {

// Every setting away from its default.
void MakeCustom(TLumorcaOptions& o) {
    o.Language = 0;
    o.ProcListingDir = "C:\\Listings";
    o.AskToSave = false;
    o.AutoReload = true;
    o.IgnoreERRF = true;
    o.ListStatus = true;
    o.ListResult = false;
    o.TryToMerge = false;
    o.IgnoreEmptyLines = true;
    o.ServiceWarnings = false;
    o.MarkInvalidParams = false;
    o.MarkVarStrings = false;
    o.MarkSuspEntries = false;
    o.MarkSuspCompVars = false;
    o.MarkSuspLocalVars = false;
    o.MarkSuspLabel = false;
    o.MarkSuspEntriesEx = {"LP_*", "INIT"};
    o.MarkSuspCompVarsEx = {"$TMP*"};
    o.MarkSuspLocalVarsEx = {};
    o.MarkSuspLabelEx = {"L1", "L2", "L3"};
    o.MainWin.State = StateNormal;
    o.StructureWin = {{"Courier New", 10, 0x0000FF, true, false}, StateMaximized};
    o.XRefWin = {{"Arial", 9, 0, false, true}, StateNormal};
    o.CallWin = {{"Arial", 8, 0, false, false}, StateMinimized};
    o.SourceWin = {{"Consolas", 11, 0x123456, true, true}, StateNormal};
    o.SameWindowFont = true;
    o.SameWindowColor = false;
    o.AutoSize = false;
    o.SourceSize2x = true;
    o.SortLocals = false;
    o.How2ShowXRef = 1;
    o.ExpandCallTree = false;
    o.ListDuplicateCalls = false;
    o.ListLibraryCalls = false;
    o.SortCalls = 1;
    o.AutoIndent = false;
    o.Indent = 6;
    o.DisplayLineNrTotal = false;
    o.DisplayLineNrTrigger = false;
    o.DisplayContinueFlag = false;
    o.Lowercase = false;
    o.NonPropFont = true;
    TColor c = 0x100001;
    for (TColor* color : {&o.ColorZnrAbs, &o.ColorZnrTrigger, &o.ColorContinue, &o.ColorSource,
                          &o.ColorSourceComment, &o.ColorSourceNames, &o.ColorSourceCommands, &o.ColorSourceGold,
                          &o.ColorSourceErrors, &o.ColorSourceWarnings, &o.ColorSourceInfos,
                          &o.ColorSourceActiveLine, &o.ColorSourceMarked})
        *color = c++;
}

// The custom settings with recent files and a last position.
void MakeCustom(TOptionSettings& s) {
    MakeCustom(s.Options);
    s.History.AddFile("(Paste)");
    s.History.AddFile("C:\\b.pro");
    s.LastTrigger = "LP_MAIN";
    s.LastLineNr = 42;
}

void ExpectSameSettings(const TLumorcaOptions& a, const TLumorcaOptions& b) {
#define SAME(field) EXPECT_EQ(a.field, b.field) << #field
    SAME(Language); SAME(ProcListingDir); SAME(AskToSave); SAME(AutoReload); SAME(IgnoreERRF);
    SAME(ListStatus);
    SAME(ListResult); SAME(TryToMerge); SAME(IgnoreEmptyLines); SAME(ServiceWarnings);
    SAME(MarkInvalidParams); SAME(MarkVarStrings); SAME(MarkSuspEntries); SAME(MarkSuspCompVars);
    SAME(MarkSuspLocalVars); SAME(MarkSuspLabel); SAME(MarkSuspEntriesEx); SAME(MarkSuspCompVarsEx);
    SAME(MarkSuspLocalVarsEx); SAME(MarkSuspLabelEx); SAME(MainWin); SAME(StructureWin); SAME(XRefWin);
    SAME(CallWin); SAME(SourceWin); SAME(SameWindowFont); SAME(SameWindowColor); SAME(AutoSize);
    SAME(SourceSize2x); SAME(SortLocals); SAME(How2ShowXRef); SAME(ExpandCallTree); SAME(ListDuplicateCalls);
    SAME(ListLibraryCalls); SAME(SortCalls); SAME(AutoIndent); SAME(Indent); SAME(DisplayLineNrTotal);
    SAME(DisplayLineNrTrigger); SAME(DisplayContinueFlag); SAME(Lowercase); SAME(NonPropFont);
    SAME(ColorZnrAbs); SAME(ColorZnrTrigger); SAME(ColorContinue); SAME(ColorSource); SAME(ColorSourceComment);
    SAME(ColorSourceNames); SAME(ColorSourceCommands); SAME(ColorSourceGold); SAME(ColorSourceErrors);
    SAME(ColorSourceWarnings); SAME(ColorSourceInfos); SAME(ColorSourceActiveLine); SAME(ColorSourceMarked);
#undef SAME
}

void ExpectCustom(const TOptionSettings& s) {
    TLumorcaOptions custom;
    MakeCustom(custom);
    ExpectSameSettings(s.Options, custom);
    EXPECT_EQ(s.History.Items(), (QStringList{"C:\\b.pro", "(Paste)"}));
    EXPECT_EQ(s.LastTrigger, "LP_MAIN");
    EXPECT_EQ(s.LastLineNr, 42);
}

// Windows as the custom options describe them.
void MatchWindows(FakeWindows& w) {
    w.States = {{TWindowId::Main, StateNormal}, {TWindowId::Structure, StateMaximized},
                {TWindowId::XRef, StateNormal}, {TWindowId::Call, StateMinimized},
                {TWindowId::Source, StateNormal}};
    w.Bounds = {{TWindowId::Main, {10, 1000, 20, 700}}, {TWindowId::XRef, {0, 400, 0, 300}},
                {TWindowId::Source, {400, 1100, 0, 800}}};
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTestRegistry(); }
    void TearDown() override { ClearTestRegistry(); }

    QString Program() const { return Dir.filePath("Lumorca7.exe"); }
    QString Ini() const { return Dir.filePath("Lumorca7.INI"); }

    std::unique_ptr<TOptionSettings> Make(bool useRegistry, TWindowHost* windows = nullptr) {
        auto settings = std::make_unique<TOptionSettings>(Program(), TestRegistryName);
        settings->Windows = windows;
        settings->OpenSettingsStore(useRegistry);
        return settings;
    }

    std::unique_ptr<TOptionSettings> Loaded(bool useRegistry, TWindowHost* windows = nullptr) {
        auto settings = Make(useRegistry, windows);
        settings->LoadOptions();
        return settings;
    }

    QTemporaryDir Dir;
};

const char* const CustomIni =
    "[Options]\r\n"
    "Language=0\r\n"
    "ProcListingDir=C:\\Listings\r\n"
    "AskToSave=0\r\n"
    "AutoReload=1\r\n"
    "Ignore ERRF=1\r\n"
    "List $Status=1\r\n"
    "List $Result=0\r\n"
    "TryToMerge=0\r\n"
    "IgnoreEmptyLines=1\r\n"
    "ServiceWarnings=0\r\n"
    "MarkInvalidParams=0\r\n"
    "MarkVarStrings=0\r\n"
    "MarkSuspEntries=0\r\n"
    "MarkSuspCompVars=0\r\n"
    "MarkSuspLocalVars=0\r\n"
    "MarkSuspLabel=0\r\n"
    "MarkSuspEntriesEx=LP_*;INIT\r\n"
    "MarkSuspCompVarsEx=$TMP*\r\n"
    "MarkSuspLocalVarsEx=\r\n"
    "MarkSuspLabelEx=L1;L2;L3\r\n"
    "SameWindowColor=0\r\n"
    "SameWindowFont=1\r\n"
    "AutoSize=0\r\n"
    "SouceSize 2x=1\r\n"
    "SortLocals=0\r\n"
    "How2ShowXRef=1\r\n"
    "ExpandCallTree=0\r\n"
    "ListDuplcateCalls=0\r\n"
    "ListLibraryCalls=0\r\n"
    "SortCalls=1\r\n"
    "AutoIndent=0\r\n"
    "Indent=6\r\n"
    "DisplayLineNrTotal=0\r\n"
    "DisplayLineNrTrigger=0\r\n"
    "DisplayContinueFlag=0\r\n"
    "Lowercase=0\r\n"
    "NonPropFont=1\r\n"
    "ColorZnrAbs=1048577\r\n"
    "ColorZnrTrigger=1048578\r\n"
    "ColorContinue=1048579\r\n"
    "ColorSource=1048580\r\n"
    "ColorSourceComment=1048581\r\n"
    "ColorSourceNames=1048582\r\n"
    "ColorSourceCommands=1048583\r\n"
    "ColorSourceGold=1048584\r\n"
    "ColorSourceErrors=1048585\r\n"
    "ColorSourceWarnings=1048586\r\n"
    "ColorSourceInfos=1048587\r\n"
    "ColorSourceActiveLine=1048588\r\n"
    "ColorSourceMarked=1048589\r\n"
    "[MainWin]\r\n"
    "Left=10\r\nWidth=1000\r\nTop=20\r\nHeight=700\r\nState=0\r\n"
    "[StructureWin]\r\n"
    "State=2\r\nFontName=Courier New\r\nFontSize=10\r\nFontColor=255\r\nFontBold=1\r\nFontItalic=0\r\n"
    "[XRefWin]\r\n"
    "Left=0\r\nWidth=400\r\nTop=0\r\nHeight=300\r\nState=0\r\n"
    "FontName=Arial\r\nFontSize=9\r\nFontColor=0\r\nFontBold=0\r\nFontItalic=1\r\n"
    "[CallWin]\r\n"
    "State=1\r\nFontName=Arial\r\nFontSize=8\r\nFontColor=0\r\nFontBold=0\r\nFontItalic=0\r\n"
    "[SourceWin]\r\n"
    "Left=400\r\nWidth=1100\r\nTop=0\r\nHeight=800\r\nState=0\r\n"
    "FontName=Consolas\r\nFontSize=11\r\nFontColor=1193046\r\nFontBold=1\r\nFontItalic=1\r\n"
    "[LastAccess]\r\n"
    "Trigger=LP_MAIN\r\n"
    "LineNr=42\r\n"
    "[Files]\r\n"
    "History0=C:\\b.pro\r\n"
    "History1=(Paste)\r\n";

}  // namespace

TEST_F(OptionsTest, FactoryDefaults) {
    auto s = Make(true);
    s->SetDefaults();
    const TLumorcaOptions& o = s->DefaultOptions;
    EXPECT_EQ(o.Language, 1);
    EXPECT_EQ(o.ProcListingDir, QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_TRUE(o.AskToSave && o.ListStatus && o.ListResult && o.TryToMerge && o.ServiceWarnings);
    EXPECT_FALSE(o.IgnoreERRF || o.IgnoreEmptyLines || o.AutoReload);
    EXPECT_TRUE(o.MarkInvalidParams && o.MarkVarStrings && o.MarkSuspEntries && o.MarkSuspCompVars &&
                o.MarkSuspLocalVars && o.MarkSuspLabel);
    EXPECT_TRUE(o.MarkSuspEntriesEx.isEmpty() && o.MarkSuspCompVarsEx.isEmpty() &&
                o.MarkSuspLocalVarsEx.isEmpty() && o.MarkSuspLabelEx.isEmpty());
    EXPECT_EQ(o.MainWin.State, StateNormal);
    const TFontInfo arial{"Arial", 8, 0, false, false};
    EXPECT_EQ(o.StructureWin, (TWinOptions{arial, StateNormal}));
    EXPECT_EQ(o.XRefWin, (TWinOptions{arial, StateNormal}));
    EXPECT_EQ(o.CallWin, (TWinOptions{arial, StateMinimized}));
    EXPECT_EQ(o.SourceWin, (TWinOptions{{"Times New Roman", 8, 0, false, false}, StateNormal}));
    EXPECT_FALSE(o.SameWindowFont);
    EXPECT_TRUE(o.SameWindowColor && o.AutoSize && o.SourceSize2x && o.SortLocals);
    EXPECT_EQ(o.How2ShowXRef, 2);
    EXPECT_TRUE(o.ExpandCallTree && o.ListDuplicateCalls && o.ListLibraryCalls);
    EXPECT_EQ(o.SortCalls, 0);
    EXPECT_TRUE(o.AutoIndent);
    EXPECT_EQ(o.Indent, 4);
    EXPECT_TRUE(o.DisplayLineNrTotal && o.DisplayLineNrTrigger && o.DisplayContinueFlag && o.Lowercase);
    EXPECT_FALSE(o.NonPropFont);
    EXPECT_EQ(o.ColorZnrAbs, 0xFF0000u);
    EXPECT_EQ(o.ColorZnrTrigger, 0x008000u);
    EXPECT_EQ(o.ColorContinue, 0x0000FFu);
    EXPECT_EQ(o.ColorSource, 0x000000u);
    EXPECT_EQ(o.ColorSourceComment, 0xFF0000u);
    EXPECT_EQ(o.ColorSourceNames, 0x000080u);
    EXPECT_EQ(o.ColorSourceCommands, 0x0080FFu);
    EXPECT_EQ(o.ColorSourceGold, 0x0000FFu);
    EXPECT_EQ(o.ColorSourceErrors, 0x0000FFu);
    EXPECT_EQ(o.ColorSourceWarnings, 0x0000FFu);
    EXPECT_EQ(o.ColorSourceInfos, 0x808080u);
    EXPECT_EQ(o.ColorSourceActiveLine, 0x00FFFFu);
    EXPECT_EQ(o.ColorSourceMarked, 0xFF0000u);
    EXPECT_EQ(s->History.Count(), 0);
    EXPECT_EQ(s->History.MaxCount, 10);
    ExpectSameSettings(s->Options, o);
}

TEST_F(OptionsTest, DefaultsTakeTheCurrentDirectoryOfTheMoment) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Dir.path()));
    auto s = Make(true);
    s->SetDefaults();
    QDir::setCurrent(before);
    EXPECT_EQ(QDir(s->Options.ProcListingDir).canonicalPath(), QDir(Dir.path()).canonicalPath());
}

TEST_F(OptionsTest, FirstStartWithNothingStoredRunsOnFactorySettings) {
    FakeWindows windows;
    auto s = std::make_unique<TOptionSettings>(Program(), TestRegistryName);
    s->Windows = &windows;
    int applied = 0;
    s->ApplyOptions = [&] { ++applied; };
    s->ChooseSettingsStore();
    EXPECT_TRUE(s->UseRegistry);
    EXPECT_EQ(s->StoreName, TestRegistryName);
    EXPECT_EQ(s->IniFileName, Ini());
    s->LoadOptions();
    EXPECT_EQ(applied, 1);
    EXPECT_FALSE(s->Options.IgnoreEmptyLines);
    EXPECT_TRUE(s->Options.ServiceWarnings);
    EXPECT_EQ(s->Options.CallWin.State, StateMinimized);
    ExpectSameSettings(s->Options, s->DefaultOptions);
    // Main window at 80 % of the screen; child windows left to the arrangement.
    EXPECT_EQ(windows.Placed.size(), 1u);
    EXPECT_EQ(windows.Placed[TWindowId::Main], (TWindowGeometry{192, 1536, 108, 864}));
    EXPECT_FALSE(windows.WindowsPlaced);
    EXPECT_FALSE(windows.Arranging);
    EXPECT_FALSE(QFileInfo::exists(Ini()));
}

TEST_F(OptionsTest, DefaultsKeepTheRecentFilesAndThePosition) {
    auto s = Make(true);
    MakeCustom(*s);
    s->SetDefaults();
    ExpectSameSettings(s->Options, s->DefaultOptions);
    EXPECT_EQ(s->History.Count(), 2);
    EXPECT_EQ(s->LastTrigger, "LP_MAIN");
    EXPECT_EQ(s->LastLineNr, 42);
}

TEST_F(OptionsTest, AnalysisSettingsFollowTheOptions) {
    TLumorcaOptions o;
    MakeCustom(o);
    o.MarkSuspLabelEx = {QString::fromLatin1("L\xc4")};
    const AnalysisSettings a = ToAnalysisSettings(o);
    EXPECT_EQ(a.Language, 0);
    EXPECT_TRUE(a.IgnoreERRF);
    EXPECT_TRUE(a.IgnoreEmptyLines);
    EXPECT_FALSE(a.ServiceWarnings);
    EXPECT_FALSE(a.ListResult);
    EXPECT_FALSE(a.MarkSuspLabel);
    EXPECT_EQ(a.MarkSuspEntriesEx, (std::vector<std::string>{"LP_*", "INIT"}));
    EXPECT_EQ(a.MarkSuspLabelEx, (std::vector<std::string>{"L\xc4"}));
    EXPECT_FALSE(a.SortLocals);
    EXPECT_EQ(a.How2ShowXRef, 1);
    EXPECT_EQ(a.SortCalls, 1);
    EXPECT_FALSE(a.ExpandCallTree || a.ListDuplicateCalls || a.ListLibraryCalls);
    EXPECT_EQ(a.Indent, 6);
    EXPECT_FALSE(a.AutoIndent || a.DisplayLineNrTotal || a.DisplayLineNrTrigger || a.DisplayContinueFlag ||
                 a.Lowercase);
    EXPECT_FALSE(a.WarningsOnly);
}

TEST_F(OptionsTest, NewIniFileHasExactlyTheWritingOrder) {
    FakeWindows windows;
    MatchWindows(windows);
    auto s = Make(false, &windows);
    s->SetDefaults();
    MakeCustom(*s);
    ASSERT_FALSE(s->SaveOptions().has_value());
    EXPECT_EQ(ReadBytes(Ini()), QByteArray(CustomIni));
}

TEST_F(OptionsTest, EveryFieldSurvivesTheIniFile) {
    FakeWindows windows;
    MatchWindows(windows);
    {
        auto s = Make(false, &windows);
        s->SetDefaults();
        MakeCustom(*s);
        ASSERT_FALSE(s->SaveOptions().has_value());
    }
    FakeWindows reloaded;
    auto s = Loaded(false, &reloaded);
    ExpectCustom(*s);
    EXPECT_EQ(reloaded.Placed[TWindowId::Main], (TWindowGeometry{10, 1000, 20, 700}));
    EXPECT_EQ(reloaded.Placed[TWindowId::XRef], (TWindowGeometry{0, 400, 0, 300}));
    EXPECT_EQ(reloaded.Placed[TWindowId::Source], (TWindowGeometry{400, 1100, 0, 800}));
    EXPECT_FALSE(reloaded.Placed.contains(TWindowId::Structure));
    EXPECT_FALSE(reloaded.WindowsPlaced);  // the structure window had no stored geometry
    EXPECT_EQ(reloaded.ArrangingWhilePlacing, std::vector<bool>(3, true));

    // Saved again unchanged, the file stays byte for byte the same.
    MatchWindows(reloaded);
    ASSERT_FALSE(s->SaveOptions().has_value());
    EXPECT_EQ(ReadBytes(Ini()), QByteArray(CustomIni));
}

TEST_F(OptionsTest, EveryFieldSurvivesThePerUserStore) {
    FakeWindows windows;
    MatchWindows(windows);
    {
        auto s = Make(true, &windows);
        s->SetDefaults();
        MakeCustom(*s);
        ASSERT_FALSE(s->SaveOptions().has_value());
    }
    auto s = Loaded(true);
    ExpectCustom(*s);
    EXPECT_FALSE(QFileInfo::exists(Ini()));
}

TEST_F(OptionsTest, ExistingFileKeepsItsOrderAndUnknownKeys) {
    WriteBytes(Ini(),
               "; written by hand\r\n"
               "[files]\r\n"
               "History0=C:\\old.pro\r\n"
               "History5=C:\\stale.pro\r\n"
               "History12=C:\\beyond.pro\r\n"
               "[OPTIONS]\r\n"
               "language = 0\r\n"
               "CustomKey=keep\r\n"
               "ProcListingDir=D:\\Src\r\n"
               "\r\n"
               "[Extra]\r\n"
               "foo=bar\r\n");
    auto s = Loaded(false);
    EXPECT_EQ(s->Options.Language, 0);
    EXPECT_EQ(s->History.Items(), (QStringList{"C:\\old.pro", "C:\\stale.pro"}));
    ASSERT_FALSE(s->SaveOptions().has_value());

    const QByteArray bytes = ReadBytes(Ini());
    EXPECT_TRUE(bytes.startsWith("; written by hand\r\n"
                                 "[files]\r\n"
                                 "History0=C:\\old.pro\r\n"
                                 "History5=C:\\stale.pro\r\n"
                                 "History12=C:\\beyond.pro\r\n"
                                 "History1=C:\\stale.pro\r\n"
                                 "[OPTIONS]\r\n"
                                 "language=0\r\n"
                                 "CustomKey=keep\r\n"
                                 "ProcListingDir=D:\\Src\r\n"
                                 "AskToSave=1\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("ColorSourceMarked=16711680\r\n\r\n[Extra]\r\nfoo=bar\r\n[MainWin]\r\n"));
    const IniFile ini = IniFile::Parse(bytes.toStdString());
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"files", "OPTIONS", "Extra", "MainWin", "StructureWin",
                                                        "XRefWin", "CallWin", "SourceWin", "LastAccess"}));
    EXPECT_EQ(ini.Keys("Options").size(), 51u);
}

TEST_F(OptionsTest, HandWrittenGarbageFallsBackToDefaults) {
    WriteBytes(Ini(),
               "[Options]\n"
               "Language=7\n"
               "Indent=four\n"
               "How2ShowXRef=3\n"
               "SortCalls=2\n"
               "ColorSource=red\n"
               "AskToSave=no\n"
               "Lowercase=0\n"
               "ColorSourceGold= 255 \n"
               "[CallWin]\n"
               "State=9\n"
               "FontSize=big\n"
               "FontBold=yes\n"
               "[XRefWin]\n"
               "State=-1\n"
               "[LastAccess]\n"
               "LineNr=12x\n"
               "[SourceWin]\n"
               "State=2\n"
               "FontNa");
    auto s = Loaded(false);
    const TLumorcaOptions& o = s->Options;
    EXPECT_EQ(o.Language, 1);
    EXPECT_EQ(o.Indent, 4);
    EXPECT_EQ(o.How2ShowXRef, 2);
    EXPECT_EQ(o.SortCalls, 0);
    EXPECT_EQ(o.ColorSource, 0u);
    EXPECT_TRUE(o.AskToSave);
    EXPECT_FALSE(o.Lowercase);
    EXPECT_EQ(o.ColorSourceGold, 255u);
    EXPECT_EQ(o.CallWin, s->DefaultOptions.CallWin);
    EXPECT_EQ(o.XRefWin.State, StateNormal);
    EXPECT_EQ(s->LastLineNr, 0);
    EXPECT_EQ(o.SourceWin.State, StateMaximized);
    EXPECT_EQ(o.SourceWin.Font.Name, "Times New Roman");
}

TEST_F(OptionsTest, LanguageTakenOnlyWhenZeroOrOne) {
    for (const auto& [stored, expected] : std::vector<std::pair<const char*, int>>{
             {"0", 0}, {"1", 1}, {"2", 1}, {"-1", 1}, {"256", 1}, {"", 1}}) {
        WriteBytes(Ini(), QByteArray("[Options]\r\nLanguage=") + stored + "\r\n");
        EXPECT_EQ(Loaded(false)->Options.Language, expected) << stored;
    }
}

TEST_F(OptionsTest, MissingSectionsAndUnreadableFilesGiveDefaults) {
    WriteBytes(Ini(), "[Files]\r\nHistory0=C:\\a.pro\r\n");
    auto s = Loaded(false);
    ExpectSameSettings(s->Options, s->DefaultOptions);
    EXPECT_EQ(s->History.Items(), QStringList{"C:\\a.pro"});

    // A directory where the file should be cannot be read (nor written).
    QTemporaryDir other;
    QDir(other.path()).mkdir("Lumorca7.INI");
    TOptionSettings blocked(other.filePath("Lumorca7.exe"), TestRegistryName);
    blocked.OpenSettingsStore(false);
    blocked.LoadOptions();
    ExpectSameSettings(blocked.Options, blocked.DefaultOptions);
    EXPECT_TRUE(blocked.SaveOptions().has_value());
    EXPECT_TRUE(QFileInfo(other.filePath("Lumorca7.INI")).isDir());
}

TEST_F(OptionsTest, ListEncodingDropsEmptyPieces) {
    WriteBytes(Ini(), "[Options]\r\nMarkSuspEntriesEx=LP_A;;LP_B;\r\nMarkSuspLabelEx=;\r\n");
    auto s = Loaded(false);
    EXPECT_EQ(s->Options.MarkSuspEntriesEx, (QStringList{"LP_A", "LP_B"}));
    EXPECT_TRUE(s->Options.MarkSuspLabelEx.isEmpty());
    ASSERT_FALSE(s->SaveOptions().has_value());
    const IniFile ini = IniFile::Parse(ReadBytes(Ini()).toStdString());
    EXPECT_EQ(ini.Value("Options", "MarkSuspEntriesEx"), "LP_A;LP_B");
    EXPECT_EQ(ini.Value("Options", "MarkSuspLabelEx"), "");

    QStringList list{"stale"};
    SplitList("A;B", list);
    EXPECT_EQ(list, (QStringList{"A", "B"}));
    EXPECT_EQ(JoinList({"X;Y", "Z"}), "X;Y;Z");  // a ";" inside a line splits it on the way back
    SplitList(JoinList({"X;Y", "Z"}), list);
    EXPECT_EQ(list, (QStringList{"X", "Y", "Z"}));
}

TEST_F(OptionsTest, StoreChoiceAtStart) {
    const auto choose = [&] {
        auto s = std::make_unique<TOptionSettings>(Program(), TestRegistryName);
        s->ChooseSettingsStore();
        return s;
    };
    // Per-user store without "Options", INI file with it: the INI file.
    {
        TRegistryStore registry(TestRegistryName);
        registry.WriteInteger("MainWin", "Left", 5);
        ASSERT_FALSE(registry.Flush(1));
    }
    WriteBytes(Ini(), "[Options]\r\nIndent=3\r\n");
    auto s = choose();
    EXPECT_FALSE(s->UseRegistry);
    EXPECT_EQ(s->StoreName, Ini());
    s->LoadOptions();
    EXPECT_EQ(s->Options.Indent, 3);

    // An "Options" header without keys does not count.
    WriteBytes(Ini(), "[Options]\r\n[MainWin]\r\nLeft=1\r\n");
    EXPECT_TRUE(choose()->UseRegistry);

    // Stored per-user options win over the INI file.
    WriteBytes(Ini(), "[Options]\r\nIndent=3\r\n");
    {
        TRegistryStore registry(TestRegistryName);
        registry.WriteInteger("Options", "Indent", 9);
        ASSERT_FALSE(registry.Flush(1));
    }
    s = choose();
    EXPECT_TRUE(s->UseRegistry);
    EXPECT_EQ(s->StoreName, TestRegistryName);
    s->LoadOptions();
    EXPECT_EQ(s->Options.Indent, 9);
}

TEST_F(OptionsTest, SwitchingToTheIniFileErasesThePerUserStore) {
    {
        auto s = Make(true);
        s->SetDefaults();
        ASSERT_FALSE(s->SaveOptions().has_value());
    }
    ASSERT_TRUE(TRegistryStore(TestRegistryName).SectionExists("Options"));
    WriteBytes(Ini(), "[Other]\r\nx=1\r\n");

    auto s = Make(true);
    s->SwitchSettingsStore(false);
    EXPECT_FALSE(s->UseRegistry);
    EXPECT_EQ(s->StoreName, Ini());
    EXPECT_FALSE(TRegistryStore(TestRegistryName).SectionExists("Options"));
    EXPECT_FALSE(TRegistryStore(TestRegistryName).SectionExists("MainWin"));
    EXPECT_EQ(ReadBytes(Ini()), "[Other]\r\nx=1\r\n");  // nothing written yet

    s->SwitchSettingsStore(true);
    EXPECT_TRUE(s->UseRegistry);
    EXPECT_TRUE(QFileInfo::exists(Ini()));
}

TEST_F(OptionsTest, MaximisedWindowKeepsItsStoredGeometry) {
    WriteBytes(Ini(), "[MainWin]\r\nLeft=10\r\nWidth=900\r\nTop=20\r\nHeight=600\r\nState=0\r\n");
    FakeWindows windows;
    windows.States[TWindowId::Main] = StateMaximized;
    windows.Bounds[TWindowId::Main] = {0, 1920, 0, 1080};
    auto s = Loaded(false, &windows);
    ASSERT_FALSE(s->SaveOptions().has_value());
    const IniFile ini = IniFile::Parse(ReadBytes(Ini()).toStdString());
    EXPECT_EQ(ini.Value("MainWin", "Left"), "10");
    EXPECT_EQ(ini.Value("MainWin", "Width"), "900");
    EXPECT_EQ(ini.Value("MainWin", "State"), "2");
    // Neither font keys for the main window nor the State field's value.
    EXPECT_FALSE(ini.Value("MainWin", "FontName").has_value());
}

TEST_F(OptionsTest, StoredFalseNeverTakesAStyleAway) {
    WriteBytes(Ini(), "[XRefWin]\r\nFontName=Verdana\r\nFontBold=0\r\nFontItalic=1\r\n");
    auto s = Make(false);
    TWinOptions defaults{{"Arial", 12, 0, false, false}, StateNormal};
    TWinOptions target{{"Arial", 8, 0xFF, true, false}, StateNormal};
    s->LoadWindowOptions("XRefWin", TWindowId::XRef, defaults, target);
    EXPECT_EQ(target.Font, (TFontInfo{"Verdana", 12, 0, true, true}));
}

TEST_F(OptionsTest, FailedSaveIsReportedInTheUsersLanguage) {
    TOptionSettings s(Dir.filePath("no/such/dir/Lumorca7.exe"), TestRegistryName);
    s.OpenSettingsStore(false);
    s.SetDefaults();
    s.Options.Language = 0;
    const auto error = s.SaveOptions();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, SaveFailedMessage(s.IniFileName, 0));
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("no")));
}

TEST_F(OptionsTest, CorruptPerUserStoreIsWrittenWithoutAnErrorAndKeepsTheRecentFiles) {
    const QString file =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, TestRegistryName.mid(9)).fileName();
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 37 + 11) & 0xFF));
    WriteBytes(file, garbage);
    {
        auto s = Loaded(true);
        s->Options.Indent = 7;
        s->History.AddFile("/tmp/a.pro");
        EXPECT_EQ(s->SaveOptions(), std::nullopt);
    }
    auto s = Loaded(true);
    EXPECT_EQ(s->Options.Indent, 7);
    EXPECT_EQ(s->History.Items(), QStringList{"/tmp/a.pro"});
}

TEST_F(OptionsTest, StoredFontSizesStayWithinWhatTheDialogOffers) {
    for (const auto& [stored, expected] :
         std::vector<std::pair<const char*, int>>{{"99999999", 24}, {"1", 6}, {"-5", 6}, {"12", 12}}) {
        WriteBytes(Ini(), QByteArray("[Options]\r\nLanguage=1\r\n[SourceWin]\r\nFontSize=") + stored + "\r\n");
        EXPECT_EQ(Loaded(false)->Options.SourceWin.Font.Size, expected) << stored;
    }
}

TEST_F(OptionsTest, IniFileKeepsNamesOutsideLatin1) {
    const QString dir = QString::fromUtf8("/tmp/\xE6\x97\xA5\xE6\x9C\xAC");
    {
        auto s = Make(false);
        s->SetDefaults();
        s->Options.ProcListingDir = dir;
        s->History.AddFile(dir + "/orders.pro");
        ASSERT_EQ(s->SaveOptions(), std::nullopt);
    }
    EXPECT_TRUE(ReadBytes(Ini()).contains("History0=" + (dir + "/orders.pro").toUtf8() + "\r\n"));
    auto s = Loaded(false);
    EXPECT_EQ(s->Options.ProcListingDir, dir);
    EXPECT_EQ(s->History.Items(), QStringList{dir + "/orders.pro"});

    // Within Latin-1 the file is Latin-1, as before, and is read as such.
    QFile::remove(Ini());
    const QString latin1 = QString::fromUtf8("/tmp/gr\xC3\xBC\xC3\x9F");
    {
        auto fresh = Make(false);
        fresh->SetDefaults();
        fresh->Options.ProcListingDir = latin1;
        ASSERT_EQ(fresh->SaveOptions(), std::nullopt);
    }
    EXPECT_TRUE(ReadBytes(Ini()).contains("ProcListingDir=/tmp/gr\xFC\xDF\r\n"));
    EXPECT_EQ(Loaded(false)->Options.ProcListingDir, latin1);
}
