#pragma once
// The recent-files list: full paths (or "(Paste)"), most recent first,
// stored in section "Files" as History0, History1, ...
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace lumorca {

// Whether two file names are the same file: Windows file names ignore case,
// elsewhere they do not.
#ifdef Q_OS_WIN
constexpr bool FileNamesIgnoreCase = true;
#else
constexpr bool FileNamesIgnoreCase = false;
#endif

class THistoryList : public QObject {
    Q_OBJECT
public:
    explicit THistoryList(bool ignoreCase = FileNamesIgnoreCase, QObject* parent = nullptr);

    qint32 MaxCount() const { return MaxCount_; }
    // Which store back-end Load and Save open.
    void SetUseRegistry(bool useRegistry) { UseRegistry_ = useRegistry; }

    const QStringList& Items() const { return Items_; }
    int Count() const { return static_cast<int>(Items_.size()); }
    const QString& operator[](int i) const { return Items_[i]; }

    // Replaces the entries with the non-empty keys History0 .. History<MaxCount-1>.
    void Load(const QString& storeName, const QString& section);
    // Writes History0 .. History<Count-1>; keys past the count stay as they are.
    // Returns a message for the user when the store could not be written.
    std::optional<QString> Save(const QString& storeName, const QString& section, int language);

    // Makes `fileName` the most recent entry, dropping an equal one and the
    // oldest past MaxCount.
    void AddFile(const QString& fileName);

    bool SameFile(const QString& a, const QString& b) const;

    // The menu whose sub-items show the entries, after the items it had when
    // attached: a separator, then "&1 path", "&2 path", ... "1&0 path".
    void SetMenu(QMenu* menu);
    // Called with the menu and the file when an entry's item is clicked.
    void SetOnFileClick(std::function<void(QObject* sender, const QString& fileName)> onFileClick) {
        OnFileClick = std::move(onFileClick);
    }

signals:
    // The entries changed; a menu showing them rebuilds itself.
    void EntriesChanged();

private:
    void RemoveMenuEntries();
    void BuildMenuEntries();
    void MenuItemClick(const QAction* item);

    bool IgnoreCase_;
    QStringList Items_;
    qint32 MaxCount_ = 10;
    bool UseRegistry_ = true;
    QPointer<QMenu> Menu;
    int BaseCount = 0;
    std::function<void(QObject* sender, const QString& fileName)> OnFileClick;
};

}  // namespace lumorca
