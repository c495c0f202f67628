#include "analyzer/LineModel.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "analyzer/Trace.h"

namespace lumorca {

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsListingLine(std::string_view text) {
    if (text.size() < 12) return false;
    for (size_t i = 0; i < 12; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c != ' ' && c != '-' && !IsDigit(c)) return false;
    }
    return true;
}

namespace {

// Byte tables for the loops that see every character of a listing.
struct CharTables {
    bool Special[256] = {};     // ';' and the quotes
    bool NumberColumn[256] = {};  // what the number columns of a listing line hold
    bool IdentChar[256] = {};
    char Cleaned[256] = {};     // control characters as blanks
    char CleanedUpper[256] = {};  // the same, upper-cased

    CharTables() {
        for (int c = 0; c < 256; ++c) {
            const unsigned char u = static_cast<unsigned char>(c);
            Cleaned[c] = u < ' ' ? ' ' : static_cast<char>(u);
            CleanedUpper[c] = u < ' ' ? ' ' : static_cast<char>(UpperChar(u));
            NumberColumn[c] = u <= ' ' || u == '-' || IsDigit(u);
            IdentChar[c] = IsIdentChar(u);
        }
        Special[static_cast<unsigned char>(';')] = true;
        Special[static_cast<unsigned char>('"')] = true;
        Special[static_cast<unsigned char>('\'')] = true;
    }
};

const CharTables& Tables() {
    static const CharTables tables;
    return tables;
}

}  // namespace

int CommentStart(std::string_view text) {
    // Most lines have no ';' at all: then the quotes need no reading.
    if (text.empty() || std::memchr(text.data(), ';', text.size()) == nullptr) return -1;
    const bool* special = Tables().Special;
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!special[static_cast<unsigned char>(c)]) continue;
        if (c == ';' && quote == 0) return static_cast<int>(i) + 1;
        if (c == quote) {
            quote = 0;
        } else if (c == '"' || c == '\'') {
            // A quote of the other kind inside a quoted run replaces the open one.
            quote = c;
        }
    }
    return -1;
}

std::string ListingLineText(std::string_view line, bool keepStars, bool upper) {
    std::string text;
    ListingLineTextInto(text, line, keepStars, upper);
    return text;
}

void ListingLineTextInto(std::string& text, std::string_view line, bool keepStars, bool upper) {
    // Control characters read as blanks; neither they nor the case change
    // where a comment starts, so all is decided on the line as it stands
    // and the result is written once.
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const int comment = CommentStart(line);
    size_t end = comment > 1 ? static_cast<size_t>(comment - 1) : line.size();
    const bool* numberColumn = Tables().NumberColumn;
    bool numbered = end >= 12;
    for (size_t i = 0; numbered && i < 12; ++i) numbered = numberColumn[static_cast<unsigned char>(line[i])];
    const bool stars = !keepStars && line.substr(0, std::min<size_t>(end, 6)) == "******";
    const size_t start = numbered || stars ? std::min<size_t>(14, end) : 0;
    while (end > start && blank(line[end - 1])) --end;
    text.resize(end - start);
    char* out = text.data();
    const char* map = upper ? Tables().CleanedUpper : Tables().Cleaned;
    for (size_t i = start; i < end; ++i) *out++ = map[static_cast<unsigned char>(line[i])];
}

std::string& Tokenizer::NextText() {
    if (used_ == texts_.size()) texts_.emplace_back();
    return texts_[used_++];
}

std::string_view Tokenizer::Keep(std::string_view text) {
    std::string& kept = NextText();
    kept.assign(text);
    return kept;
}

namespace {

// "##" and the index; returns the length.
size_t WriteLineMarker(char (&digits)[16], int32_t index) {
    digits[0] = '#';
    digits[1] = '#';
    return static_cast<size_t>(std::to_chars(digits + 2, digits + sizeof digits, index).ptr - digits);
}

}  // namespace

Token Tokenizer::LineMarker(int32_t index) {
    char digits[16];
    return Token{Keep(std::string_view(digits, WriteLineMarker(digits, index))), index};
}

void Tokenizer::TokenizeLine(TokenList& tokens, std::string_view textIn, int32_t index,
                             bool stringContent, std::string_view rawLine) {
    if (tokens.empty()) used_ = 0;
    std::string_view open;  // the string the previous line left open
    if (InOpenString_ && !stringContent && !tokens.empty() && !tokens.back().IsMarker()) {
        open = tokens.back().Text;
        tokens.pop_back();
        if (!open.empty() && open.back() == '"') open.remove_suffix(1);
    }
    if (!stringContent) InOpenString_ = false;
    // The marker's text and the line's in one kept text.
    char digits[16];
    const size_t markerLength = WriteLineMarker(digits, index);
    std::string& kept = NextText();
    kept.resize(markerLength + open.size() + textIn.size());
    char* out = kept.data();
    std::memcpy(out, digits, markerLength);
    if (!open.empty()) std::memcpy(out + markerLength, open.data(), open.size());
    if (!textIn.empty()) std::memcpy(out + markerLength + open.size(), textIn.data(), textIn.size());
    const std::string_view both = kept;
    const std::string_view text = both.substr(markerLength);
    const size_t firstToken = tokens.size();
    tokens.push_back(Token{both.substr(0, markerLength), index});

    const bool* identChar = Tables().IdentChar;
    const size_t n = text.size();
    size_t pos = 0;
    while (pos < n) {
        while (pos + 1 < n && text[pos] == ' ') ++pos;
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        const size_t start = pos;
        bool closeQuote = false;
        if (IsIdentStart(c)) {
            ++pos;
            while (pos < n && identChar[static_cast<unsigned char>(text[pos])]) {
                const char ch = text[pos++];
                if (stringContent && ch == '$' && pos - start > 2) break;
            }
        } else if ((c == '"' || c == '\'') && !stringContent) {
            ++pos;
            while (pos < n && static_cast<unsigned char>(text[pos]) != c) ++pos;
            if (pos < n) {
                ++pos;  // the closing quote
            } else {
                // An open string is closed in the token all the same.
                closeQuote = true;
                if (c == '"') InOpenString_ = true;
            }
        } else if (c == '%' && stringContent) {
            while (pos < n && text[pos] == '%') ++pos;
            if (pos - start == 5) pos = start + 3;  // "%%%%%" is "%%%" then "%%"
        } else if (c == '(' || c == ')') {
            ++pos;
        } else if (c == '-' || IsDigit(c)) {
            ++pos;
            while (pos < n && (IsDigit(static_cast<unsigned char>(text[pos])) || text[pos] == '.' ||
                               text[pos] == ',')) {
                ++pos;
            }
        } else {
            ++pos;
            while (pos < n) {
                const unsigned char d = static_cast<unsigned char>(text[pos]);
                if (d == ' ' || IsIdentStart(d) || d == '(' || d == ')') break;
                if (!stringContent && (d == '"' || d == '\'')) break;
                if (stringContent && d == '%') break;
                ++pos;
            }
        }
        const std::string_view word = text.substr(start, pos - start);
        if (closeQuote) {
            std::string& closed = NextText();
            closed.assign(word);
            closed.push_back(static_cast<char>(c));
            tokens.push_back(Token{closed, -1});
        } else {
            tokens.push_back(Token{word, -1});
        }
    }

    // A trailing "%\" becomes a token of its own.
    Token& last = tokens.back();
    if (!last.IsMarker()) {
        size_t len = last.Text.size();
        if (InOpenString_ && len > 0) --len;
        if (len > 2 && last.Text.substr(len - 2, 2) == "%\\") {
            if (len == last.Text.size()) {
                last.Text.remove_suffix(2);
            } else {
                // The quote that closes the open string stays behind the text.
                std::string& cut = NextText();
                cut.assign(last.Text.substr(0, len - 2));
                cut.append(last.Text.substr(len));
                last.Text = cut;
            }
            tokens.push_back(Token{"%\\", -1});
        }
    }
    // A string stays open across lines only through an explicit continuation.
    if (InOpenString_ && tokens.back().Text != "%\\") InOpenString_ = false;

    if (!stringContent && TraceAt(Trace, 4)) {
        Trace->SetVisible(true);
        Trace->Clear();
        Trace->Line("--->Zeile" + std::to_string(index));
        Trace->Line(std::string(rawLine));
        Trace->Line("[" + std::to_string(index) + "] " + std::to_string(tokens.size() - firstToken));
        for (size_t i = firstToken; i < tokens.size(); ++i) {
            Trace->Line(std::to_string(i - firstToken) + "-->" + std::string(tokens[i].Text));
        }
    }
}

int StructureLineKind(std::string_view textIn) {
    const std::string text = UpperCase(textIn);
    if (text.compare(0, 7, "TRIGGER") == 0) return HeaderTrigger;
    if (text.compare(0, 5, "ENTRY") == 0) return HeaderEntry;
    if (text.compare(0, 9, "OPERATION") == 0) return HeaderOperation;
    if (NthWord(text, 2) == "OPERATION") return HeaderQualifiedOperation;
    return HeaderNone;
}

bool IsEntryOrOperationWord(std::string_view word) {
    const std::string lower = LowerCase(word);
    return lower == "entry" || lower == "operation";
}

StructureNameResult HeaderName(std::string_view rawLine) {
    StructureNameResult result;
    std::string name = ListingLineText(rawLine, false, false);
    result.Kind = StructureLineKind(name);
    if (result.Kind == HeaderTrigger) {
        name.erase(0, std::min<size_t>(8, name.size()));
    } else if (result.Kind == HeaderQualifiedOperation) {
        // Drop the qualifier word in front of OPERATION.
        size_t p = 0;
        while (p < name.size() && IsBlankOrTab(name[p])) ++p;
        while (p < name.size() && !IsBlankOrTab(name[p])) ++p;
        while (p < name.size() && IsBlankOrTab(name[p])) ++p;
        name.erase(0, p);
    }
    result.Name = std::move(name);
    return result;
}

std::string NthWord(std::string_view text, int n) { return std::string(NthWordView(text, n)); }

std::string_view NthWordView(std::string_view text, int n) {
    int word = 0;
    size_t p = 0;
    while (p < text.size()) {
        while (p < text.size() && IsBlankOrTab(text[p])) ++p;
        if (p >= text.size()) break;
        const size_t start = p;
        while (p < text.size() && !IsBlankOrTab(text[p])) ++p;
        if (++word == n) return text.substr(start, p - start);
    }
    return {};
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(UpperChar(static_cast<unsigned char>(c)));
    return result;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(LowerChar(static_cast<unsigned char>(c)));
    return result;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = LowerChar(static_cast<unsigned char>(a[i]));
        const unsigned char y = LowerChar(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace lumorca
