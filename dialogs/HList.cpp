#include "dialogs/HList.h"

#include "options/SettingsStore.h"

namespace lumorca {
namespace {

QString HistoryKey(int i) { return QStringLiteral("History") + QString::number(i); }

}  // namespace

THistoryList::THistoryList(bool ignoreCase, QObject* parent) : QObject(parent), IgnoreCase_(ignoreCase) {}

void THistoryList::Load(const QString& storeName, const QString& section) {
    auto store = CreateSettingsStore(UseRegistry, storeName);
    Items_.clear();
    for (int i = 0; i < MaxCount; ++i) {
        const QString name = store->ReadString(section, HistoryKey(i), QString());
        if (!name.isEmpty()) Items_.append(name);
    }
    emit EntriesChanged();
}

std::optional<QString> THistoryList::Save(const QString& storeName, const QString& section, int language) {
    auto store = CreateSettingsStore(UseRegistry, storeName);
    for (int i = 0; i < Count(); ++i) store->WriteString(section, HistoryKey(i), Items_[i]);
    return store->Flush(language);
}

bool THistoryList::SameFile(const QString& a, const QString& b) const {
    return a.compare(b, IgnoreCase_ ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

void THistoryList::AddFile(const QString& fileName) {
    for (qsizetype i = 0; i < Items_.size(); ++i) {
        if (SameFile(Items_[i], fileName)) {
            Items_.removeAt(i);
            break;
        }
    }
    Items_.prepend(fileName);
    while (MaxCount >= 0 && Items_.size() > MaxCount) Items_.removeLast();
    emit EntriesChanged();
}

}  // namespace lumorca
