#pragma once
// The shown listing's file on disk: noticing that it changed or went, and
// the bar above the source view that tells the user so. Reloading and
// keeping the user's place are the main window's.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace lumorca {
struct TLumorcaOptions;
}  // namespace lumorca

namespace lumorca::gui {

class TListingBar;
class TListingWatcher;

class TListingWatch : public QObject {
    Q_OBJECT
public:
    // What the watch asks the window it serves.
    struct THost {
        std::function<bool()> Shown;  // a listing is shown
        std::function<bool()> Closing;
        std::function<bool()> Loading;
        std::function<const TLumorcaOptions&()> Options;
        std::function<QString(int entry)> Txt;
    };
    // The bar is a child of `barParent`.
    TListingWatch(QObject* owner, QWidget* barParent, THost host);

    TListingBar* Bar() const { return ListingBar; }
    // Watches the file of the shown listing; a pasted one is not watched.
    void Watch(const QString& fileName);
    bool IsWatching() const;
    void Retext();

signals:
    // The file changed and should be read again (the user asked for it, or
    // the options say so).
    void ReloadWanted();

private:
    void ListingFileChanged();
    void ListingFileRemoved();

    THost host_;
    TListingWatcher* ListingWatcher = nullptr;
    TListingBar* ListingBar = nullptr;
    int ListingUnreadableChecks = 0;
};

}  // namespace lumorca::gui
