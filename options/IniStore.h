#pragma once
// Settings in a plain INI file. Writes are collected and applied to the file
// as it is on disk at Flush, so another store object that wrote the same file
// in between (the recent-files list) keeps its keys. The file is replaced
// whole, never left half-written.
#include "options/IniFile.h"
#include "options/SettingsStore.h"

#include <functional>
#include <vector>

namespace lumorca {

class TIniStore : public TSettingsStore {
public:
    explicit TIniStore(const QString& fileName);

    QString ReadString(const QString& section, const QString& key, const QString& fallback) override;
    int ReadInteger(const QString& section, const QString& key, int fallback) override;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    void WriteInteger(const QString& section, const QString& key, int value) override;
    bool SectionExists(const QString& section) override;
    void DeleteAll() override;
    std::optional<QString> Flush(int language) override;

private:
    void Change(std::function<void(IniFile&)> change);

    QString FileName_;
    IniFile Document_;
    std::vector<std::function<void(IniFile&)>> Pending_;
};

// The program file's path with its extension replaced by ".INI" (appended
// when the file name has none).
QString IniFileNameFor(const QString& programPath);

}  // namespace lumorca
