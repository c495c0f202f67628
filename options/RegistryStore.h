#pragma once
// The per-user store of the platform through QSettings' native format: on
// Windows the registry key HKEY_CURRENT_USER\Software\<name>.
#include "options/SettingsStore.h"

#include <QSettings>

#include <optional>
#include <string>

namespace lumorca {

class TRegistryStore : public TSettingsStore {
public:
    // `storeName` is "Software\<name>"; <name> becomes the organisation.
    explicit TRegistryStore(const QString& storeName);

    QString ReadString(const QString& section, const QString& key, const QString& fallback) override;
    int ReadInteger(const QString& section, const QString& key, int fallback) override;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    void WriteInteger(const QString& section, const QString& key, int value) override;
    bool SectionExists(const QString& section) override;
    void DeleteAll() override;
    std::optional<QString> Flush(int language) override;

private:
    QString StoreName_;
    QSettings Settings_;
    // What the store's file held when it could not be parsed, so a later
    // write can be told from a failed one.
    std::optional<std::string> UnparsedBytes_;
};

}  // namespace lumorca
