#include "options/RegistryStore.h"

#include <filesystem>

#include "analyzer/RegularFile.h"

namespace lumorca {
namespace {

QString OrganizationOf(const QString& storeName) {
    const QString prefix = QStringLiteral("Software\\");
    return storeName.startsWith(prefix, Qt::CaseInsensitive) ? storeName.mid(prefix.size()) : storeName;
}

QString Path(const QString& section, const QString& key) { return section + u'/' + key; }

// Where the store is a file, its bytes.
std::optional<std::string> FileBytes(const QString& fileName) {
    return ReadRegularFile(std::filesystem::path(fileName.toStdU16String()), kMaxSettingsFileBytes);
}

}  // namespace

// No application name: on Windows the values then live directly under
// Software\<organisation>\<section>.
TRegistryStore::TRegistryStore(const QString& storeName)
    : StoreName_(storeName),
      Settings_(QSettings::NativeFormat, QSettings::UserScope, OrganizationOf(storeName)) {
    // Only the user's own settings: no machine-wide values read through.
    Settings_.setFallbacksEnabled(false);
    if (Settings_.status() == QSettings::FormatError) UnparsedBytes_ = FileBytes(Settings_.fileName());
}

QString TRegistryStore::ReadString(const QString& section, const QString& key, const QString& fallback) {
    const QVariant value = Settings_.value(Path(section, key));
    return value.isValid() ? value.toString() : fallback;
}

int TRegistryStore::ReadInteger(const QString& section, const QString& key, int fallback) {
    const QVariant value = Settings_.value(Path(section, key));
    if (!value.isValid()) return fallback;
    if (value.typeId() == QMetaType::QString) return ParseDecimal(value.toString()).value_or(fallback);
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : fallback;
}

void TRegistryStore::WriteString(const QString& section, const QString& key, const QString& value) {
    Settings_.setValue(Path(section, key), value);
}

void TRegistryStore::WriteInteger(const QString& section, const QString& key, int value) {
    // A value stored as text stays text, so an older string value is not
    // turned into a number behind the user's back.
    const QVariant old = Settings_.value(Path(section, key));
    if (old.isValid() && old.typeId() == QMetaType::QString)
        Settings_.setValue(Path(section, key), QString::number(value));
    else
        Settings_.setValue(Path(section, key), value);
}

bool TRegistryStore::SectionExists(const QString& section) {
    Settings_.beginGroup(section);
    const bool hasKeys = !Settings_.childKeys().isEmpty();
    Settings_.endGroup();
    return hasKeys;
}

void TRegistryStore::DeleteAll() { Settings_.clear(); }

std::optional<QString> TRegistryStore::Flush(int language) {
    Settings_.sync();
    switch (Settings_.status()) {
        case QSettings::NoError:
            return std::nullopt;
        case QSettings::FormatError:
            // The first error sticks: a store that could not be parsed when
            // it was read says so even after the write replaced it.
            if (FileBytes(Settings_.fileName()) != UnparsedBytes_) return std::nullopt;
            return SaveFailedMessage(StoreName_, language);
        default:
            return SaveFailedMessage(StoreName_, language);
    }
}

}  // namespace lumorca
