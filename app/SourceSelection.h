#pragma once
// Marking text in the source grid with the mouse, and the copy commands.
#include <QObject>
#include <QPoint>

#include "analyzer/Analysis.h"
#include "app/Mark.h"
#include "app/SourceViewHost.h"

class QMouseEvent;
class QScrollBar;
class QTimer;

namespace lumorca::gui {

class TSourceBookmarks;
class TSourceGrid;
class TSourceView;

class TSourceSelection : public QObject {
public:
    // `copy` is enabled while something is marked; a drag past the source
    // column's edge moves `hscroll`; a Ctrl+click toggles a bookmark.
    TSourceSelection(TSourceView& view, const ListingLines& lines, const AnalysisResult& analysis,
                     TSourceViewHost& host, QAction* copy, QScrollBar* hscroll, TSourceBookmarks& bookmarks);

    const TMark& Marked() const { return Selection; }
    // The marked text when it lies on one line.
    bool SelectedWord(QString& word) const;
    void ClearMark() { Selection.ClearMark(); }
    // Marks that part of a line (pixels from the start of its text) and copies it.
    void MarkAndCopy(int32_t line, int fromX, int toX);
    // A viewport x as pixels from the start of the source text.
    int SourceTextX(int viewportX) const;

    void SourceGridMouseDown(QMouseEvent* event);
    void SourceGridMouseMove(QMouseEvent* event);
    void SourceGridMouseUp(QMouseEvent* event);
    void ActionCopyExecute();
    void MenuItemAllesKopierenClick();
    void MenuItemZeileKopierenClick();
    void MenuItemCopyBreakpointClick();

private:
    bool HasRows() const;
    void DragScroll();
    void EnableCopyActions(bool enabled);

    TSourceView& view_;
    TSourceGrid* grid_;
    const ListingLines& lines_;
    const AnalysisResult& analysis_;
    TSourceViewHost& host_;
    QAction* ActionCopy;
    QScrollBar* SourceGridHScroll;
    TSourceBookmarks& bookmarks_;
    TMark Selection;
    QTimer* DragScrollTimer = nullptr;
    QPoint DragScrollPoint;
};

}  // namespace lumorca::gui
