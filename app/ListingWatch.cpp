#include "app/ListingWatch.h"

#include <QApplication>

#include "analyzer/ListingLoader.h"
#include "app/ListingBar.h"
#include "app/ListingFile.h"
#include "app/ListingWatcher.h"
#include "options/LumorcaOptions.h"

namespace lumorca::gui {

namespace {

const QString PasteName = QStringLiteral("(Paste)");
// A file that a compiler still holds open may not be readable for a while.
constexpr int MaxUnreadableChecks = 10;

}  // namespace

TListingWatch::TListingWatch(QObject* owner, QWidget* barParent, THost host)
    : QObject(owner), host_(std::move(host)) {
    ListingWatcher = new TListingWatcher(this);
    connect(ListingWatcher, &TListingWatcher::Changed, this, &TListingWatch::ListingFileChanged);
    connect(ListingWatcher, &TListingWatcher::Removed, this, &TListingWatch::ListingFileRemoved);
    ListingBar = new TListingBar(host_.Txt, barParent);
    connect(ListingBar, &TListingBar::ReloadClicked, this, &TListingWatch::ReloadWanted);
}

void TListingWatch::Watch(const QString& fileName) {
    ListingBar->Dismiss();
    ListingUnreadableChecks = 0;
    if (fileName.isEmpty() || fileName == PasteName) {
        ListingWatcher->Stop();
    } else {
        ListingWatcher->Watch(fileName);
    }
}

bool TListingWatch::IsWatching() const {
    return ListingWatcher->IsWatching();
}

void TListingWatch::Retext() {
    ListingBar->Retext();
}

void TListingWatch::ListingFileChanged() {
    if (host_.Closing() || !host_.Shown()) return;
    // Never while a load runs: it lets events through, this one included.
    if (host_.Loading()) {
        ListingWatcher->CheckAgainLater();
        return;
    }
    const QString& fileName = ListingWatcher->Path();
    try {
        ReadListing(ListingFileSource(fileName), host_.Options().Language);
    } catch (const ENoCorvaneSource&) {
        // Half written, or the compiler failed: the shown analysis stays.
        ListingUnreadableChecks = 0;
        ListingBar->ShowChange(TListingBar::TKind::NotListing, fileName);
        return;
    } catch (...) {
        if (++ListingUnreadableChecks < MaxUnreadableChecks) {
            ListingWatcher->CheckAgainLater();
        } else {
            ListingBar->ShowChange(TListingBar::TKind::Unreadable, fileName);
        }
        return;
    }
    ListingUnreadableChecks = 0;
    if (!host_.Options().AutoReload) {
        ListingBar->ShowChange(TListingBar::TKind::Changed, fileName);
    } else if (QApplication::activeModalWidget() != nullptr) {
        // Not behind an open dialog's back; once it is closed.
        ListingWatcher->CheckAgainLater();
    } else {
        emit ReloadWanted();
    }
}

void TListingWatch::ListingFileRemoved() {
    if (host_.Shown()) ListingBar->ShowChange(TListingBar::TKind::Removed, ListingWatcher->Path());
}

}  // namespace lumorca::gui
