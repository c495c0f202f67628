#include "SourceWorkSupport.h"
#include "ListingFile.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QUuid>

#include "app/SourceGrid.h"
#include "app/SourceView.h"

namespace lumorca::gui::test {

std::vector<std::string> WorkListing() {
    const std::string rule(78, '=');
    return {
        "Trigger <EXEC> from Form: ORDERS",
        rule,
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "call LP_SUM(1, 2)"),
        Numbered(3, ' ', "call LP_MISSING()"),
        Numbered(4, ' ', "activate \"ORDERS\".SAVE_ALL()"),
        Numbered(5, ' ', "activate $instancename.SAVE_ALL()"),
        Numbered(6, ' ', "activate \"OTHERS\".SAVE_ALL()"),
        Numbered(7, ' ', "if ($status < 0)"),
        Numbered(8, '1', "   message \"Total %%$TOTAL$%%% of %%ORDNR.ORDER%%%\""),
        Numbered(9, '1', "else"),
        Numbered(10, '1', "   $TOTAL$ = AMOUNT.ORDER + 12"),
        Numbered(11, '1', "endif"),
        Numbered(12, ' ', "if ($1 > 0 & %\\"),
        Numbered(13, ' ', "   $2 > 0)"),
        Numbered(14, '1', "   $1 = 0"),
        Numbered(15, '1', "endif"),
        Numbered(16, ' ', "repeat"),
        Numbered(17, '1', "   $1 = $1 - 1"),
        Numbered(18, ' ', "clear/e \"ORDERLINE\""),
        Numbered(19, ' ', ""),
        Numbered(20, ' ', "Message \"MiXed Case\" ; Keep It"),
        Numbered(21, ' ', "return (0)"),
        "",
        "Trigger <LPMX> from Form: ORDERS",
        rule,
        Numbered(1, ' ', "; local procs"),
        Numbered(2, ' ', "; sums two numbers"),
        Numbered(3, ' ', "; and keeps the sum"),
        "******        entry LP_SUM",
        Numbered(5, ' ', "params"),
        Numbered(6, '1', "   numeric P_A : IN"),
        Numbered(7, '1', "   numeric P_B : IN"),
        Numbered(8, '1', "endparams"),
        Numbered(9, ' ', "variables"),
        Numbered(10, '1', "   numeric V_SUM"),
        Numbered(11, '1', "endvariables"),
        Numbered(12, ' ', "V_SUM = P_A + P_B"),
        Numbered(13, ' ', "return (V_SUM)"),
        "******        operation SAVE_ALL",
        Numbered(15, ' ', "store"),
        Numbered(16, ' ', "return (0)"),
        "",
        "Trigger <READ> from Entity: ORDER.SALES",
        rule,
        Numbered(1, ' ', "; read trigger"),
        Numbered(2, ' ', "retrieve/e \"ORDERLINE\""),
        "",
        "Trigger <FMTF> from Field: AMOUNT.ORDER.SALES",
        rule,
        Numbered(1, ' ', "AMOUNT.ORDER = AMOUNT.ORDER * 2"),
    };
}

TWindow::TWindow() {
    const QString registry = QStringLiteral("LumorcaTest-") + QUuid::createUuid().toString(QUuid::Id128);
    main_ = std::make_unique<TMain>(dir_.filePath(QStringLiteral("Lumorca7")), registry, &Messages);
    main_->resize(1100, 760);
    main_->Startup({QStringLiteral("Lumorca7")});
    main_->SetServices({.Beep = [this] { ++Beeps; }});
    main_->show();
    main_->activateWindow();
    QTest::qWaitForWindowActive(main_.get());
    QApplication::processEvents();
}

TWindow::~TWindow() {
    // Hidden while the whole window is still there: the child windows tell
    // the main window when they are hidden.
    main_->hide();
    QApplication::processEvents();
}

void TWindow::Load(const std::vector<std::string>& lines, const QString& name) {
    LoadFile(WriteListing(dir_.filePath(name), lines));
}

void TWindow::LoadFile(const QString& path) {
    main_->LoadFile(path);
    QApplication::processEvents();
}

void TWindow::Show(int line) {
    main_->SourceView().GotoPosition(-1, line, false);
    QApplication::processEvents();
}

std::string TWindow::Shown(int line) const {
    const TLumorcaOptions& o = main_->Options();
    return GetSourceLineText(main_->Listing(), line, o.DisplayContinueFlag, true, o.Lowercase,
                             IndentSettings{o.AutoIndent, o.Indent});
}

QPoint TWindow::At(int line, int c) {
    TSourceGrid* grid = main_->SourceView().Grid();
    const std::string text = Shown(line);
    const int before = grid->TextWidth(text.substr(0, static_cast<size_t>(c) - 1));
    const int x = grid->ColWidth(0) + grid->ColWidth(1) + before + 1 - grid->HScrollPosition();
    const int row = line - main_->SourceView().Position().TopLine - grid->TopRow();
    return QPoint(x, row * grid->RowHeight() + grid->RowHeight() / 2);
}

int TWindow::LineOf(const std::string& text) const {
    const ListingLines& lines = main_->Listing();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

int TWindow::CharOf(int line, const std::string& text) const {
    const size_t p = Shown(line).find(text);
    return p == std::string::npos ? -1 : static_cast<int>(p) + 1;
}

QWidget* TWindow::Viewport() {
    return main_->SourceView().Grid()->viewport();
}

QString TWindow::Clipboard() const {
    return QGuiApplication::clipboard()->text();
}

void TWindow::SetClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace lumorca::gui::test
