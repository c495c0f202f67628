#pragma once
// The source window's part: the grid with its scroll bar, the shown
// structure and the jump history; the header, bookmarks, selection, find and
// the pop-up are parts of their own. The main window owns the listing and
// the actions.
#include <QFont>
#include <QObject>
#include <QPoint>
#include <array>
#include <string>
#include <vector>

#include "analyzer/Analysis.h"
#include "analyzer/SourceJumps.h"
#include "app/SourceBookmarks.h"
#include "app/SourceFind.h"
#include "app/SourceGrid.h"
#include "app/SourceSelection.h"
#include "app/SourceViewHost.h"

class QAction;
class QKeyEvent;
class QScrollBar;

namespace lumorca::gui {

class TListingBar;
class TSourceHeader;
class TSourcePopup;

class TSourceView : public QObject {
    Q_OBJECT
public:
    // The listing and its analysis belong to the main window and outlive
    // the part; so do the actions, which the part wires to its handlers.
    TSourceView(QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                TSourceViewHost& host, const TSourceActions& actions);
    ~TSourceView() override;

    // What the source window shows; the listing bar sits above the grid.
    QWidget* Client() const { return SourceWinClient; }
    // The window to caption and the bar to lay out; the view lays itself out
    // only once it has them.
    void Attach(QWidget* window, TListingBar* bar);
    TSourceGrid* Grid() const { return SourceGrid; }

    // --- Where the view is ---
    bool HasListing() const { return !analysis_.Structure.Empty(); }
    TSourcePosition Position() const;
    int CurrentLine() const;
    const TPositionList& History() const { return JumpHistory; }
    const TPositionList& BookmarkPositions() const { return Bookmarks->Positions(); }
    const TMark& Marked() const { return Selection_->Marked(); }
    // Width left for the source column beside the vertical bar when it shows.
    int SourceColumnWidth() const { return SourceColumnWidth(VScrollNeeded); }
    IndentSettings SourceIndent() const;

    // --- Moving ---
    void GotoPosition(int32_t structure, int32_t line, bool addToHistory);
    void GotoReference(const NodeRecord& record, bool addToHistory);
    // Shows the structure of that name at grid row `row`; false when there is none.
    bool GotoStructureRow(const std::string& name, int row);
    std::string CurrentStructureName() const;
    void ActionPrevExecute();
    void ActionNextExecute();
    void ActionHistoryBackExecute();

    // --- The listing and the options ---
    // A new listing is coming: no history, bookmarks, selection or structure.
    void Clear();
    void ForgetFind() { Find->ForgetFind(); }
    void ShowStructure();
    void ResizeSourceGridCols();
    void SetFonts(const QFont& font, bool nonPropFont);
    void OptionsApplied();
    void Retranslate();
    // The grid (and with `scrollBar` its scroll bar) shown or hidden.
    void ShowGrid(bool shown, bool scrollBar = false);

    // --- Keeping the user's place over a reload ---
    using TBookmarkPlace = TSourceBookmarks::TBookmarkPlace;
    std::vector<TBookmarkPlace> BookmarkPlaces() const { return Bookmarks->BookmarkPlaces(); }
    void RestoreBookmarks(const std::vector<TBookmarkPlace>& places) { Bookmarks->RestoreBookmarks(places); }
    // Scrolls to `topRow` with the current row kept.
    void RestoreTopRow(int topRow);

    // --- Commands of the pop-up and the grid ---
    void PopupmenuSourcePopup();
    void MenuItemGotoClick(int gotoKind);
    void MenuItemShowLocalClick(bool locals);
    // Goes to the definition of the entry (kind 2) or operation (kind 3).
    void GotoDefinition(const std::string& name, int kind);
    void ShowFindDialog() { Find->ShowFindDialog(); }
    void setFindDialogText(const QString& text) { Find->setFindDialogText(text); }
    void setBookMarkClick(int n) { Bookmarks->setBookMarkClick(n); }
    void gotoBookMarkClick(int n) { Bookmarks->gotoBookMarkClick(n); }

private:
    friend class TSourceGridInput;
    void CreateControls(QWidget* owner, const TSourceActions& actions);
    void ConnectCommands(const TSourceActions& actions);
    SourceGridSettings GridSettings() const;
    int SourceColumnWidth(bool vscrollShown) const;
    void AdjustHScroll();
    void UpdateTriggerInfo();
    void ViewToggle(QAction* action);
    void ActionFontExecute();

    void SourceGridDblClick();
    void SourceGridDblClickAt(const QPoint& point);
    void DoubleClickToken(const QPoint& point);
    bool SourceGridKeyDown(QKeyEvent* event);

    QWidget* owner_;
    const ListingLines& lines_;
    const AnalysisResult& analysis_;
    TSourceViewHost& host_;
    TSourceBookmarks* Bookmarks;  // a child of this part
    TSourceFind* Find = nullptr;  // a child of this part
    TSourcePopup* Popup_ = nullptr;  // a child of this part
    TSourceSelection* Selection_ = nullptr;  // a child of this part
    QAction* ActionHistoryBack;
    std::array<QAction*, 6> ViewToggles;  // as TSourceActions lists them
    QWidget* SourceWin = nullptr;
    TListingBar* ListingBar = nullptr;

    int32_t CurrentStructure = 0;
    int32_t TopLine = 0;
    int32_t EndLine = -1;
    int32_t LeadInRows = 0;
    int MaxLineWidth = 0;
    bool VScrollNeeded = false;
    TPositionList JumpHistory{0};
    Qt::KeyboardModifiers LastMouseShift;
    QFont SourceDrawFont;

    QWidget* SourceWinClient = nullptr;
    TSourceHeader* Header = nullptr;  // the tool bar and the trigger's names
    TSourceGrid* SourceGrid = nullptr;
    QScrollBar* SourceGridHScroll = nullptr;
};

}  // namespace lumorca::gui
