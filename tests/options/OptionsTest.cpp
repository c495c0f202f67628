#include "OptionsText.h"
#include "TestSupport.h"
#include "options/IniFile.h"
#include "options/IniStore.h"
#include "options/RegistryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <stdexcept>

#include <gtest/gtest.h>

using namespace lumorca;
using namespace lumorca::test;

namespace {

// Every setting away from its factory value: booleans flipped, numbers to the
// next allowed value, colours counted up, lists of 0, 1, 2 and 3 items, names
// with letters of Latin-1 beyond ASCII.
TLumorcaOptions Custom() {
    TLumorcaOptions o;
    TColor color = 0x100001;
    int items = 0;
    for (const TOptionRow& row : OptionRows())
        std::visit(Overloaded{[&](bool TLumorcaOptions::*m) { o.*m = !(o.*m); },
                              [&](std::int32_t TLumorcaOptions::*m) {
                                  o.*m = o.*m < row.Range.High ? o.*m + 1 : row.Range.Low;
                              },
                              [&](TColor TLumorcaOptions::*m) { o.*m = color++; },
                              [&](QStringList TLumorcaOptions::*m) {
                                  for (int i = 0; i < items; ++i) (o.*m) << QStringLiteral("P%1_*").arg(i);
                                  ++items;
                              },
                              [&](QString TLumorcaOptions::*m) { o.*m = QString::fromUtf8("C:\\Auftr\xC3\xA4ge"); }},
                   row.Member);
    o.StructureWin = {{"Courier New", 10, 0x0000FF, true, false}, StateMaximized};
    o.XRefWin = {{"Arial", 9, 0, false, true}, StateNormal};
    o.CallWin = {{"Arial", 8, 0, false, false}, StateMinimized};
    o.SourceWin = {{"Consolas", 11, 0x123456, true, true}, StateNormal};
    return o;
}

void MakeCustom(TOptionSettings& s) {
    s.Options() = Custom();
    s.History().AddFile("(Paste)");
    s.History().AddFile(QString::fromUtf8("C:\\gr\xC3\xBC\xC3\x9F.pro"));
    s.SetLastAccess("LP_MAIN", 42);
}

void ExpectCustom(const TOptionSettings& s) {
    EXPECT_EQ(OptionsText(s.Options()), OptionsText(Custom()));
    EXPECT_EQ(s.History().Items(), (QStringList{QString::fromUtf8("C:\\gr\xC3\xBC\xC3\x9F.pro"), "(Paste)"}));
    EXPECT_EQ(s.LastTrigger(), "LP_MAIN");
    EXPECT_EQ(s.LastLineNr(), 42);
}

// Windows as the custom options describe them; the geometry of a maximised
// or minimised window is not written.
void MatchWindows(FakeWindows& w) {
    w.States = {{TWindowId::Structure, StateMaximized}, {TWindowId::Call, StateMinimized}};
    w.Bounds = {{TWindowId::Main, {10, 1000, 20, 700}},
                {TWindowId::XRef, {0, 400, 0, 300}},
                {TWindowId::Source, {400, 1100, 0, 800}}};
}

QByteArray CustomIni() { return ReadBytes(QString::fromUtf8(LUMORCA_TEST_DATA "/custom.ini")); }

// The analysis settings as the command-line tool reads them from the file.
AnalysisSettings AppliedByKey(const QByteArray& bytes) {
    const IniFile ini = IniFile::Parse(bytes.toStdString());
    AnalysisSettings settings;
    for (const std::string& key : ini.Keys("Options")) ApplySettingKey(settings, key, *ini.Value("Options", key));
    return settings;
}

void ExpectSameAnalysis(const AnalysisSettings& a, const AnalysisSettings& b) {
    for (const SettingKey& key : SettingKeys())
        std::visit(Overloaded{[](std::monostate) {}, [&](auto field) { EXPECT_EQ(a.*field, b.*field) << key.Name; }},
                   key.Analysis);
    EXPECT_EQ(a.WarningsOnly, b.WarningsOnly);
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTestRegistry(); }
    void TearDown() override { ClearTestRegistry(); }

    QString Program() const { return Dir.filePath("Lumorca7.exe"); }
    QString Ini() const { return Dir.filePath("Lumorca7.INI"); }

    std::unique_ptr<TOptionSettings> Make(bool useRegistry, TWindowHost* windows = nullptr) {
        auto settings = std::make_unique<TOptionSettings>(Program(), TestRegistryName);
        settings->SetWindows(windows);
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

}  // namespace

TEST_F(OptionsTest, FactoryDefaults) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Dir.path()));
    auto s = Make(true);
    MakeCustom(*s);
    s->SetDefaults();
    QDir::setCurrent(before);
    EXPECT_EQ(QDir(s->Options().ProcListingDir).canonicalPath(), QDir(Dir.path()).canonicalPath());
    EXPECT_EQ(OptionsText(s->Options()), OptionsText(s->DefaultOptions()));
    // The analysis starts from the same factory values as the options.
    ExpectSameAnalysis(ToAnalysisSettings(s->Options()), AnalysisSettings{});
    // A reset keeps the recent files and the position.
    EXPECT_EQ(s->History().Count(), 2);
    EXPECT_EQ(s->LastTrigger(), "LP_MAIN");
    EXPECT_EQ(s->LastLineNr(), 42);
}

TEST_F(OptionsTest, FirstStartWithNothingStoredRunsOnFactorySettings) {
    FakeWindows windows;
    auto s = std::make_unique<TOptionSettings>(Program(), TestRegistryName);
    s->SetWindows(&windows);
    int applied = 0;
    s->SetApplyOptions([&] { ++applied; });
    s->ChooseSettingsStore();
    EXPECT_TRUE(s->UseRegistry());
    EXPECT_EQ(s->StoreName(), TestRegistryName);
    EXPECT_EQ(s->IniFileName(), Ini());
    s->LoadOptions();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(OptionsText(s->Options()), OptionsText(s->DefaultOptions()));
    // Main window at 80 % of the screen; child windows left to the arrangement.
    EXPECT_EQ(windows.Placed.size(), 1u);
    EXPECT_EQ(windows.Placed[TWindowId::Main], (TWindowGeometry{192, 1536, 108, 864}));
    EXPECT_FALSE(windows.WindowsPlaced);
    EXPECT_FALSE(windows.Arranging);
    EXPECT_FALSE(QFileInfo::exists(Ini()));
}

// The INI file is compared byte for byte with a file checked by hand: the
// writing order, the keys' spelling and the encoding of every kind of value.
class EveryFieldSurvives : public OptionsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EveryFieldSurvives, TheStore) {
    const bool useRegistry = GetParam();
    FakeWindows windows;
    MatchWindows(windows);
    {
        auto s = Make(useRegistry, &windows);
        MakeCustom(*s);
        ASSERT_EQ(s->SaveOptions(), std::nullopt);
    }
    if (!useRegistry) {
        EXPECT_EQ(ReadBytes(Ini()).toStdString(), CustomIni().toStdString());
    }
    EXPECT_EQ(QFileInfo::exists(Ini()), !useRegistry);

    FakeWindows reloaded;
    auto s = Loaded(useRegistry, &reloaded);
    ExpectCustom(*s);
    EXPECT_EQ(reloaded.Placed[TWindowId::Main], (TWindowGeometry{10, 1000, 20, 700}));
    EXPECT_EQ(reloaded.Placed[TWindowId::XRef], (TWindowGeometry{0, 400, 0, 300}));
    EXPECT_EQ(reloaded.Placed[TWindowId::Source], (TWindowGeometry{400, 1100, 0, 800}));
    EXPECT_FALSE(reloaded.Placed.contains(TWindowId::Structure));
    EXPECT_FALSE(reloaded.WindowsPlaced);  // the structure window had no stored geometry
    EXPECT_EQ(reloaded.ArrangingWhilePlacing, std::vector<bool>(3, true));

    // Saved again unchanged, the file stays byte for byte the same.
    MatchWindows(reloaded);
    ASSERT_EQ(s->SaveOptions(), std::nullopt);
    if (!useRegistry) {
        EXPECT_EQ(ReadBytes(Ini()).toStdString(), CustomIni().toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Options, EveryFieldSurvives, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "PerUserStore" : "IniFile"; });

// Only a window without a usable stored place leaves the arranging to the program.
TEST_F(OptionsTest, WindowsAllStoredKeepTheirPlaces) {
    FakeWindows windows;
    MatchWindows(windows);
    windows.States.clear();
    windows.Bounds[TWindowId::Structure] = {0, 400, 300, 300};
    windows.Bounds[TWindowId::Call] = {400, 400, 300, 300};
    ASSERT_EQ(Make(false, &windows)->SaveOptions(), std::nullopt);
    FakeWindows reloaded;
    Loaded(false, &reloaded);
    EXPECT_EQ(reloaded.Placed.size(), 5u);
    EXPECT_TRUE(reloaded.WindowsPlaced);
}

TEST_F(OptionsTest, ProgramAndCommandLineReadTheSettingsAlike) {
    for (const QByteArray& bytes :
         {CustomIni(), QByteArray("[Options]\nLanguage=7\nIndent=four\nHow2ShowXRef=3\nSortCalls=-1\n"
                                  "TryToMerge=no\nMarkSuspLabelEx=;L\xc4;;\nSortLocals= 0 \nLowercase=2\n")}) {
        WriteBytes(Ini(), bytes);
        ExpectSameAnalysis(ToAnalysisSettings(Loaded(false)->Options()), AppliedByKey(bytes));
    }
    EXPECT_EQ(ToAnalysisSettings(Loaded(false)->Options()).MarkSuspLabelEx, std::vector<std::string>{"L\xc4"});
}

// Unknown keys and sections, comments, spelling and order of a file written
// by hand stay; recent files are read up to the tenth key without regard to
// case, empty ones skipped, and stale keys beyond the list stay.
TEST_F(OptionsTest, ExistingFileKeepsItsOrderAndUnknownKeys) {
    WriteBytes(Ini(), ReadBytes(QString::fromUtf8(LUMORCA_TEST_DATA "/by-hand.ini")));
    auto s = Loaded(false);
    EXPECT_EQ(s->Options().Language, 0);
    EXPECT_EQ(s->History().Items(), (QStringList{"C:\\old.pro", "C:\\stale.pro", "C:\\z.pro"}));
    ASSERT_EQ(s->SaveOptions(), std::nullopt);
    EXPECT_EQ(ReadBytes(Ini()).toStdString(),
              ReadBytes(QString::fromUtf8(LUMORCA_TEST_DATA "/by-hand-saved.ini")).toStdString());
}

// "stored => read" lines of stored-values.txt.
std::vector<std::pair<QString, QString>> StoredValues() {
    std::vector<std::pair<QString, QString>> values;
    const QByteArray bytes = ReadBytes(QString::fromUtf8(LUMORCA_TEST_DATA "/stored-values.txt"));
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n')) {
        const qsizetype arrow = line.indexOf(" => ");
        if (!line.startsWith("//") && arrow > 0) {
            values.emplace_back(line.left(arrow).replace("\\n", "\n"), line.mid(arrow + 4));
        }
    }
    if (values.empty()) throw std::runtime_error("no stored values");
    return values;
}

class StoredValueTest : public OptionsTest, public ::testing::WithParamInterface<std::pair<QString, QString>> {};

TEST_P(StoredValueTest, ReadsAsTheProgramUsesIt) {
    WriteBytes(Ini(), GetParam().first.toUtf8());
    auto s = Loaded(false);
    const QStringList read = OptionsText(s->Options()) << QStringLiteral("LineNr=%1").arg(s->LastLineNr());
    EXPECT_TRUE(read.contains(GetParam().second)) << read.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Options, StoredValueTest, ::testing::ValuesIn(StoredValues()),
                         [](const auto& info) { return TestName(info.param.first.toStdString()); });

TEST_F(OptionsTest, MissingSectionsAndUnreadableFilesGiveDefaults) {
    WriteBytes(Ini(), "[Files]\r\nHistory0=C:\\a.pro\r\n");
    auto s = Loaded(false);
    EXPECT_EQ(OptionsText(s->Options()), OptionsText(s->DefaultOptions()));
    EXPECT_EQ(s->History().Items(), QStringList{"C:\\a.pro"});

    // A directory where the file should be cannot be read (nor written).
    QTemporaryDir other;
    QDir(other.path()).mkdir("Lumorca7.INI");
    TOptionSettings blocked(other.filePath("Lumorca7.exe"), TestRegistryName);
    blocked.OpenSettingsStore(false);
    blocked.LoadOptions();
    EXPECT_EQ(OptionsText(blocked.Options()), OptionsText(blocked.DefaultOptions()));
    // The failure is told in the user's language, not the factory one.
    blocked.Options().Language = 1 - blocked.Options().Language;
    EXPECT_EQ(blocked.SaveOptions(), SaveFailedMessage(blocked.IniFileName(), blocked.Options().Language));
    EXPECT_TRUE(QFileInfo(other.filePath("Lumorca7.INI")).isDir());
}

// Stored per-user options win over the INI file; an INI file counts only
// with keys in "Options".
TEST_F(OptionsTest, StoreChoiceAtStart) {
    const struct {
        const char* Section;
        const char* Key;
        int Value;
        QByteArray IniBytes;
        bool Registry;
        int Indent;
    } cases[] = {{"MainWin", "Left", 5, "[Options]\r\nIndent=3\r\n", false, 3},
                 {"MainWin", "Left", 5, "[Options]\r\n[MainWin]\r\nLeft=1\r\n", true, 4},
                 {"Options", "Indent", 9, "[Options]\r\nIndent=3\r\n", true, 9}};
    for (const auto& c : cases) {
        ClearTestRegistry();
        {
            TRegistryStore registry(TestRegistryName);
            registry.WriteInteger(c.Section, c.Key, c.Value);
            ASSERT_FALSE(registry.Flush(1));
        }
        WriteBytes(Ini(), c.IniBytes);
        TOptionSettings s(Program(), TestRegistryName);
        s.ChooseSettingsStore();
        EXPECT_EQ(s.UseRegistry(), c.Registry) << c.IniBytes.constData();
        EXPECT_EQ(s.StoreName(), c.Registry ? TestRegistryName : Ini());
        s.LoadOptions();
        EXPECT_EQ(s.Options().Indent, c.Indent) << c.IniBytes.constData();
    }
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
    EXPECT_FALSE(s->UseRegistry());
    EXPECT_EQ(s->StoreName(), Ini());
    EXPECT_FALSE(TRegistryStore(TestRegistryName).SectionExists("Options"));
    EXPECT_FALSE(TRegistryStore(TestRegistryName).SectionExists("MainWin"));
    EXPECT_EQ(ReadBytes(Ini()), "[Other]\r\nx=1\r\n");  // nothing written yet

    s->SwitchSettingsStore(true);
    EXPECT_TRUE(s->UseRegistry());
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
    // No font keys for the main window.
    EXPECT_FALSE(ini.Value("MainWin", "FontName").has_value());
}

TEST_F(OptionsTest, CorruptPerUserStoreIsWrittenWithoutAnErrorAndKeepsTheRecentFiles) {
    const QString file =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, TestRegistryName.mid(9)).fileName();
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 37 + 11) & 0xFF));
    WriteBytes(file, garbage);
    {
        auto s = Loaded(true);
        s->Options().Indent = 7;
        s->History().AddFile("/tmp/a.pro");
        EXPECT_EQ(s->SaveOptions(), std::nullopt);
    }
    auto s = Loaded(true);
    EXPECT_EQ(s->Options().Indent, 7);
    EXPECT_EQ(s->History().Items(), QStringList{"/tmp/a.pro"});
}

// Latin-1 names are written as Latin-1 (custom.ini); a name that Latin-1
// cannot hold is written as UTF-8 and read back as it was.
TEST_F(OptionsTest, IniFileIsUtf8WhenANameDoesNotFitLatin1) {
    const QString name = QString::fromUtf8("/tmp/\xE6\x97\xA5\xE6\x9C\xAC");
    {
        auto s = Make(false);
        s->SetDefaults();
        s->Options().ProcListingDir = name;
        s->History().AddFile(name + "/orders.pro");
        ASSERT_EQ(s->SaveOptions(), std::nullopt);
    }
    EXPECT_TRUE(ReadBytes(Ini()).contains("ProcListingDir=" + name.toUtf8() + "\r\n"));
    EXPECT_TRUE(ReadBytes(Ini()).contains("History0=" + name.toUtf8() + "/orders.pro\r\n"));
    auto s = Loaded(false);
    EXPECT_EQ(s->Options().ProcListingDir, name);
    EXPECT_EQ(s->History().Items(), QStringList{name + "/orders.pro"});
}
