#pragma once
// Main windows as the program builds them, each in a sandbox of its own:
// settings, listings and answered message boxes. The one header a window
// test needs.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "ScriptedMessages.h"
#include "TestListings.h"
#include "TestRegistry.h"
#include "WindowControls.h"
#include "app/Main.h"
#include "app/SourceGrid.h"
#include "app/SourceView.h"

namespace lumorca::gui::test {

// A folder for settings and listings; the program file "lives" there too,
// so its INI file is found beside it. Its per-user store goes with it.
class TSandbox {
public:
    TSandbox();
    ~TSandbox();
    // Whether the per-user store holds anything.
    bool RegistryHasKeys() const;
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

// A main window started with `arguments` (program name first), answering
// boxes from `messages`.
std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TScriptedMessages& messages,
                                 const QStringList& arguments = {QStringLiteral("Lumorca7")});

// A sandbox, its boxes and an active main window started in it that
// counts its beeps.
class TStarted {
public:
    TStarted();
    ~TStarted();
    TSandbox Sandbox;
    TScriptedMessages Messages;
    int Beeps = 0;

    TMain* Window() const { return main_.get(); }
    TMain* operator->() const { return main_.get(); }
    // The window's control or action of that name.
    template <typename T>
    T* Find(const char* name) const { return Control<T>(main_.get(), name); }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    TSourceView& View() const { return main_->SourceView(); }
    TSourceGrid* Grid() const { return View().Grid(); }
    QWidget* Viewport() const { return Grid()->viewport(); }

    // Writes `lines` to the sandbox as `name` and loads them.
    QString Load(const std::vector<std::string>& lines, const QString& name = QStringLiteral("orders.pro"));
    void LoadFile(const QString& path);
    // Shows line and makes it the current row.
    void Show(int line);
    // Viewport point over the left half of character c (1-based) of line's
    // display text as drawn; c = length + 1 is just past its end.
    QPoint At(int line, int c) const;
    // The first line holding text, and the position (1-based) of text in
    // that line's display text as drawn.
    int LineOf(const std::string& text) const { return test::LineOf(main_->Listing(), text); }
    int CharOf(int line, const std::string& text) const;
    std::string Shown(int line) const;
    static QString Clipboard();

private:
    std::unique_ptr<TMain> main_;
};

}  // namespace lumorca::gui::test
