#pragma once
// Shared pieces of the dialog tests: a main window with settings of its own
// and listings in a temporary folder.
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "ScriptedMessages.h"
#include "TestRegistry.h"
#include "app/Main.h"

namespace lumorca::gui::test {

// A folder beside the "program" (so its INI file lands there) and a
// per-user store name of its own.
class TSandbox {
public:
    TSandbox();
    ~TSandbox();
    QString ProgramPath() const { return dir_.filePath(QStringLiteral("Lumorca7")); }
    QString IniPath() const { return dir_.filePath(QStringLiteral("Lumorca7.INI")); }
    QString RegistryName() const { return QStringLiteral("Software\\") + organisation_; }
    // Whether the per-user store holds anything.
    bool RegistryHasKeys() const;
    QString Write(const QString& name, const std::vector<std::string>& lines) const;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString organisation_;
};

// A shown main window as the program builds it.
std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TScriptedMessages& messages);

// A small listing with component variables ($MYCOUNTER$, $B_TALLY$, $TOTAL$),
// an entry with a local variable and calls.
std::vector<std::string> CounterListing();
// Another listing without component variables.
std::vector<std::string> PlainListing();

}  // namespace lumorca::gui::test
