#pragma once
// Watches the file of the shown listing. Compilers write a listing in steps,
// rename a new file over the old one, or delete and re-create it; the path
// stays watched through all of these, and a burst of changes is reported
// once, when the file has been quiet for a moment.
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace lumorca::gui {

class TListingWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultQuietMs = 500;

    explicit TListingWatcher(QObject* parent = nullptr);

    // Watches `path` from now on; what it was before counts as seen, unless
    // it is the path watched already.
    void Watch(const QString& path);
    void Stop();
    const QString& Path() const { return path_; }
    bool IsWatching() const { return !path_.isEmpty(); }
    // The file could not be dealt with yet (a load is running, a box is
    // open): report it again after another quiet time.
    void CheckAgainLater();
    void SetQuietTime(int ms) { quiet_.setInterval(ms); }

signals:
    // The file exists and has been quiet since its last change.
    void Changed(const QString& path);
    // The file is gone (deleted or renamed away).
    void Removed(const QString& path);

private:
    struct Stamp {
        bool Exists = false;
        qint64 Size = -1;
        QDateTime Modified;
        bool operator==(const Stamp&) const = default;
    };
    Stamp StampNow() const;
    void FileTouched();
    void DirectoryTouched();
    void Settle();
    void KeepWatchingFile();

    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QString path_;
    QString directory_;
    Stamp stamp_;  // as last reported
};

}  // namespace lumorca::gui
