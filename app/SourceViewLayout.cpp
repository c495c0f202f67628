// The source view: loading a structure into the grid, the column layout,
// the header panel and the view switches of the source tool bar.
#include <QAction>
#include <QFontDialog>
#include <QScrollBar>
#include <QStyle>

#include "analyzer/Vocabulary.h"
#include "app/Latin1.h"
#include "app/ListingBar.h"
#include "app/SourceHeader.h"
#include "app/SourcePopup.h"
#include "app/SourceView.h"

namespace lumorca::gui {

namespace {

QColor FromTColor(TColor c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

SourceGridSettings TSourceView::GridSettings() const {
    const TLumorcaOptions& o = host_.Options();
    SourceGridSettings s;
    s.DisplayLineNrTotal = o.DisplayLineNrTotal;
    s.DisplayLineNrTrigger = o.DisplayLineNrTrigger;
    s.DisplayContinueFlag = o.DisplayContinueFlag;
    s.Lowercase = o.Lowercase;
    s.Indent = IndentSettings{o.AutoIndent, o.Indent};
    s.ColorZnrAbs = FromTColor(o.ColorZnrAbs);
    s.ColorZnrTrigger = FromTColor(o.ColorZnrTrigger);
    s.ColorContinue = FromTColor(o.ColorContinue);
    s.ColorSource = FromTColor(o.ColorSource);
    s.ColorSourceComment = FromTColor(o.ColorSourceComment);
    s.ColorSourceNames = FromTColor(o.ColorSourceNames);
    s.ColorSourceCommands = FromTColor(o.ColorSourceCommands);
    s.ColorSourceGold = FromTColor(o.ColorSourceGold);
    s.ColorSourceErrors = FromTColor(o.ColorSourceErrors);
    s.ColorSourceWarnings = FromTColor(o.ColorSourceWarnings);
    s.ColorSourceInfos = FromTColor(o.ColorSourceInfos);
    s.ColorSourceActiveLine = FromTColor(o.ColorSourceActiveLine);
    s.ColorSourceMarked = FromTColor(o.ColorSourceMarked);
    return s;
}

int TSourceView::CurrentLine() const {
    return TopLine + SourceGrid->Row();
}

TSourcePosition TSourceView::Position() const {
    return {CurrentStructure, TopLine, EndLine, LeadInRows, MaxLineWidth, VScrollNeeded};
}

IndentSettings TSourceView::SourceIndent() const {
    const TLumorcaOptions& o = host_.Options();
    return IndentSettings{o.AutoIndent, o.Indent};
}

void TSourceView::ShowStructure() {
    if (!HasListing()) return;
    const SourceGridSettings settings = GridSettings();
    SourceGrid->SetSettings(settings);
    const StructureView view =
        ComputeStructureView(lines_, analysis_.Structures, CurrentStructure, settings.Indent);
    Popup_->StructureShown(view.IsEntry, view.EntryName);
    TopLine = view.TopLine;
    LeadInRows = view.LeadInRows;
    EndLine = view.EndLine;
    SourceGrid->SetRows(TopLine, view.RowCount());

    int widest = 0;
    const QFontMetrics metrics(SourceGrid->DrawFont());
    for (int32_t line = TopLine; line <= EndLine; ++line) {
        const std::string text = GetSourceLineText(lines_, line, settings.DisplayContinueFlag,
                                                   true, settings.Lowercase, settings.Indent);
        if (!text.empty()) widest = qMax(widest, metrics.horizontalAdvance(Latin1(text)));
    }
    MaxLineWidth = widest;
    ResizeSourceGridCols();
    UpdateTriggerInfo();
    if (host_.Level() == 14) {
        SourceGrid->viewport()->repaint();
        host_.Trace(14, QStringLiteral("ShowStructure: repaint"));
    }
}

void TSourceView::ResizeSourceGridCols() {
    if (SourceWin == nullptr) return;
    const TLumorcaOptions& o = host_.Options();
    const QFontMetrics metrics(SourceGrid->DrawFont());
    int top = Header->sizeHint().height();
    Header->setGeometry(0, 0, SourceWinClient->width(), top);
    if (ListingBar != nullptr && ListingBar->IsShown()) {
        const int barHeight = ListingBar->sizeHint().height();
        ListingBar->setGeometry(0, top, SourceWinClient->width(), barHeight);
        top += barHeight;
    }
    const int available = qMax(0, SourceWinClient->height() - top);
    SourceGrid->setGeometry(0, top, SourceWinClient->width(), available);

    std::array<int, 4> widths{0, 0, 0, 0};
    if (o.DisplayLineNrTotal) {
        const int n = static_cast<int>(lines_.size()) - 1;
        const QString sample = n < 999 ? QStringLiteral("999")
                               : n < 9999 ? QStringLiteral("9999")
                                          : QStringLiteral("99999");
        widths[0] = metrics.horizontalAdvance(sample) + 4;
    }
    if (o.DisplayLineNrTrigger) widths[1] = metrics.horizontalAdvance(QStringLiteral("999")) + 4;
    if (o.DisplayContinueFlag) widths[3] = metrics.horizontalAdvance(QStringLiteral("%\\")) + 4;
    SourceGrid->SetColWidths(widths);
    AdjustHScroll();
    widths[2] = SourceColumnWidth(VScrollNeeded);
    SourceGrid->SetColWidths(widths);

    int gridHeight = available;
    if (!VScrollNeeded) gridHeight = qMin(available, SourceGrid->RowCount() * SourceGrid->RowHeight() + 4 +
                                                         2 * SourceGrid->frameWidth());
    if (SourceGridHScroll->isVisibleTo(SourceWinClient)) {
        const int barHeight = SourceGridHScroll->height();
        if (barHeight + gridHeight > available) gridHeight = available - barHeight;
        SourceGridHScroll->setGeometry(widths[0] + widths[1] + SourceGrid->frameWidth(),
                                       top + gridHeight, widths[2], barHeight);
    }
    SourceGrid->resize(SourceGrid->width(), qMax(0, gridHeight));
    host_.Trace(5, QStringLiteral("Cellwidth %1 %2 %3 %4").arg(widths[0]).arg(widths[1]).arg(widths[2]).arg(widths[3]));
}

int TSourceView::SourceColumnWidth(bool vscrollShown) const {
    const std::array<int, 4> w{SourceGrid->ColWidth(0), SourceGrid->ColWidth(1), 0, SourceGrid->ColWidth(3)};
    return SourceGrid->width() - 2 * SourceGrid->frameWidth() - w[0] - w[1] - w[3] -
           (vscrollShown ? SourceGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
}

void TSourceView::AdjustHScroll() {
    const int frame = 2 * SourceGrid->frameWidth();
    VScrollNeeded = SourceGrid->FullyVisibleRowsFor(SourceGrid->height() - frame) < SourceGrid->RowCount();
    const int available = SourceColumnWidth(VScrollNeeded);
    SourceGridHScroll->setValue(0);
    SourceGrid->SetHScrollPosition(0);
    const bool needed = available < MaxLineWidth;
    if (needed) SourceGridHScroll->setMaximum(MaxLineWidth - available + 2);
    if (needed != SourceGridHScroll->isVisibleTo(SourceWinClient)) {
        SourceGridHScroll->setVisible(needed && SourceGrid->isVisibleTo(SourceWinClient));
        SourceGridHScroll->setMinimum(0);
    }
    host_.Trace(5, QStringLiteral("AdjustHScroll %1 %2").arg(available).arg(MaxLineWidth));
}

void TSourceView::UpdateTriggerInfo() {
    const TriggerInfo info = ComputeTriggerInfo(lines_, analysis_.StructureStarts, CurrentStructure);
    Header->ShowTriggerInfo(info);
    SourceWin->setWindowTitle(Latin1(info.Caption));
}

void TSourceView::ViewToggle(QAction* action) {
    TLumorcaOptions& o = host_.Options();
    const bool on = action->isChecked();
    const auto& [total, trigger, continued, lowercase, nonProp, indent] = ViewToggles;
    if (action == total) o.DisplayLineNrTotal = on;
    if (action == trigger) o.DisplayLineNrTrigger = on;
    if (action == continued) o.DisplayContinueFlag = on;
    if (action == lowercase) o.Lowercase = on;
    if (action == indent) o.AutoIndent = on;
    if (action == nonProp) {
        o.NonPropFont = on;
        QFont font = SourceDrawFont;
        font.setFamily(on ? QStringLiteral("Courier New") : o.SourceWin.Font.Name);
        SourceDrawFont = font;
        SourceGrid->SetDrawFont(font);
    }
    SourceGrid->SetSettings(GridSettings());
    ShowStructure();
}

void TSourceView::ActionFontExecute() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, SourceDrawFont, owner_);
    if (!ok) return;
    SourceDrawFont = font;
    SourceGrid->setFont(font);
    SourceGrid->SetDrawFont(font);
    ShowStructure();
}

}  // namespace lumorca::gui
