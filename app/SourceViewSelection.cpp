// Marking text in the source grid with the mouse, and the copy commands.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include "app/SourceView.h"

namespace lumorca::gui {

namespace {

void PutOnClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

int TSourceView::SourceTextX(int viewportX) const {
    return viewportX - SourceGrid->ColWidth(0) - SourceGrid->ColWidth(1) +
           SourceGrid->HScrollPosition();
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

void TSourceView::SourceGridMouseDown(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    host_.Trace(7, QStringLiteral("MouseDown %1,%2").arg(pos.x()).arg(pos.y()));
    LastMouseShift = event->modifiers();
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    // The clicked row is current first, for every button: the pop-up menu
    // of a right click works on it and the selection stays.
    FollowMouseRow(SourceGrid, pos.y());
    if (event->button() != Qt::LeftButton) return;
    if (event->modifiers() & Qt::ControlModifier) {
        Bookmarks->ToggleBookmark();
        return;
    }
    if (!OverSourceColumn(SourceGrid, pos.x())) return;
    if (Selection->HasMark() || Selection->IsActive()) {
        Selection->ClearMark();
        SourceGrid->viewport()->update();
    }
    // The mark trace starts anew with each drag.
    if (host_.Level() == 2) host_.ClearTrace();
    Selection->ExtendMark(CurrentLine(), SourceTextX(pos.x()));
}

namespace {

// Milliseconds between two sideways steps of a drag held past an edge.
constexpr int DragScrollInterval = 50;

}  // namespace

void TSourceView::SourceGridMouseMove(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !Selection->IsActive()) return;
    const QPoint pos = event->position().toPoint();
    DragScrollPoint = pos;
    if (DragScrollTimer == nullptr) {
        DragScrollTimer = new QTimer(this);
        DragScrollTimer->setInterval(DragScrollInterval);
        connect(DragScrollTimer, &QTimer::timeout, this, &TSourceView::DragScroll);
    }
    if (!OverSourceColumn(SourceGrid, pos.x()) && SourceGridHScroll->isVisibleTo(SourceWinClient)) {
        DragScroll();
        DragScrollTimer->start();
        return;
    }
    DragScrollTimer->stop();
    if (!OverSourceColumn(SourceGrid, pos.x())) return;
    const int top = SourceGrid->TopRow();
    const TMarkPosition& end = Selection->MovingEndPos().Valid ? Selection->MovingEndPos() : Selection->AnchorPos();
    const int previous = end.Line - TopLine - top;
    FollowMouseRow(SourceGrid, pos.y());
    Selection->ExtendMark(CurrentLine(), SourceTextX(pos.x()));
    const int now = SourceGrid->Row() - SourceGrid->TopRow();
    // The grid may have scrolled to keep the row in view.
    if (SourceGrid->TopRow() != top) {
        SourceGrid->viewport()->update();
    } else {
        SourceGrid->InvalidateSourceRows(qMin(previous, now), qMax(previous, now));
    }
    host_.Trace(2, QStringLiteral("Mark rows %1..%2").arg(previous).arg(now));
}

void TSourceView::DragScroll() {
    const int left = SourceGrid->ColWidth(0) + SourceGrid->ColWidth(1);
    const int right = left + SourceGrid->ColWidth(2);
    const int x = DragScrollPoint.x();
    if (!Selection->IsActive() || (x >= left && x < right)) {
        DragScrollTimer->stop();
        return;
    }
    // The further past the edge, the faster; at least a few characters a step.
    const int minimum = SourceGrid->RowHeight();
    const int step = x >= right ? qMax(minimum, x - right + 1) : -qMax(minimum, left - x);
    SourceGridHScroll->setValue(SourceGridHScroll->value() + step);
    FollowMouseRow(SourceGrid, DragScrollPoint.y());
    Selection->ExtendMark(CurrentLine(), SourceTextX(x >= right ? right - 1 : left));
    SourceGrid->viewport()->update();
}

void TSourceView::SourceGridMouseUp(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    host_.Trace(7, QStringLiteral("MouseUp %1,%2").arg(pos.x()).arg(pos.y()));
    if (DragScrollTimer != nullptr) DragScrollTimer->stop();
    if (!Selection->IsActive()) return;
    if (OverSourceColumn(SourceGrid, pos.x())) Selection->ExtendMark(CurrentLine(), SourceTextX(pos.x()));
    // Released outside the text the drag still ends where it last was.
    Selection->FinishMark();
    SourceGrid->viewport()->update();
}

void TSourceView::EnableCopyActions(bool enabled) {
    ActionCopy->setEnabled(enabled);
}

void TSourceView::ActionCopyExecute() {
    if (!Selection->HasMark()) {
        EnableCopyActions(false);
        return;
    }
    const int32_t l1 = Selection->MarkValue(TMark::MarkLine, TMark::FirstEnd);
    const int c1 = Selection->MarkValue(TMark::MarkCharIndex, TMark::FirstEnd);
    const int32_t l2 = Selection->MarkValue(TMark::MarkLine, TMark::LastEnd);
    const int c2 = Selection->MarkValue(TMark::MarkCharIndex, TMark::LastEnd) - 1;
    PutOnClipboard(SelectionCopyText(lines_, l1, c1, l2, c2, SourceIndent()));
}

void TSourceView::MenuItemAllesKopierenClick() {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    Selection->ClearMark();
    Selection->ExtendMark(TopLine, 1);
    Selection->ExtendMark(TopLine + SourceGrid->RowCount() - 1, TMark::LineEnd);
    Selection->FinishMark();
    SourceGrid->viewport()->update();
    ActionCopyExecute();
}

void TSourceView::MenuItemZeileKopierenClick() {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    const int32_t line = CurrentLine();
    Selection->ClearMark();
    Selection->ExtendMark(line, 1);
    Selection->ExtendMark(line, TMark::LineEnd);
    Selection->FinishMark();
    SourceGrid->viewport()->update();
    ActionCopyExecute();
}

void TSourceView::MenuItemCopyBreakpointClick() {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    PutOnClipboard(BreakpointCommand(lines_, analysis_.StructureStarts, CurrentStructure, CurrentLine()));
}

}  // namespace lumorca::gui
