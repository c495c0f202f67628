#include "options/OptionSettings.h"

#include "options/IniStore.h"
#include "options/Overloaded.h"

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

QString Key(const char* key) { return QString::fromLatin1(key); }

// A stored number outside [low, high] counts as missing.
int ReadRanged(TSettingsStore& store, const QString& section, const QString& key, int fallback, int low, int high) {
    const int value = store.ReadInteger(section, key, fallback);
    return value >= low && value <= high ? value : fallback;
}

void LoadOptionsSection(TSettingsStore& store, TLumorcaOptions& o, const TLumorcaOptions& d) {
    const QString& S = OptionsSection;
    for (const TOptionRow& row : OptionRows()) {
        const QString& key = row.Key;
        std::visit(Overloaded{
                       [&](bool TLumorcaOptions::*m) { o.*m = store.ReadBool(S, key, d.*m); },
                       [&](std::int32_t TLumorcaOptions::*m) {
                           o.*m = ReadRanged(store, S, key, d.*m, row.Range.Low, row.Range.High);
                       },
                       [&](TColor TLumorcaOptions::*m) {
                           o.*m = static_cast<TColor>(store.ReadInteger(S, key, static_cast<int>(d.*m)));
                       },
                       [&](QStringList TLumorcaOptions::*m) { SplitList(store.ReadString(S, key, QString()), o.*m); },
                       [&](QString TLumorcaOptions::*m) { o.*m = store.ReadString(S, key, d.*m); },
                   },
                   row.Member);
    }
}

void SaveOptionsSection(TSettingsStore& store, const TLumorcaOptions& o) {
    const QString& S = OptionsSection;
    for (const TOptionRow& row : OptionRows()) {
        const QString& key = row.Key;
        std::visit(Overloaded{
                       [&](bool TLumorcaOptions::*m) { store.WriteBool(S, key, o.*m); },
                       [&](std::int32_t TLumorcaOptions::*m) { store.WriteInteger(S, key, o.*m); },
                       [&](TColor TLumorcaOptions::*m) { store.WriteInteger(S, key, static_cast<int>(o.*m)); },
                       [&](QStringList TLumorcaOptions::*m) { store.WriteString(S, key, JoinList(o.*m)); },
                       [&](QString TLumorcaOptions::*m) { store.WriteString(S, key, o.*m); },
                   },
                   row.Member);
    }
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
    SettingsStore_.reset();
    IniFileName_ = IniFileNameFor(ProgramPath_);
    UseRegistry_ = useRegistry;
    StoreName_ = useRegistry ? RegistryName_ : IniFileName_;
    SettingsStore_ = CreateSettingsStore(UseRegistry_, StoreName_);
}

void TOptionSettings::ChooseSettingsStore() {
    OpenSettingsStore(true);
    if (SettingsStore_->SectionExists(OptionsSection)) return;
    OpenSettingsStore(false);
    if (SettingsStore_->SectionExists(OptionsSection)) return;
    OpenSettingsStore(true);
}

void TOptionSettings::SwitchSettingsStore(bool useRegistry) {
    if (useRegistry == UseRegistry_) return;
    if (!useRegistry) {
        auto registry = CreateSettingsStore(true, RegistryName_);
        registry->DeleteAll();
        registry->Flush(Options_.Language);
    }
    OpenSettingsStore(useRegistry);
}

TSettingsStore& TOptionSettings::Store() {
    if (!SettingsStore_) ChooseSettingsStore();
    return *SettingsStore_;
}

void TOptionSettings::SetDefaults() {
    FillDefaults(DefaultOptions_);
    Options_ = DefaultOptions_;
}

void TOptionSettings::LoadOptions() {
    TSettingsStore& store = Store();
    TLumorcaOptions& o = Options_;
    const TLumorcaOptions& d = DefaultOptions_;

    SetDefaults();

    // Out-of-range numbers give the factory value.
    LoadOptionsSection(store, o, d);

    if (Windows_) {
        Windows_->SetWindowsPlaced(true);
        Windows_->SetArranging(true);
    }
    for (const WindowSection& w : WindowSections)
        LoadWindowOptions(Key(w.Section), w.Window, d.*w.Member, o.*w.Member);
    if (Windows_) Windows_->SetArranging(false);

    LastTrigger_ = store.ReadString(QStringLiteral("LastAccess"), QStringLiteral("Trigger"), QString());
    LastLineNr_ = store.ReadInteger(QStringLiteral("LastAccess"), QStringLiteral("LineNr"), 0);

    History_.SetUseRegistry(UseRegistry_);
    History_.Load(StoreName_, QStringLiteral("Files"));

    ApplyOptions();
}

void TOptionSettings::ApplyOptions() const {
    if (ApplyOptions_) ApplyOptions_();
}

void TOptionSettings::SetLastAccess(const QString& trigger, std::int32_t lineNr) {
    LastTrigger_ = trigger;
    LastLineNr_ = lineNr;
}

void TOptionSettings::LoadWindowOptions(const QString& section, TWindowId window, const TWinOptions& defaults,
                                        TWinOptions& target) {
    TSettingsStore& store = Store();
    const bool isMain = window == TWindowId::Main;

    if (Windows_) {
        TWindowGeometry stored;
        stored.Left = store.ReadInteger(section, QStringLiteral("Left"), 0);
        stored.Width = store.ReadInteger(section, QStringLiteral("Width"), 0);
        stored.Top = store.ReadInteger(section, QStringLiteral("Top"), 0);
        stored.Height = store.ReadInteger(section, QStringLiteral("Height"), 0);
        const TGeometryCheck check = isMain ? CheckMainWindowGeometry(stored, Windows_->ScreenAreas())
                                            : CheckChildWindowGeometry(stored, Windows_->MainWindowOuterSize());
        if (check.ClearWindowsPlaced) Windows_->SetWindowsPlaced(false);
        if (check.Geometry.Width > 0) Windows_->PlaceWindow(window, check.Geometry);
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
    if (Windows_) {
        state = Windows_->WindowState(window);
        // A minimised or maximised window keeps the geometry stored before.
        if (state == StateNormal) {
            const TWindowGeometry bounds = Windows_->WindowBounds(window);
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
    const TLumorcaOptions& o = Options_;

    // Section "Options" first, so that a new INI file has it on top.
    SaveOptionsSection(store, o);
    for (const WindowSection& w : WindowSections) SaveWindowOptions(Key(w.Section), w.Window, o.*w.Member);

    store.WriteString(QStringLiteral("LastAccess"), QStringLiteral("Trigger"), LastTrigger_);
    store.WriteInteger(QStringLiteral("LastAccess"), QStringLiteral("LineNr"), LastLineNr_);

    // The list opens the store on its own, so ours must be on disk first;
    // it is saved even when ours failed, and the first failure is reported.
    const std::optional<QString> error = store.Flush(o.Language);
    History_.SetUseRegistry(UseRegistry_);
    const std::optional<QString> historyError = History_.Save(StoreName_, QStringLiteral("Files"), o.Language);
    return error ? error : historyError;
}

}  // namespace lumorca
