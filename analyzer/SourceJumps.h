#pragma once
// What the source view's double-click, jump, copy and find commands compute,
// without any window: statement arguments, the partner of a control word,
// the token under a pixel position and the symbols it is looked up as,
// copied text, and the search through the listing.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/Listing.h"
#include "analyzer/StructureRecord.h"
#include "analyzer/SourceText.h"
#include "analyzer/SymbolLookup.h"

namespace lumorca {

// True when word 1 of text, upper-cased, is keyword (given in upper case);
// argument is then word 2 of text with its first "," and first "(" made
// blanks. argument is left alone otherwise.
bool StatementArgument(std::string_view text, std::string_view keyword, std::string& argument);
// StatementArgument on the plain display text of lines[line].
bool LineStatementArgument(const ListingLines& lines, int32_t line, std::string_view keyword,
                           std::string& argument, const IndentSettings& indent);

// The control-structure jumps, numbered 0-13.
struct GotoKindInfo {
    const char* TargetWord;
    bool Forward;
    int LevelOffset;  // target level = level of the start line + this
};
constexpr int GotoKindCount = 14;
// Null outside 0-13.
const GotoKindInfo* GotoKindOf(int gotoKind);
// The jump a double-click on a line starting with this word makes (any
// case), -1 for a word that is not a control word.
int ControlWordGotoKind(std::string_view firstWord);
// Line of the partner word the jump looks for, searching from start within
// topLine..endLine; -1 when there is none.
int32_t FindControlPartner(const ListingLines& lines, int32_t start, int gotoKind,
                           int32_t topLine, int32_t endLine, const IndentSettings& indent);

// Items of the source pop-up's Goto submenu.
enum class GotoItem { If, Else, EndIf, While, Repeat, SelectCase, EndSelectCase };
struct GotoMenuEntry {
    GotoItem Item;
    int GotoKind;
};
// Items offered for a line beginning with firstWord (any case); empty for
// other words.
std::vector<GotoMenuEntry> GotoMenuEntries(std::string_view firstWord);

// Width of a text in the source font.
using TextWidthFunction = std::function<int(std::string_view)>;
// 1-based position of the character whose middle lies at or right of x:
// the first i with width(text[1..i-1]) + width(text[i]) / 2 >= x; length + 1
// when x lies past the middle of the last character.
int CharIndexAtX(std::string_view text, int x, const TextWidthFunction& width);

// The token of a line under character position k.
struct TokenUnderPosition {
    std::string Token;
    int Position = 0;  // 1-based start in the text
    int Offset = 0;    // 1-based position of k within the token
};
// upperText is the display text in upper case, tokens its tokens (without
// the line marker). False when k falls between tokens or past the last.
bool FindTokenAt(std::string upperText, const std::vector<std::string>& tokens, int k,
                 TokenUnderPosition& found);
// The tokens of one display text, upper-cased, without the line marker.
std::vector<std::string> DisplayTokens(const std::string& upperText, int32_t line);

// A click inside a "%%name%%%" substitution of a string literal picks the
// substituted name alone; offset moves with it. Other tokens stay as they
// are. True when the token was cut.
bool TrimSubstitution(std::string& token, int& offset);

// Where a double-clicked token is looked up in the cross-reference tree.
struct TokenLookupContext {
    std::string FirstToken;     // the line's first token, upper case
    int32_t Structure = -1;     // the shown structure
    std::vector<std::string> EntityCaptions;  // the structure pop-up's entities
};
struct TokenLookupPlan {
    std::vector<XRefTarget> Targets;  // tried in order; the first found wins
    bool BeepWhenNoneFound = false;
};
TokenLookupPlan PlanTokenLookup(std::string token, int offset, const TokenLookupContext& context);

// Text of a selection from character c1 of line l1 to character c2 of line
// l2 (1-based, inclusive), in the case of the listing, lines joined by CR LF.
std::string SelectionCopyText(const ListingLines& lines, int32_t l1, int c1, int32_t l2, int c2,
                              const IndentSettings& indent);

// The debugger's breakpoint command for a line of a structure.
std::string BreakpointCommand(const ListingLines& lines, const StructureList& structures,
                              int32_t structure, int32_t line);

// First line from start on (wrapping at either end, start itself examined
// first and the whole listing once) whose text holds needle; -1 when none.
// Without matchCase needle must be upper case already.
int32_t FindInListing(const ListingLines& lines, int32_t start, bool down,
                      const std::string& needle, bool matchCase);

}  // namespace lumorca
