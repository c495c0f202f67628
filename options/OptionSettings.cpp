#include "options/OptionSettings.h"

#include "options/IniStore.h"

#include "analyzer/SettingsKeys.h"

#include <algorithm>

namespace lumorca {
namespace {

const QString OptionsSection = QStringLiteral("Options");

// Window sections with their options, in the order they are loaded and saved.
struct WindowSection {
    const char* Section;
    TWindowId Window;
    TWinOptions TLumorcaOptions::*Member;
};
constexpr WindowSection WindowSections[] = {
    {"MainWin", TWindowId::Main, &TLumorcaOptions::MainWin},
    {"StructureWin", TWindowId::Structure, &TLumorcaOptions::StructureWin},
    {"XRefWin", TWindowId::XRef, &TLumorcaOptions::XRefWin},
    {"CallWin", TWindowId::Call, &TLumorcaOptions::CallWin},
    {"SourceWin", TWindowId::Source, &TLumorcaOptions::SourceWin},
};

// Boolean "Options" keys read before the window sections, in table order.
struct BoolKey {
    const char* Key;
    bool TLumorcaOptions::*Member;
};
constexpr BoolKey EarlyBools[] = {
    {"AskToSave", &TLumorcaOptions::AskToSave},
    {"AutoReload", &TLumorcaOptions::AutoReload},
    {"Ignore ERRF", &TLumorcaOptions::IgnoreERRF},
    {"List $Status", &TLumorcaOptions::ListStatus},
    {"List $Result", &TLumorcaOptions::ListResult},
    {"TryToMerge", &TLumorcaOptions::TryToMerge},
    {"IgnoreEmptyLines", &TLumorcaOptions::IgnoreEmptyLines},
    {"ServiceWarnings", &TLumorcaOptions::ServiceWarnings},
    {"MarkInvalidParams", &TLumorcaOptions::MarkInvalidParams},
    {"MarkVarStrings", &TLumorcaOptions::MarkVarStrings},
    {"MarkSuspEntries", &TLumorcaOptions::MarkSuspEntries},
    {"MarkSuspCompVars", &TLumorcaOptions::MarkSuspCompVars},
    {"MarkSuspLocalVars", &TLumorcaOptions::MarkSuspLocalVars},
    {"MarkSuspLabel", &TLumorcaOptions::MarkSuspLabel},
};

struct ListKey {
    const char* Key;
    QStringList TLumorcaOptions::*Member;
};
constexpr ListKey Lists[] = {
    {"MarkSuspEntriesEx", &TLumorcaOptions::MarkSuspEntriesEx},
    {"MarkSuspCompVarsEx", &TLumorcaOptions::MarkSuspCompVarsEx},
    {"MarkSuspLocalVarsEx", &TLumorcaOptions::MarkSuspLocalVarsEx},
    {"MarkSuspLabelEx", &TLumorcaOptions::MarkSuspLabelEx},
};

struct ColorKey {
    const char* Key;
    TColor TLumorcaOptions::*Member;
};
constexpr ColorKey Colors[] = {
    {"ColorZnrAbs", &TLumorcaOptions::ColorZnrAbs},
    {"ColorZnrTrigger", &TLumorcaOptions::ColorZnrTrigger},
    {"ColorContinue", &TLumorcaOptions::ColorContinue},
    {"ColorSource", &TLumorcaOptions::ColorSource},
    {"ColorSourceComment", &TLumorcaOptions::ColorSourceComment},
    {"ColorSourceNames", &TLumorcaOptions::ColorSourceNames},
    {"ColorSourceCommands", &TLumorcaOptions::ColorSourceCommands},
    {"ColorSourceGold", &TLumorcaOptions::ColorSourceGold},
    {"ColorSourceErrors", &TLumorcaOptions::ColorSourceErrors},
    {"ColorSourceWarnings", &TLumorcaOptions::ColorSourceWarnings},
    {"ColorSourceInfos", &TLumorcaOptions::ColorSourceInfos},
    {"ColorSourceActiveLine", &TLumorcaOptions::ColorSourceActiveLine},
    {"ColorSourceMarked", &TLumorcaOptions::ColorSourceMarked},
};

QString Key(const char* key) { return QString::fromLatin1(key); }

// A stored number outside [low, high] counts as missing.
int ReadRanged(TSettingsStore& store, const QString& section, const QString& key, int fallback, int low, int high) {
    const int value = store.ReadInteger(section, key, fallback);
    return value >= low && value <= high ? value : fallback;
}

// The same with the range the settings keys give for an "Options" key.
int ReadRanged(TSettingsStore& store, const QString& key, int fallback) {
    const std::optional<SettingRange> range = RangeOfSetting(key.toStdString());
    if (!range) return store.ReadInteger(OptionsSection, key, fallback);
    return ReadRanged(store, OptionsSection, key, fallback, range->Low, range->High);
}

}  // namespace

void SplitList(const QString& text, QStringList& list) {
    list.clear();
    for (const QString& piece : text.split(u';'))
        if (!piece.isEmpty()) list.append(piece);
}

QString JoinList(const QStringList& list) { return list.join(u';'); }

TOptionSettings::TOptionSettings(const QString& programPath, const QString& registryName)
    : ProgramPath_(programPath), RegistryName_(registryName) {}

void TOptionSettings::OpenSettingsStore(bool useRegistry) {
    SettingsStore.reset();
    IniFileName = IniFileNameFor(ProgramPath_);
    UseRegistry = useRegistry;
    StoreName = useRegistry ? RegistryName_ : IniFileName;
    SettingsStore = CreateSettingsStore(UseRegistry, StoreName);
}

void TOptionSettings::ChooseSettingsStore() {
    OpenSettingsStore(true);
    if (SettingsStore->SectionExists(OptionsSection)) return;
    OpenSettingsStore(false);
    if (SettingsStore->SectionExists(OptionsSection)) return;
    OpenSettingsStore(true);
}

void TOptionSettings::SwitchSettingsStore(bool useRegistry) {
    if (useRegistry == UseRegistry) return;
    if (!useRegistry) {
        auto registry = CreateSettingsStore(true, RegistryName_);
        registry->DeleteAll();
        registry->Flush(Options.Language);
    }
    OpenSettingsStore(useRegistry);
}

TSettingsStore& TOptionSettings::Store() {
    if (!SettingsStore) ChooseSettingsStore();
    return *SettingsStore;
}

void TOptionSettings::SetDefaults() {
    FillDefaults(DefaultOptions);
    AssignOptions(Options, DefaultOptions);
}

void TOptionSettings::LoadOptions() {
    TSettingsStore& store = Store();
    TLumorcaOptions& o = Options;
    const TLumorcaOptions& d = DefaultOptions;
    const QString& S = OptionsSection;

    SetDefaults();

    // A language out of range leaves the one there is.
    o.Language = static_cast<std::uint8_t>(ReadRanged(store, Key("Language"), o.Language));

    o.ProcListingDir = store.ReadString(S, Key("ProcListingDir"), d.ProcListingDir);
    for (const BoolKey& b : EarlyBools) o.*b.Member = store.ReadBool(S, Key(b.Key), d.*b.Member);

    for (const ListKey& l : Lists) SplitList(store.ReadString(S, Key(l.Key), QString()), o.*l.Member);

    if (Windows) {
        Windows->SetWindowsPlaced(true);
        Windows->SetArranging(true);
    }
    for (const WindowSection& w : WindowSections)
        LoadWindowOptions(Key(w.Section), w.Window, d.*w.Member, o.*w.Member);
    if (Windows) Windows->SetArranging(false);

    o.SameWindowColor = store.ReadBool(S, Key("SameWindowColor"), d.SameWindowColor);
    o.SameWindowFont = store.ReadBool(S, Key("SameWindowFont"), d.SameWindowFont);
    o.AutoSize = store.ReadBool(S, Key("AutoSize"), d.AutoSize);
    o.SourceSize2x = store.ReadBool(S, Key("SouceSize 2x"), d.SourceSize2x);
    o.SortLocals = store.ReadBool(S, Key("SortLocals"), d.SortLocals);
    o.How2ShowXRef = ReadRanged(store, Key("How2ShowXRef"), d.How2ShowXRef);
    o.ExpandCallTree = store.ReadBool(S, Key("ExpandCallTree"), d.ExpandCallTree);
    o.ListDuplicateCalls = store.ReadBool(S, Key("ListDuplcateCalls"), d.ListDuplicateCalls);
    o.ListLibraryCalls = store.ReadBool(S, Key("ListLibraryCalls"), d.ListLibraryCalls);
    o.SortCalls = static_cast<std::uint8_t>(ReadRanged(store, Key("SortCalls"), d.SortCalls));
    o.Indent = store.ReadInteger(S, Key("Indent"), d.Indent);
    o.AutoIndent = store.ReadBool(S, Key("AutoIndent"), d.AutoIndent);
    o.DisplayLineNrTotal = store.ReadBool(S, Key("DisplayLineNrTotal"), d.DisplayLineNrTotal);
    o.DisplayLineNrTrigger = store.ReadBool(S, Key("DisplayLineNrTrigger"), d.DisplayLineNrTrigger);
    o.DisplayContinueFlag = store.ReadBool(S, Key("DisplayContinueFlag"), d.DisplayContinueFlag);
    o.Lowercase = store.ReadBool(S, Key("Lowercase"), d.Lowercase);
    o.NonPropFont = store.ReadBool(S, Key("NonPropFont"), d.NonPropFont);
    for (const ColorKey& c : Colors)
        o.*c.Member = static_cast<TColor>(store.ReadInteger(S, Key(c.Key), static_cast<int>(d.*c.Member)));

    o.LastTrigger = store.ReadString(QStringLiteral("LastAccess"), QStringLiteral("Trigger"), QString());
    o.LastLineNr = store.ReadInteger(QStringLiteral("LastAccess"), QStringLiteral("LineNr"), 0);

    o.History.UseRegistry = UseRegistry;
    o.History.Load(StoreName, QStringLiteral("Files"));

    if (ApplyOptions) ApplyOptions();
}

void TOptionSettings::LoadWindowOptions(const QString& section, TWindowId window, const TWinOptions& defaults,
                                        TWinOptions& target) {
    TSettingsStore& store = Store();
    const bool isMain = window == TWindowId::Main;

    if (Windows) {
        TWindowGeometry stored;
        stored.Left = store.ReadInteger(section, QStringLiteral("Left"), 0);
        stored.Width = store.ReadInteger(section, QStringLiteral("Width"), 0);
        stored.Top = store.ReadInteger(section, QStringLiteral("Top"), 0);
        stored.Height = store.ReadInteger(section, QStringLiteral("Height"), 0);
        const TGeometryCheck check = isMain ? CheckMainWindowGeometry(stored, Windows->ScreenAreas())
                                            : CheckChildWindowGeometry(stored, Windows->MainWindowOuterSize());
        if (check.ClearWindowsPlaced) Windows->SetWindowsPlaced(false);
        if (check.Geometry.Width > 0) Windows->PlaceWindow(window, check.Geometry);
    }

    target.State = static_cast<std::uint8_t>(
        ReadRanged(store, section, QStringLiteral("State"), defaults.State, StateNormal, StateMaximized));

    if (isMain) return;
    target.Font.Name = store.ReadString(section, QStringLiteral("FontName"), defaults.Font.Name);
    // A size the dialog cannot offer would make the views unusable.
    target.Font.Size = std::clamp(store.ReadInteger(section, QStringLiteral("FontSize"), defaults.Font.Size),
                                  MinFontSize, MaxFontSize);
    target.Font.Color = static_cast<TColor>(store.ReadInteger(section, QStringLiteral("FontColor"), 0));
    // A stored "0" never takes a style away.
    if (store.ReadBool(section, QStringLiteral("FontBold"), false)) target.Font.Bold = true;
    if (store.ReadBool(section, QStringLiteral("FontItalic"), false)) target.Font.Italic = true;
}

void TOptionSettings::SaveWindowOptions(const QString& section, TWindowId window, const TWinOptions& winOptions) {
    TSettingsStore& store = Store();
    // Without windows the record's own state is all there is to store.
    std::uint8_t state = winOptions.State;
    if (Windows) {
        state = Windows->WindowState(window);
        // A minimised or maximised window keeps the geometry stored before.
        if (state == StateNormal) {
            const TWindowGeometry bounds = Windows->WindowBounds(window);
            store.WriteInteger(section, QStringLiteral("Left"), bounds.Left);
            store.WriteInteger(section, QStringLiteral("Width"), bounds.Width);
            store.WriteInteger(section, QStringLiteral("Top"), bounds.Top);
            store.WriteInteger(section, QStringLiteral("Height"), bounds.Height);
        }
    }
    store.WriteInteger(section, QStringLiteral("State"), state);

    if (window == TWindowId::Main) return;
    store.WriteString(section, QStringLiteral("FontName"), winOptions.Font.Name);
    store.WriteInteger(section, QStringLiteral("FontSize"), winOptions.Font.Size);
    store.WriteInteger(section, QStringLiteral("FontColor"), static_cast<int>(winOptions.Font.Color));
    store.WriteBool(section, QStringLiteral("FontBold"), winOptions.Font.Bold);
    store.WriteBool(section, QStringLiteral("FontItalic"), winOptions.Font.Italic);
}

std::optional<QString> TOptionSettings::SaveOptions() {
    TSettingsStore& store = Store();
    const TLumorcaOptions& o = Options;
    const QString& S = OptionsSection;

    store.WriteInteger(S, Key("Language"), o.Language);
    store.WriteString(S, Key("ProcListingDir"), o.ProcListingDir);
    for (const BoolKey& b : EarlyBools) store.WriteBool(S, Key(b.Key), o.*b.Member);
    for (const ListKey& l : Lists) store.WriteString(S, Key(l.Key), JoinList(o.*l.Member));

    for (const WindowSection& w : WindowSections) SaveWindowOptions(Key(w.Section), w.Window, o.*w.Member);

    store.WriteBool(S, Key("SameWindowColor"), o.SameWindowColor);
    store.WriteBool(S, Key("SameWindowFont"), o.SameWindowFont);
    store.WriteBool(S, Key("AutoSize"), o.AutoSize);
    store.WriteBool(S, Key("SouceSize 2x"), o.SourceSize2x);
    store.WriteBool(S, Key("SortLocals"), o.SortLocals);
    store.WriteInteger(S, Key("How2ShowXRef"), o.How2ShowXRef);
    store.WriteBool(S, Key("ExpandCallTree"), o.ExpandCallTree);
    store.WriteBool(S, Key("ListDuplcateCalls"), o.ListDuplicateCalls);
    store.WriteBool(S, Key("ListLibraryCalls"), o.ListLibraryCalls);
    store.WriteInteger(S, Key("SortCalls"), o.SortCalls);
    store.WriteBool(S, Key("AutoIndent"), o.AutoIndent);
    store.WriteInteger(S, Key("Indent"), o.Indent);
    store.WriteBool(S, Key("DisplayLineNrTotal"), o.DisplayLineNrTotal);
    store.WriteBool(S, Key("DisplayLineNrTrigger"), o.DisplayLineNrTrigger);
    store.WriteBool(S, Key("DisplayContinueFlag"), o.DisplayContinueFlag);
    store.WriteBool(S, Key("Lowercase"), o.Lowercase);
    store.WriteBool(S, Key("NonPropFont"), o.NonPropFont);
    for (const ColorKey& c : Colors) store.WriteInteger(S, Key(c.Key), static_cast<int>(o.*c.Member));

    store.WriteString(QStringLiteral("LastAccess"), QStringLiteral("Trigger"), o.LastTrigger);
    store.WriteInteger(QStringLiteral("LastAccess"), QStringLiteral("LineNr"), o.LastLineNr);

    // The list opens the store on its own, so ours must be on disk first;
    // it is saved even when ours failed, and the first failure is reported.
    const std::optional<QString> error = store.Flush(o.Language);
    Options.History.UseRegistry = UseRegistry;
    const std::optional<QString> historyError = Options.History.Save(StoreName, QStringLiteral("Files"), o.Language);
    return error ? error : historyError;
}

}  // namespace lumorca
