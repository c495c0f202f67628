#include "options/HList.h"

#include <QMenu>

#include "options/SettingsStore.h"

namespace lumorca {
namespace {

QString HistoryKey(int i) { return QStringLiteral("History") + QString::number(i); }

// An entry's number with its accelerator mark: "&1" to "&9", and "1&0" for
// the tenth, so that every digit opens one entry at once. Later numbers
// have no mark.
QString NumberCaption(int n) {
    constexpr int LastSingleDigit = 9;
    constexpr int Tenth = 10;
    if (n <= LastSingleDigit) return QStringLiteral("&") + QString::number(n);
    if (n == Tenth) return QStringLiteral("1&0");
    return QString::number(n);
}

}  // namespace

THistoryList::THistoryList(bool ignoreCase, QObject* parent) : QObject(parent), IgnoreCase_(ignoreCase) {
    connect(this, &THistoryList::EntriesChanged, this, [this] {
        RemoveMenuEntries();
        BuildMenuEntries();
    });
}

void THistoryList::Load(const QString& storeName, const QString& section) {
    auto store = CreateSettingsStore(UseRegistry_, storeName);
    Items_.clear();
    for (int i = 0; i < MaxCount_; ++i) {
        const QString name = store->ReadString(section, HistoryKey(i), QString());
        if (!name.isEmpty()) Items_.append(name);
    }
    emit EntriesChanged();
}

std::optional<QString> THistoryList::Save(const QString& storeName, const QString& section, int language) {
    auto store = CreateSettingsStore(UseRegistry_, storeName);
    for (int i = 0; i < Count(); ++i) store->WriteString(section, HistoryKey(i), Items_[i]);
    return store->Flush(language);
}

bool THistoryList::SameFile(const QString& a, const QString& b) const {
    return a.compare(b, IgnoreCase_ ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

void THistoryList::AddFile(const QString& name) {
    // The name may be one of our own entries, which the removal below destroys.
    const QString fileName = name;
    for (qsizetype i = 0; i < Items_.size(); ++i) {
        if (SameFile(Items_[i], fileName)) {
            Items_.removeAt(i);
            break;
        }
    }
    Items_.prepend(fileName);
    while (MaxCount_ >= 0 && Items_.size() > MaxCount_) Items_.removeLast();
    emit EntriesChanged();
}

void THistoryList::SetMenu(QMenu* menu) {
    RemoveMenuEntries();
    Menu = menu;
    BaseCount = menu != nullptr ? static_cast<int>(menu->actions().size()) : 0;
    BuildMenuEntries();
}

void THistoryList::RemoveMenuEntries() {
    if (Menu.isNull()) return;
    while (Menu->actions().size() > BaseCount) {
        QAction* last = Menu->actions().constLast();
        Menu->removeAction(last);
        // The clicked entry itself may be on the way out: its click loaded a file.
        if (last->parent() == Menu) last->deleteLater();
    }
}

void THistoryList::BuildMenuEntries() {
    if (Menu.isNull()) return;
    Menu->addSeparator();
    for (int i = 0; i < Count(); ++i) {
        // A "&" in a path is shown as itself, not as an accelerator mark.
        QString path = Items_[i];
        path.replace(u'&', QStringLiteral("&&"));
        QAction* item = Menu->addAction(NumberCaption(i + 1) + QStringLiteral(" ") + path);
        connect(item, &QAction::triggered, this, [this, item] { MenuItemClick(item); });
    }
}

void THistoryList::MenuItemClick(const QAction* item) {
    if (!OnFileClick) return;
    // The entry's number stands before the first blank, with its accelerator mark.
    const QString caption = item->text();
    const qsizetype blank = caption.indexOf(u' ');
    bool ok = false;
    const int n = caption.left(blank < 0 ? caption.size() : blank).remove(u'&').toInt(&ok);
    // A copy: loading the file reorders the entries.
    if (ok && n > 0 && n <= Count()) OnFileClick(Menu.data(), QString(Items_[n - 1]));
}

}  // namespace lumorca
