#pragma once
// The ten bookmarks of the source view, their menu items and tool bar
// buttons, and their places over a reload.
#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "analyzer/Analysis.h"
#include "analyzer/SourceJumps.h"
#include "app/SourceViewHost.h"

class QAction;
class QMenu;
class QToolBar;

namespace lumorca::gui {

class TSourceBookmarks : public QObject {
    Q_OBJECT
public:
    // What the bookmarks need from the view they mark.
    struct TViewHooks {
        // The current line; false while there is none to mark.
        std::function<bool(int32_t& structure, int32_t& line)> Here;
        std::function<void(int32_t structure, int32_t line)> Go;
        std::function<void()> Repaint;
    };
    struct TBookmarkPlace {
        int Slot;
        std::string Structure;
        int32_t Offset;  // lines below the structure's header
    };

    TSourceBookmarks(QObject* parent, const ListingLines& lines, const AnalysisResult& analysis,
                     TSourceViewHost& host, TViewHooks view);

    // The two submenus go into the pop-up; the items' shortcuts work on
    // `grid` (setting) and on `owner` (going to); the first bookmarks get
    // a button on `toolBar`.
    void CreateMenus(QMenu* popup);
    void ConnectCommands(QWidget* grid, QWidget* owner, QToolBar* toolBar);

    const TPositionList& Positions() const { return Bookmarks; }
    // The bookmark on that line, -1 for none.
    int SlotAt(int32_t structure, int32_t line) const;
    void Clear();
    void Retranslate();

    std::vector<TBookmarkPlace> BookmarkPlaces() const;
    void RestoreBookmarks(const std::vector<TBookmarkPlace>& places);
    void setBookMarkClick(int n);
    void gotoBookMarkClick(int n);
    void ToggleBookmark();

private:
    static constexpr int BookmarkCount = 10;
    // Bookmarks 0-2 also have a button on the source tool bar.
    static constexpr int BookmarkButtonCount = 3;
    void CreateBookmarkMenuItems();
    void setBookmarkMenuItem(int n, bool isSet);
    void UpdateBookmarkButton(int n, bool isSet, const QString& caption);

    const ListingLines& lines_;
    const AnalysisResult& analysis_;
    TSourceViewHost& host_;
    TViewHooks view_;
    QToolBar* ToolBarSource = nullptr;
    TPositionList Bookmarks{BookmarkCount};
    QMenu* MenuItemSetBookmark = nullptr;
    QMenu* MenuItemGotoBookmark = nullptr;
    std::array<QAction*, BookmarkCount> SetBookmarkItems{};
    std::array<QAction*, BookmarkCount> GotoBookmarkItems{};
    std::array<QAction*, BookmarkButtonCount> ToolButtonGotoBookmark{};
};

}  // namespace lumorca::gui
