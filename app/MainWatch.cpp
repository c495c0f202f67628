// Reloading the shown listing when its file changed, and keeping the
// user's place over it.
#include <QScrollBar>
#include <QTreeView>

#include "analyzer/XRefTree.h"
#include "app/ListingBar.h"
#include "app/ListingWatch.h"
#include "app/CallWindow.h"
#include "app/XRefWindow.h"
#include "app/Main.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"

namespace lumorca::gui {

// Where the user is, by names that survive a new analysis.
struct TListingPlace {
    int TopRow = 0;
    std::vector<std::string> XRefPath;  // captions below the root
    QString CallEntry;
    std::vector<TSourceView::TBookmarkPlace> Bookmarks;
};

void TMain::CreateListingWatch() {
    const TListingWatch::THost host{[this] { return HasListing(); }, [this] { return Closing; },
                                    [this] { return Loading; },
                                    [this]() -> const TLumorcaOptions& { return Options(); },
                                    [this](int entry) { return Txt(entry); }};
    Watch = new TListingWatch(this, SourcePart->Client(), host);
    connect(Watch, &TListingWatch::ReloadWanted, this, &TMain::ReloadChangedListing);
    connect(Watch->Bar(), &TListingBar::ShownChanged, SourcePart, &TSourceView::ResizeSourceGridCols);
}

void TMain::ReloadChangedListing() {
    if (Loading || !HasListing() || !Watch->IsWatching()) return;
    const TListingPlace place = RememberPlace();
    const QString name = ListingFileName;
    LoadFile(name, false);
    if (HasListing() && ListingFileName == name) RestorePlace(place);
}

TListingPlace TMain::RememberPlace() const {
    TListingPlace place;
    place.TopRow = SourcePart->Grid()->TopRow();

    const TreeNode* symbol = XRefPart->CurrentNode();
    // A reference's line number moves with the text; its symbol stays.
    if (symbol != nullptr && symbol->Level() >= 2 && symbol->Children.empty() && symbol->HasRecord)
        symbol = symbol->Parent;
    for (; symbol != nullptr && symbol->Parent != nullptr; symbol = symbol->Parent)
        place.XRefPath.insert(place.XRefPath.begin(), XRefCaption(*symbol, OptionWin->Options().Language));

    place.CallEntry = CallPart->CurrentEntry();

    place.Bookmarks = SourcePart->BookmarkPlaces();
    return place;
}

void TMain::RestorePlace(const TListingPlace& place) {
    SourcePart->RestoreBookmarks(place.Bookmarks);

    if (!place.XRefPath.empty()) {
        if (TreeNode* symbol = FindXRefNode(Analysis.XRef, place.XRefPath, Options().Language)) {
            XRefPart->Reveal(symbol, TXRefWindow::TOpen::Nothing);
        }
    }

    CallPart->SelectEntry(place.CallEntry);

    // The structure and row last: the selections above must not move them.
    if (GotoLastAccess()) SourcePart->RestoreTopRow(place.TopRow);
    SourcePart->Grid()->viewport()->update();
}

}  // namespace lumorca::gui
