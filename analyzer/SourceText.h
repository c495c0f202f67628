#pragma once
// What the source view shows of a listing, without any drawing: the display
// text of a line, the rows a structure occupies, the header panel texts and
// the position list behind the jump history and the bookmarks.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/StructureRecord.h"

namespace lumorca {

// Indentation settings of the display text.
struct IndentSettings {
    bool AutoIndent = true;
    int Indent = 4;
};

// The visible character of a gold character code, 0 for any other byte.
char GoldCharacter(unsigned char code);
inline bool IsGoldCode(unsigned char code) { return GoldCharacter(code) != 0; }

// Nesting level of a raw listing line: -1 for a line that is not a numbered
// listing line, else the digit in character 8 (0 for a blank or any other
// character there).
int LineLevel(std::string_view rawLine);

// The listing's own line number of a raw line (its first six characters read
// as a decimal number), printed without leading blanks; empty when those
// characters are not a number.
std::string ListingLineNumber(std::string_view rawLine);
// The same as a number; false where the line has none.
bool ListingLineNumberValue(std::string_view rawLine, int32_t& value);

// True when the raw line, without trailing blanks and tabs, ends with "%\".
bool HasContinuationMark(std::string_view rawLine);

// Display text of lines[line]. Only stripContinuation can change the length
// between variants, so a character position in one variant addresses the
// same character in the others.
std::string GetSourceLineText(const ListingLines& lines, int32_t line, bool stripContinuation,
                              bool showGold, bool lowercase, const IndentSettings& indent);

// Index of the last structure starting at or before line; -1 when there is
// none.
int32_t StructureOfLine(const StructureStartList& starts, int32_t line);

// The rows the source view shows for one structure.
struct StructureView {
    int32_t TopLine = 0;
    int32_t EndLine = -1;
    int32_t LeadInRows = 0;
    bool IsEntry = false;      // an entry or operation: the call-site menu is offered
    std::string EntryName;     // its name (word 3 of the header) in lower case
    int32_t RowCount() const { return EndLine - TopLine + 1 > 0 ? EndLine - TopLine + 1 : 0; }
};
StructureView ComputeStructureView(const ListingLines& lines, const StructureList& structures,
                                   int32_t structure, const IndentSettings& indent);

// Texts of the header panel above the source view and the window caption.
struct TriggerInfo {
    std::string Caption;
    std::string TriggerName;
    std::string FromLabel;
    std::string FromName;
    std::string EntryLabel;
    std::string EntryName;
    bool FromVisible = true;
    bool EntryVisible = false;
};
TriggerInfo ComputeTriggerInfo(const ListingLines& lines, const StructureStartList& starts,
                               int32_t structure);

// Slots of positions (structure index, line), each empty or a key "s/l".
class TPositionList {
public:
    explicit TPositionList(int32_t maxCount = 0) : MaxCount(maxCount) {}

    int32_t MaxCount = 0;  // largest number of slots, 0 = no limit

    static std::string PositionKey(int32_t structure, int32_t line);
    int AddPosition(int32_t structure, int32_t line);
    bool SetPosition(int index, int32_t structure, int32_t line);
    int FindPosition(int32_t structure, int32_t line) const;
    bool GetPosition(int index, int32_t& structure, int32_t& line) const;
    bool PopPosition(int32_t& structure, int32_t& line);
    void ClearPosition(int index);

    int Count() const { return static_cast<int>(slots_.size()); }
    const std::string& Slot(int index) const { return slots_.at(static_cast<size_t>(index)); }
    void Clear() { slots_.clear(); }

private:
    std::vector<std::string> slots_;
};

}  // namespace lumorca
