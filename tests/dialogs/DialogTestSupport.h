#pragma once
// Shared pieces of the dialog tests: a main window with settings of its own,
// message boxes answered from a queue, and listings in a temporary folder.
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestRegistry.h"
#include "app/Main.h"

namespace lumorca::gui::test {

// Records every box and answers questions from a queue (No when empty).
class TAnsweringMessages : public TMessageService {
public:
    QStringList Texts;
    std::deque<TAnswer> Answers;

    void Error(QWidget*, const QString& text) override { Texts.append(text); }
    TAnswer ConfirmYesCancel(QWidget*, const QString& text) override { return Next(text); }
    TAnswer ConfirmYesNoCancel(QWidget*, const QString& text) override { return Next(text); }
    TAnswer AskYesNo(QWidget*, const QString&, const QString& text) override { return Next(text); }

private:
    TAnswer Next(const QString& text) {
        Texts.append(text);
        if (Answers.empty()) return TAnswer::No;
        const TAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

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
std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TAnsweringMessages& messages);

// A small listing with component variables ($MYCOUNTER$, $B_TALLY$, $TOTAL$),
// an entry with a local variable and calls.
std::vector<std::string> CounterListing();
// Another listing without component variables.
std::vector<std::string> PlainListing();

}  // namespace lumorca::gui::test
