#pragma once
// Getting a listing's lines from a file or from pasted text, and telling
// whether the text is a compiler listing at all.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "analyzer/Listing.h"

namespace lumorca {

// The text is not a compiler listing. The message is the language's text
// for it.
class ENoCorvaneSource : public std::runtime_error {
public:
    explicit ENoCorvaneSource(int language);
};

// The file could not be used: missing, not a regular file, no access, or
// larger than a listing can be.
// The message names the file in the chosen language.
class EFileNotReadable : public std::runtime_error {
public:
    EFileNotReadable(const std::string& fileName, int language);
    const std::string& FileName() const { return fileName_; }
    // what() holds the Latin-1 text and the file name's own bytes; this is
    // the same message with each part turned into UTF-8 once.
    std::string Utf8Message() const;

private:
    std::string fileName_;
    int language_;
};

// A file's bytes as lines: breaks are LF, CR LF or a lone CR; a break at the
// very end adds no empty line, so an empty file has no lines.
ListingLines SplitFileText(std::string_view bytes);

// Pasted text as lines. Text holding a CR breaks at CR, skipping one LF
// right after it, and keeps a lone LF inside its line; text without any CR
// breaks at LF. The text ends at its first NUL. A break at the end adds no
// empty line; an empty text is one empty line.
ListingLines SplitClipboardText(std::string_view text);

// Reads a whole regular file as bytes and splits it. Throws EFileNotReadable.
ListingLines ReadListingFile(const std::string& fileName, int language);
// The same for a path that a narrow string cannot hold (wide names on
// Windows); the error names the file as `fileName` spells it.
ListingLines ReadListingFile(const std::filesystem::path& path, const std::string& fileName,
                             int language);

// At least 5 lines, and one of the first five is a trigger title line:
// it begins with "Trigger <" and its third word is FROM in any case.
bool IsCorvaneListing(const ListingLines& lines);
// Throws ENoCorvaneSource unless IsCorvaneListing.
void CheckCorvaneListing(const ListingLines& lines, int language);

// True for a line that the analysis drops when IgnoreEmptyLines is on:
// nothing beyond column 14, and a blank or control character (or nothing)
// first.
bool IsDroppedEmptyLine(std::string_view line);

// Component name for captions and file names: the fifth word of the first
// line containing "Trigger"; empty when there is no such line or word.
std::string ListingComponentOf(const ListingLines& lines);

}  // namespace lumorca
