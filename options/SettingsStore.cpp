#include "options/SettingsStore.h"

#include "options/IniStore.h"
#include "options/RegistryStore.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

#include <limits>

namespace lumorca {

bool TSettingsStore::ReadBool(const QString& section, const QString& key, bool fallback) {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TSettingsStore::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::unique_ptr<TSettingsStore> CreateSettingsStore(bool useRegistry, const QString& storeName) {
    if (useRegistry) return std::make_unique<TRegistryStore>(storeName);
    return std::make_unique<TIniStore>(storeName);
}

std::optional<int> ParseDecimal(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negative = t[i++] == u'-';
    if (i == t.size()) return std::nullopt;
    long long value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(value);
}

QString SaveFailedMessage(const QString& storeName, int language) {
    QString text = QString::fromLatin1(Text(TextSettingsNotSaved, language));
    text.replace(QStringLiteral("%s"), storeName);
    return text;
}

}  // namespace lumorca
