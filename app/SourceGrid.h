#pragma once
// The source view's grid: one row per listing line of the shown structure,
// four columns (listing line index, line number within the trigger, source
// text, continuation mark), drawn entirely by hand so that large listings
// scroll without per-row widgets.
#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <array>
#include <functional>

#include "analyzer/Listing.h"
#include "analyzer/SourceText.h"

namespace lumorca::gui {

struct SourceGridSettings {
    bool DisplayLineNrTotal = true;
    bool DisplayLineNrTrigger = true;
    bool DisplayContinueFlag = true;
    bool Lowercase = true;
    IndentSettings Indent;
    QColor ColorZnrAbs, ColorZnrTrigger, ColorContinue, ColorSource, ColorSourceComment,
        ColorSourceNames, ColorSourceCommands, ColorSourceGold, ColorSourceErrors,
        ColorSourceWarnings, ColorSourceInfos, ColorSourceActiveLine, ColorSourceMarked;
};

class TSourceGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TSourceGrid(QWidget* parent = nullptr);

    void SetListing(const ListingLines* lines) { lines_ = lines; }
    void SetSettings(const SourceGridSettings& settings);
    const SourceGridSettings& Settings() const { return settings_; }
    // The font the cells are drawn with.
    void SetDrawFont(const QFont& font);
    const QFont& DrawFont() const { return drawFont_; }

    // Shows rows 0..rowCount-1 as listing lines topLine.. .
    void SetRows(int topLine, int rowCount);
    int TopLine() const { return topLine_; }
    int RowCount() const { return rowCount_; }
    int Row() const { return row_; }
    // Makes a row current: scrolls it into view, repaints old and new row.
    void SetRow(int row);
    int TopRow() const;

    int RowHeight() const { return rowHeight_; }
    int FullyVisibleRows() const;
    int FullyVisibleRowsFor(int height) const;
    void SetColWidths(const std::array<int, 4>& widths);
    int ColWidth(int column) const { return colWidths_[static_cast<size_t>(column)]; }

    void SetHScrollPosition(int position);
    int HScrollPosition() const { return hscroll_; }

    // Repaints the source column of visible rows first..last.
    void InvalidateSourceRows(int first, int last);

    // Width of a display text in the drawing font.
    int TextWidth(const std::string& text) const;

    // Where the selection highlight of a listing line lies (pixel range
    // within its display text) and which bookmark marks it (-1 for none).
    using TSelectionOfLine = std::function<bool(int line, int& fromX, int& toX)>;
    using TBookmarkOfLine = std::function<int(int line)>;
    void SetSelectionOfLine(TSelectionOfLine selectionOfLine);
    void SetBookmarkOfLine(TBookmarkOfLine bookmarkOfLine);
    int BookmarkOfLine(int line) const { return bookmarkOfLine_ ? bookmarkOfLine_(line) : -1; }
    // Trace of drawn cells for the debug memo.
    void SetDrawTrace(std::function<void(const QString&)> drawTrace);

signals:
    void CurrentRowChanged(int row);
    void BackRequested();
    void EnterPressed();
    void RowDoubleClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollRange();
    int RowAt(int y) const;
    void DrawCell(QPainter& p, int column, int row, const QRect& rect);
    void DrawSourceCell(QPainter& p, int line, const QRect& rect, bool current);
    void DrawMarker(QPainter& p, const QRect& rect, int number, bool sourceColumn);
    int MarkerColumn() const;

    const ListingLines* lines_ = nullptr;
    SourceGridSettings settings_;
    QFont drawFont_;
    int rowHeight_ = 16;
    int topLine_ = 0;
    int rowCount_ = 0;
    int row_ = 0;
    int hscroll_ = 0;
    std::array<int, 4> colWidths_{0, 0, 0, 0};
    TSelectionOfLine selectionOfLine_;
    TBookmarkOfLine bookmarkOfLine_;
    std::function<void(const QString&)> drawTrace_;
};

}  // namespace lumorca::gui
