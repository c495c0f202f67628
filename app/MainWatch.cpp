// The shown listing's file on disk: noticing that it changed, offering to
// reload it (or reloading it by itself) and keeping the user's place.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QScrollBar>
#include <QTreeView>

#include "analyzer/ListingLoader.h"
#include "analyzer/XRefTree.h"
#include "app/ListingBar.h"
#include "app/ListingFile.h"
#include "app/ListingWatcher.h"
#include "app/CallWindow.h"
#include "app/XRefWindow.h"
#include "app/Main.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"

namespace lumorca::gui {

namespace {

const QString PasteName = QStringLiteral("(Paste)");
// A file that a compiler still holds open may not be readable for a while.
constexpr int MaxUnreadableChecks = 10;

}  // namespace

// Where the user is, by names that survive a new analysis.
struct TListingPlace {
    int TopRow = 0;
    std::vector<std::string> XRefPath;  // captions below the root
    QString CallEntry;
    std::vector<TSourceView::TBookmarkPlace> Bookmarks;
};

void TMain::CreateListingWatch() {
    ListingWatcher = new TListingWatcher(this);
    connect(ListingWatcher, &TListingWatcher::Changed, this, &TMain::ListingFileChanged);
    connect(ListingWatcher, &TListingWatcher::Removed, this, &TMain::ListingFileRemoved);
    ListingBar = new TListingBar([this](int entry) { return Txt(entry); }, SourcePart->Client());
    connect(ListingBar, &TListingBar::ReloadClicked, this, &TMain::ReloadChangedListing);
    connect(ListingBar, &TListingBar::ShownChanged, SourcePart, &TSourceView::ResizeSourceGridCols);
}

void TMain::WatchListing() {
    ListingBar->Dismiss();
    ListingUnreadableChecks = 0;
    if (ListingFileName.isEmpty() || ListingFileName == PasteName) {
        ListingWatcher->Stop();
    } else {
        ListingWatcher->Watch(ListingFileName);
    }
}

void TMain::ListingFileChanged() {
    if (Closing || !HasListing()) return;
    // Never while a load runs: it lets events through, this one included.
    if (Loading) {
        ListingWatcher->CheckAgainLater();
        return;
    }
    const int language = Options().Language;
    try {
        ReadListing(ListingFileSource(ListingFileName), language);
    } catch (const ENoCorvaneSource&) {
        // Half written, or the compiler failed: the shown analysis stays.
        ListingUnreadableChecks = 0;
        ListingBar->ShowChange(TListingBar::TKind::NotListing, ListingFileName);
        return;
    } catch (...) {
        if (++ListingUnreadableChecks < MaxUnreadableChecks) {
            ListingWatcher->CheckAgainLater();
        } else {
            ListingBar->ShowChange(TListingBar::TKind::Unreadable, ListingFileName);
        }
        return;
    }
    ListingUnreadableChecks = 0;
    if (!Options().AutoReload) {
        ListingBar->ShowChange(TListingBar::TKind::Changed, ListingFileName);
    } else if (QApplication::activeModalWidget() != nullptr) {
        // Not behind an open dialog's back; once it is closed.
        ListingWatcher->CheckAgainLater();
    } else {
        ReloadChangedListing();
    }
}

void TMain::ListingFileRemoved() {
    if (HasListing()) ListingBar->ShowChange(TListingBar::TKind::Removed, ListingFileName);
}

void TMain::ReloadChangedListing() {
    if (Loading || !HasListing() || !ListingWatcher->IsWatching()) return;
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
        place.XRefPath.insert(place.XRefPath.begin(), symbol->Caption);

    place.CallEntry = CallPart->CurrentEntry();

    place.Bookmarks = SourcePart->BookmarkPlaces();
    return place;
}

void TMain::RestorePlace(const TListingPlace& place) {
    SourcePart->RestoreBookmarks(place.Bookmarks);

    if (!place.XRefPath.empty()) {
        if (TreeNode* symbol = FindXRefNode(Analysis.XRef, place.XRefPath)) {
            XRefPart->Reveal(symbol, TXRefWindow::TOpen::Nothing);
        }
    }

    CallPart->SelectEntry(place.CallEntry);

    // The structure and row last: the selections above must not move them.
    if (GotoLastAccess()) SourcePart->RestoreTopRow(place.TopRow);
    SourcePart->Grid()->viewport()->update();
}

}  // namespace lumorca::gui
