#pragma once
// The settings store: sections of keys with typed reads that fall back to a
// default, and typed writes. Two back-ends: the platform's per-user store and
// an INI file beside the program.
#include <QString>

#include <memory>
#include <optional>

namespace lumorca {

// The per-user store's name; on Windows this is the key under HKEY_CURRENT_USER.
inline const QString RegistryStoreName = QStringLiteral("Software\\Lumorca");

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;

    virtual QString ReadString(const QString& section, const QString& key, const QString& fallback) = 0;
    // Number values, or decimal text; anything else gives the fallback.
    virtual int ReadInteger(const QString& section, const QString& key, int fallback) = 0;
    bool ReadBool(const QString& section, const QString& key, bool fallback);

    virtual void WriteString(const QString& section, const QString& key, const QString& value) = 0;
    virtual void WriteInteger(const QString& section, const QString& key, int value) = 0;
    void WriteBool(const QString& section, const QString& key, bool value);

    // A section exists when it holds at least one key.
    virtual bool SectionExists(const QString& section) = 0;
    // Removes every section and key of the store.
    virtual void DeleteAll() = 0;

    // Makes the writes permanent. On failure returns a message for the user
    // (in the given language) naming the store; nothing otherwise.
    virtual std::optional<QString> Flush(int language) = 0;
};

// Opens the per-user store (store name "Software\<name>") or the INI file
// of that path.
std::unique_ptr<TSettingsStore> CreateSettingsStore(bool useRegistry, const QString& storeName);

// Decimal text of a signed 32-bit number, blanks allowed around it.
std::optional<int> ParseDecimal(const QString& text);

// The message shown when settings could not be written to `storeName`.
QString SaveFailedMessage(const QString& storeName, int language);

}  // namespace lumorca
