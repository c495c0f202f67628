// Marking text in the source grid with the mouse, and the copy commands.
#include "app/SourceSelection.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include "app/Latin1.h"
#include "app/SourceBookmarks.h"
#include "app/SourceView.h"

namespace lumorca::gui {

namespace {

void PutOnClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(Latin1(text));
}

}  // namespace

TSourceSelection::TSourceSelection(TSourceView& view, const ListingLines& lines, const AnalysisResult& analysis,
                                   TSourceViewHost& host, QAction* copy, QScrollBar* hscroll,
                                   TSourceBookmarks& bookmarks)
    : QObject(&view),
      view_(view),
      grid_(view.Grid()),
      lines_(lines),
      analysis_(analysis),
      host_(host),
      ActionCopy(copy),
      SourceGridHScroll(hscroll),
      bookmarks_(bookmarks),
      Selection(TMarkText{[this](int32_t line) {
                              const TLumorcaOptions& o = host_.Options();
                              return GetSourceLineText(lines_, line, o.DisplayContinueFlag, true, o.Lowercase,
                                                       view_.SourceIndent());
                          },
                          [this](std::string_view text) { return grid_->TextWidth(std::string(text)); }}) {
    Selection.SetOnChange([this](bool enabled) { EnableCopyActions(enabled); });
    grid_->SetSelectionOfLine(
        [this](int line, int& fromX, int& toX) { return Selection.MarkedRange(line, fromX, toX); });
    connect(copy, &QAction::triggered, this, &TSourceSelection::ActionCopyExecute);
    EnableCopyActions(false);
}

bool TSourceSelection::HasRows() const {
    return view_.HasListing() && grid_->RowCount() > 0;
}

bool TSourceSelection::SelectedWord(QString& word) const {
    if (!Selection.HasMark() || Selection.AnchorPos().Line != Selection.MovingEndPos().Line) return false;
    const int32_t line = Selection.AnchorPos().Line;
    const int from = Selection.MarkValue(TMark::MarkCharIndex, TMark::FirstEnd);
    const int to = Selection.MarkValue(TMark::MarkCharIndex, TMark::LastEnd) - 1;
    const std::string text = SelectionCopyText(lines_, line, from, line, to, view_.SourceIndent());
    word = Latin1(text);
    return true;
}

void TSourceSelection::MarkAndCopy(int32_t line, int fromX, int toX) {
    Selection.ClearMark();
    Selection.ExtendMark(line, fromX);
    Selection.ExtendMark(line, toX);
    Selection.FinishMark();
    grid_->viewport()->update();
    ActionCopyExecute();
}

int TSourceSelection::SourceTextX(int viewportX) const {
    return viewportX - grid_->ColWidth(0) - grid_->ColWidth(1) + grid_->HScrollPosition();
}

namespace {

bool OverSourceColumn(const TSourceGrid* grid, int x) {
    const int left = grid->ColWidth(0) + grid->ColWidth(1);
    return x >= left && x < left + grid->ColWidth(2);
}

// Makes the row under a viewport y current, as a click on it does.
void FollowMouseRow(TSourceGrid* grid, int y) {
    if (grid->RowCount() == 0) return;
    const int row = grid->TopRow() + (y < 0 ? -1 : y / qMax(1, grid->RowHeight()));
    grid->SetRow(qBound(0, row, grid->RowCount() - 1));
}

}  // namespace

void TSourceSelection::SourceGridMouseDown(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    host_.Trace(7, QStringLiteral("MouseDown %1,%2").arg(pos.x()).arg(pos.y()));
    if (!HasRows()) return;
    // The clicked row is current first, for every button: the pop-up menu
    // of a right click works on it and the selection stays.
    FollowMouseRow(grid_, pos.y());
    if (event->button() != Qt::LeftButton) return;
    if (event->modifiers() & Qt::ControlModifier) {
        bookmarks_.ToggleBookmark();
        return;
    }
    if (!OverSourceColumn(grid_, pos.x())) return;
    if (Selection.HasMark() || Selection.IsActive()) {
        Selection.ClearMark();
        grid_->viewport()->update();
    }
    // The mark trace starts anew with each drag.
    if (host_.Level() == 2) host_.ClearTrace();
    Selection.ExtendMark(view_.CurrentLine(), SourceTextX(pos.x()));
}

namespace {

// Milliseconds between two sideways steps of a drag held past an edge.
constexpr int DragScrollInterval = 50;

}  // namespace

void TSourceSelection::SourceGridMouseMove(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !Selection.IsActive()) return;
    const QPoint pos = event->position().toPoint();
    DragScrollPoint = pos;
    if (DragScrollTimer == nullptr) {
        DragScrollTimer = new QTimer(this);
        DragScrollTimer->setInterval(DragScrollInterval);
        connect(DragScrollTimer, &QTimer::timeout, this, &TSourceSelection::DragScroll);
    }
    if (!OverSourceColumn(grid_, pos.x()) && SourceGridHScroll->isVisibleTo(view_.Client())) {
        DragScroll();
        DragScrollTimer->start();
        return;
    }
    DragScrollTimer->stop();
    if (!OverSourceColumn(grid_, pos.x())) return;
    const int top = grid_->TopRow();
    const TMarkPosition& end = Selection.MovingEndPos().Valid ? Selection.MovingEndPos() : Selection.AnchorPos();
    const int previous = end.Line - view_.Position().TopLine - top;
    FollowMouseRow(grid_, pos.y());
    Selection.ExtendMark(view_.CurrentLine(), SourceTextX(pos.x()));
    const int now = grid_->Row() - grid_->TopRow();
    // The grid may have scrolled to keep the row in view.
    if (grid_->TopRow() != top) {
        grid_->viewport()->update();
    } else {
        grid_->InvalidateSourceRows(qMin(previous, now), qMax(previous, now));
    }
    host_.Trace(2, QStringLiteral("Mark rows %1..%2").arg(previous).arg(now));
}

void TSourceSelection::DragScroll() {
    const int left = grid_->ColWidth(0) + grid_->ColWidth(1);
    const int right = left + grid_->ColWidth(2);
    const int x = DragScrollPoint.x();
    if (!Selection.IsActive() || (x >= left && x < right)) {
        DragScrollTimer->stop();
        return;
    }
    // The further past the edge, the faster; at least a few characters a step.
    const int minimum = grid_->RowHeight();
    const int step = x >= right ? qMax(minimum, x - right + 1) : -qMax(minimum, left - x);
    SourceGridHScroll->setValue(SourceGridHScroll->value() + step);
    FollowMouseRow(grid_, DragScrollPoint.y());
    Selection.ExtendMark(view_.CurrentLine(), SourceTextX(x >= right ? right - 1 : left));
    grid_->viewport()->update();
}

void TSourceSelection::SourceGridMouseUp(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    host_.Trace(7, QStringLiteral("MouseUp %1,%2").arg(pos.x()).arg(pos.y()));
    if (DragScrollTimer != nullptr) DragScrollTimer->stop();
    if (!Selection.IsActive()) return;
    if (OverSourceColumn(grid_, pos.x())) Selection.ExtendMark(view_.CurrentLine(), SourceTextX(pos.x()));
    // Released outside the text the drag still ends where it last was.
    Selection.FinishMark();
    grid_->viewport()->update();
}

void TSourceSelection::EnableCopyActions(bool enabled) {
    ActionCopy->setEnabled(enabled);
}

void TSourceSelection::ActionCopyExecute() {
    if (!Selection.HasMark()) {
        EnableCopyActions(false);
        return;
    }
    const int32_t l1 = Selection.MarkValue(TMark::MarkLine, TMark::FirstEnd);
    const int c1 = Selection.MarkValue(TMark::MarkCharIndex, TMark::FirstEnd);
    const int32_t l2 = Selection.MarkValue(TMark::MarkLine, TMark::LastEnd);
    const int c2 = Selection.MarkValue(TMark::MarkCharIndex, TMark::LastEnd) - 1;
    PutOnClipboard(SelectionCopyText(lines_, l1, c1, l2, c2, view_.SourceIndent()));
}

void TSourceSelection::MenuItemAllesKopierenClick() {
    if (!HasRows()) return;
    Selection.ClearMark();
    const int32_t top = view_.Position().TopLine;
    Selection.ExtendMark(top, 1);
    Selection.ExtendMark(top + grid_->RowCount() - 1, TMark::LineEnd);
    Selection.FinishMark();
    grid_->viewport()->update();
    ActionCopyExecute();
}

void TSourceSelection::MenuItemZeileKopierenClick() {
    if (!HasRows()) return;
    const int32_t line = view_.CurrentLine();
    Selection.ClearMark();
    Selection.ExtendMark(line, 1);
    Selection.ExtendMark(line, TMark::LineEnd);
    Selection.FinishMark();
    grid_->viewport()->update();
    ActionCopyExecute();
}

void TSourceSelection::MenuItemCopyBreakpointClick() {
    if (!HasRows()) return;
    PutOnClipboard(
        BreakpointCommand(lines_, analysis_.Structures, view_.Position().CurrentStructure, view_.CurrentLine()));
}

}  // namespace lumorca::gui
