// Writes pictures of the main window with a listing loaded, for a person to
// look at: empty, loading, English, German, with the call window on, and
// with the bar about the listing's file;
// then every dialog in both languages.
// Usage: lumorca_screenshots LISTING OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/DialogScreenshots.h"
#include "app/ListingBar.h"
#include "app/Main.h"

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget& window, const QString& file) {
    Settle();
    return window.grab().save(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: lumorca_screenshots LISTING OUTPUT_DIR\n";
        return 2;
    }
    const QString listing = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.absolutePath());

    // Settings of their own, so the user's are never read or written.
    QTemporaryDir settingsDir;
    lumorca::gui::TMessageBoxes messages;
    lumorca::gui::TMain main(settingsDir.filePath(QStringLiteral("Lumorca7")),
                             QStringLiteral("Lumorca7-screenshots"), &messages);
    main.findChild<QCheckBox*>(QStringLiteral("CheckBoxINI"))->setChecked(false);
    main.resize(1280, 800);
    main.Startup({QStringLiteral("Lumorca7")});
    main.show();
    Settle();
    bool ok = Save(main, out.filePath(QStringLiteral("main-empty.png")));
    // The information panel as it shows while the analysis runs.
    lumorca::gui::TMainServices loading;
    loading.Analyzer = [&](lumorca::ListingLines& lines, const lumorca::AnalysisSettings& settings,
                           lumorca::AnalysisObserver* observer, lumorca::TraceSink* trace) {
        auto result = lumorca::AnalyzeListing(lines, settings, observer, trace);
        ok = Save(main, out.filePath(QStringLiteral("main-loading.png"))) && ok;
        return result;
    };
    main.SetServices(loading);
    main.LoadFile(listing);
    main.resize(1280, 800);
    Settle();
    auto* next = main.findChild<QAction*>(QStringLiteral("ActionNext"));
    next->trigger();
    next->trigger();

    ok = Save(main, out.filePath(QStringLiteral("main-english.png"))) && ok;

    main.Options().Language = 0;
    main.ApplyOptions();
    ok = Save(main, out.filePath(QStringLiteral("main-german.png"))) && ok;

    main.Options().Language = 1;
    main.ApplyOptions();
    main.toggleWin(main.findChild<lumorca::gui::TChildForm*>(QStringLiteral("CallWin")), true);
    auto* entries = main.findChild<QComboBox*>(QStringLiteral("ComboBoxEntryList"));
    if (entries->count() > 0) entries->setCurrentIndex(0);
    ok = Save(main, out.filePath(QStringLiteral("main-callwindow.png"))) && ok;
    // The bar that tells about the listing's file on disk.
    auto* bar = main.findChild<lumorca::gui::TListingBar*>();
    bar->ShowChange(lumorca::gui::TListingBar::TKind::Changed, listing);
    ok = Save(main, out.filePath(QStringLiteral("main-listing-changed.png"))) && ok;
    bar->ShowChange(lumorca::gui::TListingBar::TKind::Removed, listing);
    ok = Save(main, out.filePath(QStringLiteral("main-listing-removed.png"))) && ok;
    bar->Dismiss();
    ok = lumorca::gui::WriteDialogScreenshots(main, out) && ok;

    err << (ok ? "screenshots written to " : "could not write screenshots to ") << out.absolutePath()
        << "\n";
    return ok ? 0 : 1;
}
