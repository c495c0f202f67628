#include "analyzer/ListingReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "analyzer/LineModel.h"
#include "analyzer/RegularFile.h"
#include "analyzer/TextEncoding.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

constexpr size_t kRecognitionLines = 5;

std::string WithFileName(std::string text, const std::string& fileName) {
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, fileName);
    return text;
}

bool IsTitleLine(std::string_view line) {
    return line.substr(0, 9) == "Trigger <" && UpperCase(NthWord(line, 3)) == "FROM";
}

}  // namespace

ENoCorvaneSource::ENoCorvaneSource(int language)
    : std::runtime_error(Text(TextNotListing, language)) {}

EFileNotReadable::EFileNotReadable(const std::string& fileName, int language)
    : std::runtime_error(WithFileName(Text(TextUnreadable, language), fileName)),
      fileName_(fileName),
      language_(language) {}

std::string EFileNotReadable::Utf8Message() const {
    return WithFileName(Latin1ToUtf8(Text(TextUnreadable, language_)), FileNameToUtf8(fileName_));
}

ListingLines SplitFileText(std::string_view bytes) {
    ListingLines lines;
    // Room for every line at once: no string is moved while the list grows.
    lines.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    size_t start = 0;
    const size_t size = bytes.size();
    while (start < size) {
        size_t end = start;
        while (end < size && bytes[end] != '\n' && bytes[end] != '\r') ++end;
        lines.emplace_back(bytes.substr(start, end - start));
        if (end < size && bytes[end] == '\r') {
            ++end;
            if (end < size && bytes[end] == '\n') ++end;
        } else if (end < size) {
            ++end;
        }
        start = end;
    }
    return lines;
}

ListingLines SplitClipboardText(std::string_view text) {
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    const bool hasCarriageReturn = text.find('\r') != std::string_view::npos;
    const char lineEnd = hasCarriageReturn ? '\r' : '\n';

    ListingLines lines;
    size_t pos = 0;
    do {
        size_t end = text.find(lineEnd, pos);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == lineEnd) ++pos;
        if (hasCarriageReturn && pos < text.size() && text[pos] == '\n') ++pos;
    } while (pos < text.size());
    return lines;
}

ListingLines ReadListingFile(const std::string& fileName, int language) {
    return ReadListingFile(FileNamePath(fileName), fileName, language);
}

ListingLines ReadListingFile(const std::filesystem::path& path, const std::string& fileName,
                             int language) {
    const std::optional<std::string> bytes = ReadRegularFile(path, kMaxListingFileBytes);
    if (!bytes) throw EFileNotReadable(fileName, language);
    return SplitFileText(*bytes);
}

bool IsCorvaneListing(const ListingLines& lines) {
    if (lines.size() < kRecognitionLines) return false;
    for (size_t i = 0; i < kRecognitionLines; ++i) {
        if (IsTitleLine(lines[i])) return true;
    }
    return false;
}

void CheckCorvaneListing(const ListingLines& lines, int language) {
    if (!IsCorvaneListing(lines)) throw ENoCorvaneSource(language);
}

bool IsDroppedEmptyLine(std::string_view line) {
    constexpr size_t kLastEmptyColumn = 14;
    if (line.size() > kLastEmptyColumn) return false;
    return line.empty() || static_cast<unsigned char>(line[0]) <= ' ';
}

std::string ListingComponentOf(const ListingLines& lines) {
    for (const std::string& line : lines) {
        if (line.find("Trigger") != std::string::npos) return NthWord(line, 5);
    }
    return {};
}

}  // namespace lumorca
