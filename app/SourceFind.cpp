// Searching the listing from the find dialog.
#include <QLineEdit>
#include <QScreen>

#include "analyzer/LineModel.h"
#include "analyzer/SourceJumps.h"
#include "app/FindDialog.h"
#include "app/SourceFind.h"
#include "app/MessageService.h"
#include "app/SourceGrid.h"
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

TSourceFind::TSourceFind(QObject* parent, QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                         TSourceViewHost& host, const TSourceGrid* grid, TViewHooks view)
    : QObject(parent),
      owner_(owner),
      lines_(lines),
      analysis_(analysis),
      host_(host),
      grid_(grid),
      view_(std::move(view)) {}

void TSourceFind::ForgetFind() {
    LastFindText.clear();
    LastFindLine = 0;
}

void TSourceFind::ActionFindExecute() {
    if (lines_.empty()) return;
    ShowFindDialog();
}

void TSourceFind::ActionFindNextExecute() {
    if (lines_.empty()) return;
    if (FindDialog == nullptr || FindDialog->FindText().isEmpty())
        ShowFindDialog();
    else
        FindDialogFind();
}

void TSourceFind::ShowFindDialog() {
    if (FindDialog == nullptr) {
        FindDialog = new TFindDialog(owner_);
        connect(FindDialog, &TFindDialog::Find, this, &TSourceFind::FindDialogFind);
    }
    FindDialog->SetLanguage(host_.Options().Language);
    if (QString word; view_.SelectedWord(word)) setFindDialogText(word);
    FindDialog->show();
    // Shown again where the user left it, not centred anew.
    FindDialog->setAttribute(Qt::WA_Moved);
    if (grid_->RowCount() > 0) MoveOff(FindDialog, CurrentRowOnScreen(grid_));
    FindDialog->raise();
    FindDialog->activateWindow();
    FindDialog->FocusFindText();
}

void TSourceFind::setFindDialogText(const QString& text) {
    if (FindDialog != nullptr) FindDialog->SetFindText(text);
}

void TSourceFind::FindDialogFind() {
    if (analysis_.Structure.Empty() || FindDialog == nullptr) return;
    const bool matchCase = FindDialog->MatchCase();
    const bool down = FindDialog->Down();
    std::string needle = FindDialog->FindText().toLatin1().toStdString();
    if (needle.empty()) return;
    if (!matchCase) needle = UpperCase(needle);
    const int32_t current = view_.SearchStart();
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
    view_.Go(hit);
    MoveOff(FindDialog, CurrentRowOnScreen(grid_));
}

}  // namespace lumorca::gui
