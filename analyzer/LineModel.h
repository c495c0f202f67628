#pragma once
// Line model of a listing: numbered lines, cleaned text, comments, tokens.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Listing.h"

namespace lumorca {

class TraceSink;

// One token of a statement: a view into the text its tokenizer keeps, valid
// until that tokenizer starts a new statement. A line marker is only ever
// made by the tokenizer for a physical line; listing text that looks like
// "##12" stays an ordinary token with Marker == -1.
struct Token {
    std::string_view Text;
    int32_t Marker = -1;  // line index for a line marker, else -1

    bool IsMarker() const { return Marker >= 0; }
};
using TokenList = std::vector<Token>;

bool IsListingLine(std::string_view text);
// Position (from 1) of the first ';' outside quotes, -1 if none.
int CommentStart(std::string_view text);
// Cleaned Proc text of a raw listing line.
std::string ListingLineText(std::string_view line, bool keepStars, bool upper);
// The same into `text`, whose buffer is reused line after line.
void ListingLineTextInto(std::string& text, std::string_view line, bool keepStars, bool upper);
inline bool IsIdentStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || c == '$'; }
inline bool IsIdentChar(unsigned char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '_';
}
// Line index of a marker token, -1 for any other token.
inline int32_t LineMarkerLine(const Token& token) { return token.Marker; }

// Turns lines into tokens. Keeps the one piece of state that survives from
// one line to the next: a string left open by a "%\" continuation. Keeps
// the text its tokens view too: the lines of the statement under way.
class Tokenizer {
public:
    explicit Tokenizer(TraceSink* trace = nullptr) : Trace(trace) {}
    // Whether the last line left a string open for the next one.
    bool InOpenString() const { return InOpenString_; }
    void Reset() { InOpenString_ = false; }
    // Appends a line marker and the tokens of text. An empty `tokens` starts
    // a new statement: the views of earlier statements end. `rawLine` is only
    // used for the token trace.
    void TokenizeLine(TokenList& tokens, std::string_view text, int32_t index,
                      bool stringContent, std::string_view rawLine = {});
    // A marker token for line `index` ("##" and the index).
    Token LineMarker(int32_t index);
    // A copy of text that lives as long as the tokens of this statement.
    std::string_view Keep(std::string_view text);

private:
    bool InOpenString_ = false;
    TraceSink* Trace;
    std::deque<std::string> texts_;  // a deque: growing moves no kept text
    size_t used_ = 0;                // texts_ of the statement under way

    std::string& NextText();
};

// What a structure's header line is, by its first words in any case.
enum HeaderKind : int {
    HeaderNone = 0,
    HeaderTrigger = 1,             // TRIGGER ...
    HeaderEntry = 2,               // ENTRY name
    HeaderOperation = 3,           // OPERATION name
    HeaderQualifiedOperation = 4,  // qualifier OPERATION name
};
int StructureLineKind(std::string_view text);
// An entry or an operation, qualified or not.
inline bool IsEntryOrOperationHeader(int kind) {
    return kind == HeaderEntry || kind == HeaderOperation || kind == HeaderQualifiedOperation;
}
// "entry" or "operation" in any case.
bool IsEntryOrOperationWord(std::string_view word);

struct StructureNameResult {
    std::string Name;
    int Kind = 0;
};
// Name and kind of a structure whose header is the raw listing line.
StructureNameResult HeaderName(std::string_view rawLine);

// The n-th word (from 1) of text, words separated by blanks and tabs.
std::string NthWord(std::string_view text, int n);
// The same word as a part of text.
std::string_view NthWordView(std::string_view text, int n);

inline bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// ASCII-only case changes (other bytes unchanged).
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
inline unsigned char UpperChar(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
inline unsigned char LowerChar(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
// Case-insensitive comparison as the sorts use it: lower-case, then bytes.
int CompareNoCase(std::string_view a, std::string_view b);

}  // namespace lumorca
