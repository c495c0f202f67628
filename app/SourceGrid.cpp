#include "app/SourceGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "analyzer/Keywords.h"
#include "analyzer/LineModel.h"
#include "app/Latin1.h"

namespace lumorca::gui {

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);
const QColor FrameGrey(0x80, 0x80, 0x80);

}  // namespace

TSourceGrid::TSourceGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("SourceGrid"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
    SetDrawFont(font());
}

void TSourceGrid::SetSelectionOfLine(TSelectionOfLine selectionOfLine) {
    selectionOfLine_ = std::move(selectionOfLine);
}

void TSourceGrid::SetBookmarkOfLine(TBookmarkOfLine bookmarkOfLine) {
    bookmarkOfLine_ = std::move(bookmarkOfLine);
}

void TSourceGrid::SetDrawTrace(std::function<void(const QString&)> drawTrace) {
    drawTrace_ = std::move(drawTrace);
}

void TSourceGrid::SetSettings(const SourceGridSettings& settings) {
    settings_ = settings;
    viewport()->update();
}

void TSourceGrid::SetDrawFont(const QFont& font) {
    drawFont_ = font;
    rowHeight_ = qMax(1, QFontMetrics(drawFont_).boundingRect(QStringLiteral("Mg|")).height());
    UpdateScrollRange();
    viewport()->update();
}

void TSourceGrid::SetRows(int topLine, int rowCount) {
    topLine_ = topLine;
    rowCount_ = qMax(0, rowCount);
    if (row_ >= rowCount_) row_ = 0;
    UpdateScrollRange();
    viewport()->update();
}

int TSourceGrid::TopRow() const {
    return verticalScrollBar()->value();
}

int TSourceGrid::FullyVisibleRowsFor(int height) const {
    return qMax(0, height / rowHeight_);
}

int TSourceGrid::FullyVisibleRows() const {
    return FullyVisibleRowsFor(viewport()->height());
}

void TSourceGrid::UpdateScrollRange() {
    const int visible = qMax(1, FullyVisibleRows());
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setRange(0, qMax(0, rowCount_ - visible));
}

void TSourceGrid::SetRow(int row) {
    if (rowCount_ == 0) {
        row_ = 0;
        return;
    }
    row = qBound(0, row, rowCount_ - 1);
    const int old = row_;
    row_ = row;
    const int top = TopRow();
    const int visible = qMax(1, FullyVisibleRows());
    if (row < top) {
        verticalScrollBar()->setValue(row);
    } else if (row >= top + visible) {
        verticalScrollBar()->setValue(row - visible + 1);
    }
    const int first = TopRow();
    viewport()->update(0, (old - first) * rowHeight_, viewport()->width(), rowHeight_);
    viewport()->update(0, (row - first) * rowHeight_, viewport()->width(), rowHeight_);
    if (old != row) emit CurrentRowChanged(row);
}

void TSourceGrid::SetColWidths(const std::array<int, 4>& widths) {
    if (widths == colWidths_) return;
    colWidths_ = widths;
    viewport()->update();
}

void TSourceGrid::SetHScrollPosition(int position) {
    hscroll_ = position;
}

void TSourceGrid::InvalidateSourceRows(int first, int last) {
    const int x = colWidths_[0] + colWidths_[1];
    viewport()->update(x, first * rowHeight_, colWidths_[2], (last - first + 1) * rowHeight_);
}

int TSourceGrid::TextWidth(const std::string& text) const {
    return QFontMetrics(drawFont_).horizontalAdvance(Latin1(text));
}

int TSourceGrid::RowAt(int y) const {
    return TopRow() + y / rowHeight_;
}

void TSourceGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void TSourceGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

void TSourceGrid::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (row >= 0 && row < rowCount_) SetRow(row);
    QAbstractScrollArea::mousePressEvent(event);
}

void TSourceGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = RowAt(event->position().toPoint().y());
    if (row >= 0 && row < rowCount_) emit RowDoubleClicked(row);
}

void TSourceGrid::keyPressEvent(QKeyEvent* event) {
    const int page = qMax(1, FullyVisibleRows());
    switch (event->key()) {
        case Qt::Key_Up: SetRow(row_ - 1); return;
        case Qt::Key_Down: SetRow(row_ + 1); return;
        case Qt::Key_PageUp: SetRow(row_ - page); return;
        case Qt::Key_PageDown: SetRow(row_ + page); return;
        // With or without Ctrl: the first and last row of the structure.
        case Qt::Key_Home: SetRow(0); return;
        case Qt::Key_End: SetRow(rowCount_ - 1); return;
        case Qt::Key_Backspace: emit BackRequested(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter: emit EnterPressed(); return;
        default: QAbstractScrollArea::keyPressEvent(event);
    }
}

int TSourceGrid::MarkerColumn() const {
    if (settings_.DisplayLineNrTotal) return 0;
    if (settings_.DisplayLineNrTrigger) return 1;
    if (settings_.DisplayContinueFlag) return 3;
    return 2;
}

void TSourceGrid::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QRect dirty = event->rect();
    p.fillRect(dirty, palette().color(QPalette::Base));
    if (lines_ == nullptr) return;
    const int top = TopRow();
    const int firstRow = top + dirty.top() / rowHeight_;
    const int lastRow = qMin(rowCount_ - 1, top + dirty.bottom() / rowHeight_);
    for (int row = firstRow; row <= lastRow; ++row) {
        const int y = (row - top) * rowHeight_;
        int x = 0;
        for (int column = 0; column < 4; ++column) {
            const int w = colWidths_[static_cast<size_t>(column)];
            const QRect cell(x, y, w, rowHeight_);
            if (w > 0 && cell.intersects(dirty)) DrawCell(p, column, row, cell);
            x += w;
        }
    }
}

void TSourceGrid::DrawCell(QPainter& p, int column, int row, const QRect& rect) {
    const int line = topLine_ + row;
    if (line < 0 || line >= static_cast<int>(lines_->size())) return;
    const std::string& raw = (*lines_)[static_cast<size_t>(line)];
    p.setFont(drawFont_);
    const QFontMetrics metrics(drawFont_);
    const int baseline = rect.top() + metrics.ascent();

    auto rightAligned = [&](const QString& text, const QColor& colour) {
        p.setPen(colour);
        p.drawText(rect.left() + rect.width() - metrics.horizontalAdvance(text) - 1, baseline,
                   text);
    };

    if (column != 2) p.fillRect(rect, Silver);
    switch (column) {
        case 0: rightAligned(QString::number(line), settings_.ColorZnrAbs); break;
        case 1: rightAligned(Latin1(ListingLineNumber(raw)), settings_.ColorZnrTrigger); break;
        case 2: DrawSourceCell(p, line, rect, row == row_); break;
        case 3:
            if (HasContinuationMark(raw)) {
                p.setPen(settings_.ColorContinue);
                p.drawText(rect.left() + 1, baseline, QStringLiteral("%\\"));
            }
            break;
    }
    if (column != 2) {
        // Raised frame: light top left, dark bottom right.
        p.setPen(Qt::white);
        p.drawLine(rect.left(), rect.bottom(), rect.left(), rect.top());
        p.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
        p.setPen(FrameGrey);
        p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        p.drawLine(rect.right(), rect.bottom(), rect.left(), rect.bottom());
    }
    if (column == MarkerColumn() && bookmarkOfLine_) {
        const int number = bookmarkOfLine_(line);
        if (number >= 0) DrawMarker(p, rect, number, column == 2);
    }
    if (drawTrace_) drawTrace_(QStringLiteral("Drawcell %1/%2").arg(column).arg(row));
}

void TSourceGrid::DrawSourceCell(QPainter& p, int line, const QRect& rect, bool current) {
    const QColor background =
        current ? settings_.ColorSourceActiveLine : palette().color(QPalette::Base);
    p.fillRect(rect, background);
    const std::string text = GetSourceLineText(*lines_, line, settings_.DisplayContinueFlag, true,
                                               settings_.Lowercase, settings_.Indent);
    if (text.empty()) return;
    const std::string plain = GetSourceLineText(*lines_, line, settings_.DisplayContinueFlag,
                                                false, settings_.Lowercase, settings_.Indent);
    const std::string word = NthWord(text, 1);
    const size_t wordPos = word.empty() ? 0 : text.find(word);
    const std::string upperWord = UpperCase(word);

    QColor base = settings_.ColorSource;
    bool message = false;
    if (upperWord == "TRIGGER" || upperWord == "ENTRY" || upperWord == "OPERATION") {
        base = settings_.ColorSourceNames;
    } else if (upperWord == "INFO:") {
        base = settings_.ColorSourceInfos;
        message = true;
    } else if (upperWord == "WARNING:") {
        base = settings_.ColorSourceWarnings;
        message = true;
    } else if (upperWord == "ERROR:") {
        base = settings_.ColorSourceErrors;
        message = true;
    }
    std::string code = text;
    std::string comment;
    if (!message) {
        const int start = CommentStart(text);
        if (start > 0) {
            code = text.substr(0, static_cast<size_t>(start) - 1);
            comment = text.substr(static_cast<size_t>(start) - 1);
        }
    }

    p.save();
    p.setClipRect(rect);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(background);
    const QFontMetrics metrics(drawFont_);
    const int x0 = rect.left() + 1 - hscroll_;
    const int baseline = rect.top() + metrics.ascent();
    p.setPen(base);
    p.drawText(x0, baseline, Latin1(code));
    if (IsHighlightedKeyword(upperWord)) {
        p.setPen(settings_.ColorSourceCommands);
        p.drawText(x0, baseline, Latin1(text.substr(0, wordPos + word.size())));
    }
    if (!comment.empty()) {
        p.setPen(settings_.ColorSourceComment);
        p.drawText(x0 + metrics.horizontalAdvance(Latin1(code)), baseline, Latin1(comment));
    }
    p.setPen(settings_.ColorSourceGold);
    for (size_t i = 0; i < text.size() && i < plain.size(); ++i) {
        if (text[i] != plain[i]) {
            const int x = x0 + metrics.horizontalAdvance(Latin1(text.substr(0, i)));
            p.drawText(x, baseline, QString(QLatin1Char(text[i])));
        }
    }
    int fromX = 0;
    int toX = 0;
    if (selectionOfLine_ && selectionOfLine_(line, fromX, toX)) {
        // Inverting over white shows the marked text in ColorSourceMarked.
        const QRgb marked = settings_.ColorSourceMarked.rgb() ^ 0xFFFFFF;
        p.setBackgroundMode(Qt::TransparentMode);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.fillRect(QRect(QPoint(rect.left() + fromX - hscroll_, rect.top()),
                         QPoint(rect.left() + toX - hscroll_, rect.bottom())),
                   QColor::fromRgb(marked));
    }
    p.restore();
}

void TSourceGrid::DrawMarker(QPainter& p, const QRect& rect, int number, bool sourceColumn) {
    const int x0 = rect.left() + 4;
    const int x1 = x0 + 12;
    const int y0 = rect.top() + 1;
    const int y1 = rect.bottom() - 1;
    const int d = 3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPolygon page({QPoint(x0 + d, y0), QPoint(x1, y0), QPoint(x1, y1), QPoint(x0, y1),
                         QPoint(x0, y0 + d)});
    const QPolygon corner({QPoint(x0 + d, y0), QPoint(x0 + d, y0 + d), QPoint(x0, y0 + d)});
    p.setPen(Qt::NoPen);
    p.setBrush(sourceColumn ? QColor(0, 0xFF, 0) : QColor(Qt::white));
    p.drawPolygon(page);
    p.drawPolygon(corner);
    QFont font = p.font();
    font.setPointSize(7);
    p.setFont(font);
    p.setPen(Qt::red);
    p.drawText(QRect(x0 + d + 1, y0, x1 - x0 - d, y1 - y0), Qt::AlignLeft | Qt::AlignVCenter,
               QString::number(number));
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygon({QPoint(x0 + d, y0), QPoint(x1, y0), QPoint(x1, y1), QPoint(x0, y1),
                             QPoint(x0, y0 + d), QPoint(x0 + d, y0), QPoint(x0 + d, y0 + d),
                             QPoint(x0, y0 + d)}));
    p.restore();
}

}  // namespace lumorca::gui
