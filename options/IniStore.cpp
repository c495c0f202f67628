#include "options/IniStore.h"

#include <QSaveFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "analyzer/RegularFile.h"
#include "analyzer/TextEncoding.h"

namespace lumorca {
namespace {

// The document holds UTF-8; the file is Latin-1 unless something in it does
// not fit Latin-1.
std::string Bytes(const QString& text) { return text.toStdString(); }
QString FromBytes(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string DecodeFile(const std::string& bytes) {
    const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    return beyondAscii && IsValidUtf8(bytes) ? bytes : Latin1ToUtf8(bytes);
}

QByteArray EncodeFile(const std::string& utf8) {
    const QString text = FromBytes(utf8);
    const bool fitsLatin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    return fitsLatin1 ? text.toLatin1() : QByteArray(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Nothing when the file exists but cannot be read (not a regular file, too
// large, no access); a missing file is empty.
std::optional<IniFile> ReadFile(const QString& fileName) {
    const std::filesystem::path path(fileName.toStdU16String());
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::status(path, error))) return IniFile();
    const std::optional<std::string> bytes = ReadRegularFile(path, kMaxSettingsFileBytes);
    if (!bytes) return std::nullopt;
    return IniFile::Parse(DecodeFile(*bytes));
}

}  // namespace

TIniStore::TIniStore(const QString& fileName)
    : FileName_(fileName), Document_(ReadFile(fileName).value_or(IniFile())) {}

QString TIniStore::ReadString(const QString& section, const QString& key, const QString& fallback) {
    const auto value = Document_.Value(Bytes(section), Bytes(key));
    return value ? FromBytes(*value) : fallback;
}

int TIniStore::ReadInteger(const QString& section, const QString& key, int fallback) {
    const auto value = Document_.Value(Bytes(section), Bytes(key));
    if (!value) return fallback;
    return ParseDecimal(FromBytes(*value)).value_or(fallback);
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
    const QByteArray bytes = EncodeFile(current.Serialize());

    QSaveFile file(FileName_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
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
