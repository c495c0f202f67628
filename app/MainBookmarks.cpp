// The ten bookmarks of the source view.
#include <QAction>

#include "app/Main.h"
#include "app/SourceGrid.h"

namespace lumorca::gui {

void TMain::setBookMarkClick(int n) {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    // A bookmark set elsewhere moves here.
    if (!Bookmarks.SetPosition(n, CurrentStructure, CurrentLine())) return;
    setBookmarkMenuItem(n, true);
    SourceGrid->viewport()->update();
}

void TMain::gotoBookMarkClick(int n) {
    int32_t structure = -1;
    int32_t line = -1;
    if (Bookmarks.GetPosition(n, structure, line)) GotoPosition(structure, line, true);
}

void TMain::ToggleBookmark() {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    const int found = Bookmarks.FindPosition(CurrentStructure, CurrentLine());
    if (found >= 0) {
        Bookmarks.ClearPosition(found);
        setBookmarkMenuItem(found, false);
    } else {
        // With all ten in use nothing is stored.
        const int n = Bookmarks.AddPosition(CurrentStructure, CurrentLine());
        if (n >= 0) setBookmarkMenuItem(n, true);
    }
    SourceGrid->viewport()->update();
}

}  // namespace lumorca::gui
