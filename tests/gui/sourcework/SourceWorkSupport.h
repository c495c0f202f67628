#pragma once
// A real main window for the source-view tests: settings of its own,
// answered message boxes, a listing loaded from a temporary folder, and
// the pixel places of characters in the source grid.
#include <QObject>
#include <QPoint>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ListingText.h"
#include "ScriptedMessages.h"
#include "TestRegistry.h"
#include "app/Main.h"
#include "app/SourceView.h"

namespace lumorca::gui::test {

// One window with its own settings folder; beeps are counted.
class TWindow {
public:
    TWindow();
    ~TWindow();
    TMain& Main() { return *main_; }
    TMain* operator->() { return main_.get(); }
    TScriptedMessages Messages{true};
    int Beeps = 0;

    // Writes lines (CR LF) into the folder and loads them.
    void Load(const std::vector<std::string>& lines, const QString& name = "work.pro");
    void LoadFile(const QString& path);

    // Shows line and makes it the current row.
    void Show(int line);
    // Viewport point over the left half of character c (1-based) of line's
    // display text as drawn; c = length + 1 is just past its end.
    QPoint At(int line, int c);
    // The first line holding text, and the position (1-based) of text in
    // that line's display text as drawn.
    int LineOf(const std::string& text) const;
    int CharOf(int line, const std::string& text) const;
    std::string Shown(int line) const;
    QWidget* Viewport();
    QString Clipboard() const;
    void SetClipboard(const QString& text);

private:
    QTemporaryDir dir_;
    std::unique_ptr<TMain> main_;
};

// Two form triggers, an entry with lead-in comments, an operation and an
// entity and a field trigger, with
// calls, activations, nested and continued control structures and strings
// with substitutions. Line indexes are found with TWindow::LineOf.
std::vector<std::string> WorkListing();

}  // namespace lumorca::gui::test
