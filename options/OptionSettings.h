#pragma once
// The settings side of the options dialog: the current and the factory
// options, the open settings store, and loading and saving them. The window
// code plugs in through TWindowHost; without one, no window is placed.
#include "options/HList.h"
#include "options/LumorcaOptions.h"
#include "options/SettingsStore.h"
#include "options/WindowGeometry.h"

#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lumorca {

enum class TWindowId { Main, Structure, XRef, Call, Source };

// What the loading and saving of the window sections need from the windows.
class TWindowHost {
public:
    virtual ~TWindowHost() = default;
    // The available area of every screen, the primary first.
    virtual std::vector<QRect> ScreenAreas() const = 0;
    virtual QSize MainWindowOuterSize() const = 0;
    virtual void SetWindowsPlaced(bool placed) = 0;
    virtual void SetArranging(bool arranging) = 0;
    // Sets Left, Width, Top and Height in that order.
    virtual void PlaceWindow(TWindowId window, const TWindowGeometry& geometry) = 0;
    // 0 normal, 1 minimised, 2 maximised.
    virtual std::uint8_t WindowState(TWindowId window) const = 0;
    virtual TWindowGeometry WindowBounds(TWindowId window) const = 0;
};

// The ";" encoding of a string list: empty pieces are dropped on reading.
void SplitList(const QString& text, QStringList& list);
QString JoinList(const QStringList& list);

class TOptionSettings {
public:
    // `programPath` names the INI file beside the program; `registryName` is
    // the per-user store ("Software\Lumorca" in the program).
    explicit TOptionSettings(const QString& programPath, const QString& registryName = RegistryStoreName);

    // The start-up choice: the per-user store if it has options, else an INI
    // file that has them, else the per-user store.
    void ChooseSettingsStore();
    void OpenSettingsStore(bool useRegistry);
    // The dialog's choice; leaving the per-user store erases it.
    void SwitchSettingsStore(bool useRegistry);

    void SetDefaults();
    void LoadOptions();
    // Returns a message for the user when the settings could not be written.
    std::optional<QString> SaveOptions();

    void LoadWindowOptions(const QString& section, TWindowId window, const TWinOptions& defaults,
                           TWinOptions& target);
    void SaveWindowOptions(const QString& section, TWindowId window, const TWinOptions& winOptions);

    // The options in force, a plain record the program reads and edits.
    TLumorcaOptions& Options() { return Options_; }
    const TLumorcaOptions& Options() const { return Options_; }
    const TLumorcaOptions& DefaultOptions() const { return DefaultOptions_; }
    THistoryList& History() { return History_; }
    const THistoryList& History() const { return History_; }
    bool UseRegistry() const { return UseRegistry_; }
    const QString& StoreName() const { return StoreName_; }
    const QString& IniFileName() const { return IniFileName_; }
    // Where the last listing was left: section "LastAccess".
    const QString& LastTrigger() const { return LastTrigger_; }
    std::int32_t LastLineNr() const { return LastLineNr_; }
    void SetLastAccess(const QString& trigger, std::int32_t lineNr);
    void SetWindows(TWindowHost* windows) { Windows_ = windows; }
    // The last step of LoadOptions, and of OK in the dialog.
    void SetApplyOptions(std::function<void()> apply) { ApplyOptions_ = std::move(apply); }
    void ApplyOptions() const;

private:
    TSettingsStore& Store();  // the open store; chosen as at start when none is open

    QString ProgramPath_;
    QString RegistryName_;
    std::unique_ptr<TSettingsStore> SettingsStore_;
    QString IniFileName_;
    QString StoreName_;
    bool UseRegistry_ = true;
    TLumorcaOptions Options_;
    TLumorcaOptions DefaultOptions_;
    THistoryList History_;
    QString LastTrigger_;
    std::int32_t LastLineNr_ = 0;
    TWindowHost* Windows_ = nullptr;
    std::function<void()> ApplyOptions_;
};

}  // namespace lumorca
