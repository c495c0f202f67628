// Searching the listing from the find dialog.
#include <QLineEdit>
#include <QScreen>

#include "analyzer/LineModel.h"
#include "app/FindDialog.h"
#include "app/MessageService.h"
#include "app/SourceView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

namespace {

// The current row of the grid on the screen.
QRect CurrentRowOnScreen(const TSourceGrid* grid) {
    const int y = (grid->Row() - grid->TopRow()) * grid->RowHeight();
    return QRect(grid->viewport()->mapToGlobal(QPoint(0, y)), QSize(grid->viewport()->width(), grid->RowHeight()));
}

// Moves a window that covers `area` below it, or above it when the screen
// has no room below.
void MoveOff(QWidget* window, const QRect& area) {
    const QRect frame = window->frameGeometry();
    if (!window->isVisible() || !frame.intersects(area)) return;
    const QRect screen = window->screen()->availableGeometry();
    int top = area.bottom() + 1;
    if (top + frame.height() > screen.bottom() + 1) top = qMax(screen.top(), area.top() - frame.height());
    window->move(window->pos() + QPoint(0, top - frame.top()));
}

}  // namespace

void TSourceView::ActionFindExecute() {
    if (lines_.empty()) return;
    ShowFindDialog();
}

void TSourceView::ActionFindNextExecute() {
    if (lines_.empty()) return;
    if (FindDialog == nullptr || FindDialog->FindText().isEmpty())
        ShowFindDialog();
    else
        FindDialogFind();
}

void TSourceView::ShowFindDialog() {
    if (FindDialog == nullptr) {
        FindDialog = new TFindDialog(owner_);
        connect(FindDialog, &TFindDialog::Find, this, &TSourceView::FindDialogFind);
    }
    FindDialog->SetLanguage(host_.Options().Language);
    if (Selection->HasMark() && Selection->AnchorPos().Line == Selection->MovingEndPos().Line) {
        const int32_t line = Selection->AnchorPos().Line;
        const int from = Selection->MarkValue(TMark::MarkCharIndex, TMark::FirstEnd);
        const int to = Selection->MarkValue(TMark::MarkCharIndex, TMark::LastEnd) - 1;
        const std::string word = SelectionCopyText(lines_, line, from, line, to, SourceIndent());
        setFindDialogText(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    }
    FindDialog->show();
    // Shown again where the user left it, not centred anew.
    FindDialog->setAttribute(Qt::WA_Moved);
    if (SourceGrid->RowCount() > 0) MoveOff(FindDialog, CurrentRowOnScreen(SourceGrid));
    FindDialog->raise();
    FindDialog->activateWindow();
    FindDialog->FocusFindText();
}

void TSourceView::setFindDialogText(const QString& text) {
    if (FindDialog != nullptr) FindDialog->SetFindText(text);
}

void TSourceView::FindDialogFind() {
    if (!HasListing() || FindDialog == nullptr) return;
    const bool matchCase = FindDialog->MatchCase();
    const bool down = FindDialog->Down();
    std::string needle = FindDialog->FindText().toLatin1().toStdString();
    if (needle.empty()) return;
    if (!matchCase) needle = UpperCase(needle);
    const int32_t current = SourceGrid->RowCount() > 0 ? CurrentLine() : TopLine;
    const int32_t hit = FindInListing(lines_, current + (down ? 1 : -1), down, needle, matchCase);
    // A box goes over the dialog the search was started from.
    QWidget* opener = FindDialog->isActiveWindow() ? static_cast<QWidget*>(FindDialog) : owner_;
    if (hit < 0) {
        host_.MessageBoxes().Information(opener, QString(), host_.Txt(TextSearchNotFound));
        return;
    }
    const QString key = QString::fromLatin1(needle.data(), static_cast<qsizetype>(needle.size()));
    if (key == LastFindText && down == LastFindDown) {
        // Back at the first hit of this series: all places have been seen.
        if (hit == LastFindLine && host_.MessageBoxes().AskYesNo(opener, QString(), host_.Txt(TextAskRepeatSearch)) != TAnswer::Yes)
            return;
    } else {
        LastFindText = key;
        LastFindLine = hit;
        LastFindDown = down;
    }
    GotoPosition(-1, hit, true);
    MoveOff(FindDialog, CurrentRowOnScreen(SourceGrid));
}

}  // namespace lumorca::gui
