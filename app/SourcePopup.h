#pragma once
// The source grid's pop-up menu: the copy items, the zoomed line, the call
// sites of the shown entry, the called entry, the control-structure jumps,
// the bookmarks' submenus and the shown structure's parameters and locals.
#include <QObject>
#include <array>
#include <string>

#include "analyzer/Analysis.h"
#include "app/SourceViewHost.h"

class QMenu;

namespace lumorca::gui {

class TSourceBookmarks;
class TSourceSelection;
class TSourceView;

class TSourcePopup : public QObject {
    Q_OBJECT
public:
    // The menu is a window of `owner` and pops up over the view's grid;
    // `bookmarks` puts its submenus into it; `selection` copies.
    TSourcePopup(TSourceView& view, QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                 TSourceViewHost& host, const TSourceActions& actions, TSourceBookmarks& bookmarks,
                 TSourceSelection& selection);

    // Prepares the items for the current line.
    void PopupmenuSourcePopup();
    void MenuItemGotoClick(int gotoKind);
    // The call sites of the shown structure when it is an entry.
    void StructureShown(bool isEntry, const std::string& entryName);
    // A new listing: the line the items were prepared for is forgotten.
    void Clear() { PopupmenuSourceLine = -1; }
    void Retranslate();

private:
    void CreatePopup(const TSourceActions& actions, TSourceBookmarks& bookmarks);
    void ConnectCommands(TSourceSelection& selection);
    bool HasRows() const;
    // The references of one kind of a symbol (a position in the analysis'
    // symbols), captioned as its reference nodes are.
    void BuildCallSitesMenu(QMenu* item, int32_t symbolIndex, int refKind);
    void MenuItemAufrufClick(QAction* item);
    void MenuItemGotoEntryClick();
    void MenuItemZoomLineClick();

    TSourceView& view_;
    QWidget* owner_;
    const ListingLines& lines_;
    const AnalysisResult& analysis_;
    TSourceViewHost& host_;
    int PopupmenuSourceLine = -1;  // the line the items were prepared for
    QMenu* PopupmenuSource = nullptr;
    QMenu* MenuItemAufruf = nullptr;
    QMenu* MenuItemGoto = nullptr;
    QAction* MenuItemAllesKopieren = nullptr;
    QAction* MenuItemZeileKopieren = nullptr;
    QAction* MenuItemCopyBreakpoint = nullptr;
    QAction* MenuItemZoomLine = nullptr;
    QAction* MenuItemGotoEntry = nullptr;
    QAction* MenuItemShowParam = nullptr;
    QAction* MenuItemShowLocal = nullptr;
    std::array<QAction*, 7> GotoItems{};  // by GotoItem
};

}  // namespace lumorca::gui
