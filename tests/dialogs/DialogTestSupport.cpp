#include "DialogTestSupport.h"
#include "ListingFile.h"
#include "ListingText.h"

#include <QApplication>
#include <QSettings>
#include <QUuid>

namespace lumorca::gui::test {

TSandbox::TSandbox()
    : organisation_(QStringLiteral("LumorcaDialogTest-") + QUuid::createUuid().toString(QUuid::Id128)) {}

TSandbox::~TSandbox() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, organisation_);
    store.clear();
    store.sync();
}

bool TSandbox::RegistryHasKeys() const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, organisation_);
    store.setFallbacksEnabled(false);
    return !store.allKeys().isEmpty();
}

QString TSandbox::Write(const QString& name, const std::vector<std::string>& lines) const {
    return WriteListing(dir_.filePath(name), lines);
}

std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TScriptedMessages& messages) {
    auto main = std::make_unique<TMain>(sandbox.ProgramPath(), sandbox.RegistryName(), &messages);
    main->resize(1000, 700);
    main->Startup({QStringLiteral("Lumorca7")});
    main->show();
    QApplication::processEvents();
    return main;
}

std::vector<std::string> CounterListing() {
    return {
        "Trigger <EXEC> from Form: COUNTERS",
        "==============================================================================",
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "$MYCOUNTER$ = 0"),
        Numbered(3, ' ', "$B_TALLY$ = $MYCOUNTER$"),
        Numbered(4, ' ', "$TOTAL$ = $B_TALLY$ + 1"),
        Numbered(5, ' ', "call LP_COUNT()"),
        Numbered(6, ' ', "edit"),
        "",
        "Trigger <LPMX> from Form: COUNTERS",
        "==============================================================================",
        Numbered(1, ' ', "; local procs"),
        "******        entry LP_COUNT",
        Numbered(3, ' ', "variables"),
        Numbered(4, ' ', "   numeric V_COUNTER"),
        Numbered(5, ' ', "endvariables"),
        Numbered(6, ' ', "V_COUNTER = $MYCOUNTER$"),
        Numbered(7, ' ', "$MYCOUNTER$ = V_COUNTER + 1"),
        Numbered(8, ' ', "return (0)"),
    };
}

std::vector<std::string> PlainListing() {
    return {
        "Trigger <EXEC> from Form: PLAIN",
        "==============================================================================",
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "edit"),
        Numbered(3, ' ', "return (0)"),
    };
}

}  // namespace lumorca::gui::test
