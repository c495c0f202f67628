#pragma once
// Shared pieces of the window tests: answered message boxes, a main window
// with settings of its own, and listings written to a temporary folder.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedMessages.h"
#include "app/Main.h"
#include "app/SourceView.h"

namespace lumorca::gui::test {

// A folder for settings and listings; the program file "lives" there too,
// so its INI file is found beside it.
class TSandbox {
public:
    TSandbox();
    QString ProgramPath() const { return dir_.filePath(QStringLiteral("Lumorca7")); }
    QString IniPath() const { return dir_.filePath(QStringLiteral("Lumorca7.INI")); }
    QString RegistryName() const { return registry_; }
    // Writes lines (CR LF) to a file in the folder and returns its path.
    QString Write(const QString& name, const std::vector<std::string>& lines) const;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString registry_;
};

// A main window as the program builds it, started with `arguments`
// (program name first) and answering boxes from `messages`.
std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TScriptedMessages& messages,
                                 const QStringList& arguments = {QStringLiteral("Lumorca7")},
                                 bool show = true);

// A sandbox, its boxes and a main window started in it.
struct TStarted {
    TSandbox Sandbox;
    TScriptedMessages Messages;
    std::unique_ptr<TMain> Main = StartMain(Sandbox, Messages);
    TMain* operator->() const { return Main.get(); }
    // Writes `lines` to the sandbox as `name` and loads them.
    QString Load(const std::vector<std::string>& lines, const QString& name = QStringLiteral("orders.pro"));
};

// The program's own analysis instead of the hand-made one, and the example
// listing loaded through it.
void UseRealAnalysis(TMain& main);
void LoadExample(TMain& main);

// A listing's text as a clipboard or a file holds it (CR LF).
std::string Joined(const std::vector<std::string>& lines);

// The first node of `tree` captioned `caption`, null when there is none.
const TreeNode* FindNode(const Tree& tree, const std::string& caption);

// A listing of triggers and entries with calls between them:
//   structure 1 trigger <EXEC>   calls LP_A twice and LP_B
//   structure 2 entry LP_A       calls LP_B
//   structure 3 entry LP_B       calls LP_A
//   structure 4 trigger <STOR>   calls LP_B
// and `padding` plain lines in <EXEC> so that it can be made long.
std::vector<std::string> SmallListing(int padding = 0);

// An analysis of listings in the shape of SmallListing, made by hand so
// that the window tests do not depend on the analyser's details: the
// structure tree (form, triggers, entries under the trigger before them)
// and an XRef tree with the category "Entries", one symbol per entry, its
// definition and its calls.
AnalysisResult HandMadeAnalysis(ListingLines& lines, const AnalysisSettings& settings,
                                AnalysisObserver* observer, TraceSink* trace);

// The line index of the first line containing `text`.
int LineOf(const ListingLines& lines, const std::string& text);

}  // namespace lumorca::gui::test
