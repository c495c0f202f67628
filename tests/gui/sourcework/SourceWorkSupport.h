#pragma once
// A real main window for the source-view tests: settings of its own,
// answered message boxes, a listing loaded from a temporary folder, and
// the pixel places of characters in the source grid.
#include <QObject>
#include <QPoint>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Main.h"

namespace lumorca::gui::test {

class TScriptedMessages : public TMessageService {
public:
    struct Box {
        QString Kind;  // "error", "info", "yescancel", "yesnocancel", "yesno"
        QString Caption;
        QString Text;
    };
    std::vector<Box> Boxes;
    std::deque<TAnswer> Answers;

    void Error(QWidget*, const QString& text) override { Boxes.push_back({"error", {}, text}); }
    void Information(QWidget*, const QString& caption, const QString& text) override {
        Boxes.push_back({"info", caption, text});
    }
    TAnswer ConfirmYesCancel(QWidget*, const QString& text) override { return Record("yescancel", text); }
    TAnswer ConfirmYesNoCancel(QWidget*, const QString& text) override {
        return Record("yesnocancel", text);
    }
    TAnswer AskYesNo(QWidget*, const QString&, const QString& text) override {
        return Record("yesno", text);
    }

private:
    TAnswer Record(const char* kind, const QString& text) {
        Boxes.push_back({QString::fromLatin1(kind), {}, text});
        if (Answers.empty()) return TAnswer::Cancel;
        const TAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

// One window with its own settings folder; beeps are counted.
class TWindow {
public:
    TWindow();
    ~TWindow();
    TMain& Main() { return *main_; }
    TMain* operator->() { return main_.get(); }
    TScriptedMessages Messages;
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

// A numbered listing line: own number, level digit or blank, Proc text.
std::string Numbered(int number, char level, const std::string& text);

// Two form triggers, an entry with lead-in comments, an operation and an
// entity and a field trigger, with
// calls, activations, nested and continued control structures and strings
// with substitutions. Line indexes are found with TWindow::LineOf.
std::vector<std::string> WorkListing();

// Test classes register themselves; the test program runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& TestClasses();
template <typename T>
struct RegisterTest {
    RegisterTest() { TestClasses().push_back([] { return std::make_unique<T>(); }); }
};

}  // namespace lumorca::gui::test
