#include "options/IniStore.h"

#include <QFile>
#include <QSaveFile>

namespace lumorca {
namespace {

// Profile files are 8-bit text.
std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }

// Nothing when the file exists but cannot be read; a missing file is empty.
std::optional<IniFile> ReadFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.exists()) return IniFile();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return IniFile::Parse(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace

TIniStore::TIniStore(const QString& fileName)
    : FileName_(fileName), Document_(ReadFile(fileName).value_or(IniFile())) {}

QString TIniStore::ReadString(const QString& section, const QString& key, const QString& fallback) {
    const auto value = Document_.Value(Bytes(section), Bytes(key));
    return value ? QString::fromLatin1(*value) : fallback;
}

int TIniStore::ReadInteger(const QString& section, const QString& key, int fallback) {
    const auto value = Document_.Value(Bytes(section), Bytes(key));
    if (!value) return fallback;
    return ParseDecimal(QString::fromLatin1(*value)).value_or(fallback);
}

void TIniStore::Change(std::function<void(IniFile&)> change) {
    change(Document_);
    Pending_.push_back(std::move(change));
}

void TIniStore::WriteString(const QString& section, const QString& key, const QString& value) {
    Change([s = Bytes(section), k = Bytes(key), v = Bytes(value)](IniFile& ini) { ini.SetValue(s, k, v); });
}

void TIniStore::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

bool TIniStore::SectionExists(const QString& section) { return Document_.SectionHasKeys(Bytes(section)); }

void TIniStore::DeleteAll() {
    Change([](IniFile& ini) {
        for (const std::string& name : ini.Sections()) ini.RemoveSection(name);
    });
}

std::optional<QString> TIniStore::Flush(int language) {
    if (Pending_.empty()) return std::nullopt;
    // A file that is there but unreadable is not replaced by our keys alone.
    std::optional<IniFile> read = ReadFile(FileName_);
    if (!read) return SaveFailedMessage(FileName_, language);
    IniFile current = std::move(*read);
    for (const auto& change : Pending_) change(current);
    const std::string bytes = current.Serialize();

    QSaveFile file(FileName_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        // Keep the changes pending: a later Flush may still succeed.
        return SaveFailedMessage(FileName_, language);
    }
    Document_ = std::move(current);
    Pending_.clear();
    return std::nullopt;
}

QString IniFileNameFor(const QString& programPath) {
    const qsizetype slash = std::max(programPath.lastIndexOf(u'/'), programPath.lastIndexOf(u'\\'));
    const qsizetype dot = programPath.lastIndexOf(u'.');
    if (dot > slash) return programPath.left(dot) + QStringLiteral(".INI");
    return programPath + QStringLiteral(".INI");
}

}  // namespace lumorca
