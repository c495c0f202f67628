#include "StartedWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTest>
#include <QUuid>

#include "app/SourceGrid.h"

namespace lumorca::gui::test {

TSandbox::TSandbox()
    : registry_(QStringLiteral("LumorcaTest-") + QUuid::createUuid().toString(QUuid::Id128)) {}

TSandbox::~TSandbox() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, registry_);
    store.clear();
    store.sync();
}

bool TSandbox::RegistryHasKeys() const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, registry_);
    store.setFallbacksEnabled(false);
    return !store.allKeys().isEmpty();
}

QString TSandbox::Write(const QString& name, const std::vector<std::string>& lines) const {
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(QByteArray::fromStdString(Joined(lines)));
    return file.fileName();
}

std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TScriptedMessages& messages,
                                 const QStringList& arguments) {
    auto main = std::make_unique<TMain>(sandbox.ProgramPath(), sandbox.RegistryName(), &messages);
    main->resize(1100, 760);
    main->Startup(arguments);
    main->show();
    QApplication::processEvents();
    return main;
}

TStarted::TStarted() : main_(StartMain(Sandbox, Messages)) {
    main_->SetServices({.Beep = [this] { ++Beeps; }});
    main_->activateWindow();
    if (!QTest::qWaitForWindowActive(main_.get())) qWarning("the main window did not become active");
}

TStarted::~TStarted() {
    // Hidden while the whole window is still there: the child windows tell
    // the main window when they are hidden.
    main_->hide();
    QApplication::processEvents();
}

QString TStarted::Load(const std::vector<std::string>& lines, const QString& name) {
    const QString path = Sandbox.Write(name, lines);
    LoadFile(path);
    return path;
}

void TStarted::LoadFile(const QString& path) {
    main_->LoadFile(path);
    QApplication::processEvents();
}

void TStarted::Show(int line) {
    main_->SourceView().GotoPosition(-1, line, false);
    QApplication::processEvents();
}

std::string TStarted::Shown(int line) const {
    const TLumorcaOptions& o = main_->Options();
    return GetSourceLineText(main_->Listing(), line, o.DisplayContinueFlag, true, o.Lowercase,
                             IndentSettings{o.AutoIndent, o.Indent});
}

QPoint TStarted::At(int line, int c) const {
    const TSourceGrid* grid = Grid();
    const std::string text = Shown(line);
    const int before = grid->TextWidth(text.substr(0, static_cast<size_t>(c) - 1));
    const int x = grid->ColWidth(0) + grid->ColWidth(1) + before + 1 - grid->HScrollPosition();
    const int row = line - View().Position().TopLine - grid->TopRow();
    return QPoint(x, row * grid->RowHeight() + grid->RowHeight() / 2);
}

int TStarted::CharOf(int line, const std::string& text) const {
    const size_t p = Shown(line).find(text);
    return p == std::string::npos ? -1 : static_cast<int>(p) + 1;
}

QString TStarted::Clipboard() { return QGuiApplication::clipboard()->text(); }

}  // namespace lumorca::gui::test
