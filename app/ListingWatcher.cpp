#include "app/ListingWatcher.h"

#include <QFileInfo>

namespace lumorca::gui {

TListingWatcher::TListingWatcher(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(DefaultQuietMs);
    connect(&quiet_, &QTimer::timeout, this, &TListingWatcher::Settle);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &TListingWatcher::FileTouched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &TListingWatcher::DirectoryTouched);
}

void TListingWatcher::Watch(const QString& path) {
    const QFileInfo info(path);
    // The same file read again: a change that came while it was being read
    // is still to be reported.
    if (info.absoluteFilePath() == path_) {
        KeepWatchingFile();
        return;
    }
    Stop();
    path_ = info.absoluteFilePath();
    directory_ = info.absolutePath();
    stamp_ = StampNow();
    // The folder tells when a file is renamed over ours or the file comes
    // back after a delete; the file itself tells about writes in place.
    watcher_.addPath(directory_);
    KeepWatchingFile();
}

void TListingWatcher::Stop() {
    quiet_.stop();
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    path_.clear();
    directory_.clear();
    stamp_ = Stamp();
}

void TListingWatcher::CheckAgainLater() {
    if (IsWatching()) quiet_.start();
}

TListingWatcher::Stamp TListingWatcher::StampNow() const {
    const QFileInfo info(path_);
    if (!info.exists()) return {};
    return {true, info.size(), info.lastModified()};
}

void TListingWatcher::KeepWatchingFile() {
    // A file that was replaced or deleted is dropped from the watch list.
    if (!watcher_.files().contains(path_) && QFileInfo(path_).isFile()) watcher_.addPath(path_);
}

void TListingWatcher::FileTouched() {
    if (!IsWatching()) return;
    KeepWatchingFile();
    quiet_.start();
}

void TListingWatcher::DirectoryTouched() {
    if (!IsWatching()) return;
    // Other files of the folder come and go without concern to us.
    const bool lost = !watcher_.files().contains(path_);
    if (!lost && StampNow() == stamp_) return;
    KeepWatchingFile();
    quiet_.start();
}

void TListingWatcher::Settle() {
    if (!IsWatching()) return;
    KeepWatchingFile();
    const Stamp now = StampNow();
    const bool wasThere = stamp_.Exists;
    stamp_ = now;
    if (now.Exists) {
        emit Changed(path_);
    } else if (wasThere) {
        emit Removed(path_);
    }
}

}  // namespace lumorca::gui
