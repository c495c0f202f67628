#include "analyzer/Keywords.h"

#include <string_view>
#include <initializer_list>
#include <vector>

namespace lumorca {

namespace {

// A fixed set of short words, looked up for every name of a listing: open
// addressing over a cheap hash, so a look-up is a few compares and no
// division.
class WordSet {
public:
    WordSet(std::initializer_list<std::string_view> words) {
        size_t size = 16;
        while (size < 4 * words.size()) size *= 2;
        slots_.assign(size, std::string_view());
        mask_ = size - 1;
        for (std::string_view word : words) {
            size_t slot = Hash(word) & mask_;
            while (!slots_[slot].empty() && slots_[slot] != word) slot = (slot + 1) & mask_;
            slots_[slot] = word;
        }
    }

    size_t count(std::string_view word) const {
        if (word.empty()) return 0;
        for (size_t slot = Hash(word) & mask_; !slots_[slot].empty(); slot = (slot + 1) & mask_) {
            if (slots_[slot] == word) return 1;
        }
        return 0;
    }

private:
    std::vector<std::string_view> slots_;
    size_t mask_ = 0;

    static size_t Hash(std::string_view word) {
        const auto at = [&word](size_t i) { return static_cast<size_t>(static_cast<unsigned char>(word[i])); };
        return word.size() * 131 + at(0) * 31 + at(word.size() - 1) * 7 + at(word.size() / 2);
    }
};

const WordSet& StatementKeywords() {
    static const WordSet words = {
        "ACTIVATE", "ADDMONTHS", "ASKMESS", "APEXIT", "APSTART", "BLOCKDATA", "CALL", "CLEAR",
        "CLOSE", "CLRMESS", "COMMIT", "COMPARE", "CREOCC", "CUROCC_VIDEO", "DEBUG", "DELETE",
        "DELETE_INSTANCE", "DELITEM", "DISCARD", "DISPLAY", "EDIT", "EJECT", "ERASE", "EXIT",
        "FIELD_SYNTAX", "FIELD_VIDEO", "FILEBOX", "FILE_DUMP", "FILE_LOAD", "FINDKEY",
        "GETLISTITEMS", "GETITEM", "GOTO", "HELP", "LENGTH", "LOCK", "LOOKUP", "LOWERCASE",
        "MACRO", "MESSAGE", "MOVEOCC", "NEW_INSTANCE", "NODEBUG", "NUMGEN", "NUMSET", "OPEN",
        "PARAMS", "PERFORM", "PRAGMA", "PRINT", "PRINT_BREAK", "POSTMESSAGE", "PULLDOWN",
        "PUTLISTITEMS", "PUTITEM", "PUTMESS", "READ", "RELEASE", "RELOAD", "REFRESH", "RESET",
        "REMOCC", "REPEAT", "RETRIEVE", "ROLLBACK", "RUN", "SCAN", "SENDMESSAGE", "SELECTDB",
        "SET", "SETFORMFOCUS", "SETOCC", "SHOW", "SKIP", "SORT", "SPAWN", "SQL", "STORE",
        "UPPERCASE", "VALIDATE", "VALIDATEFIELD", "VALIDATEKEY", "VALIDATEOCC", "VARIABLES",
        "WEBGEN", "WEBGET", "WRITE", "XMLLOAD", "XMLSAVE"};
    return words;
}

const WordSet& ControlKeywords() {
    static const WordSet words = {
        "AND", "BREAK", "BY", "CASE", "COUNT", "DONE", "ELSE", "ELSEIF", "ELSECASE", "END",
        "ENDIF", "ENDSELECTCASE", "ENDWHILE", "FROM", "IF", "OR", "ORDER", "REPEAT", "RETURN",
        "RETURNS", "SELECTCASE", "TO", "U_WHERE", "UNTIL", "WHERE", "WHILE", "V5PROFILE",
        "V6PROFILE"};
    return words;
}

const WordSet& FunctionNames() {
    static const WordSet words = {
        "ABS", "ACOS", "ASIN", "ATAN", "CONDITION", "COS", "E", "EXP", "EXPRESSION", "FACT",
        "FRAC", "IDPART", "INT", "ITEM", "LOG", "LOG10", "PI", "POWER", "SIN", "SQRT", "TAN",
        "TYPED", "VALUEPART"};
    return words;
}

const WordSet& HighlightedKeywords() {
    static const WordSet words = {"PARAMS", "ENDPARAMS", "VARIABLES", "ENDVARIABLES",
                                  "ACTIVATE", "CALL", "RUN"};
    return words;
}

const WordSet& QualifierWords() {
    static const WordSet words = {"D", "M", "Y", "X", "W", "A", "H", "N", "S",
                                  "T", "AA", "AAA*", "MMM", "MMM*", "TRUNC", "FRACTION", "ROUND"};
    return words;
}

const WordSet& AggregateFunctions() {
    static const WordSet words = {"MIN", "MAX", "COUNT", "SUM", "AVE"};
    return words;
}

const WordSet& RelationalOperators() {
    static const WordSet words = {"=", "<", "<=", ">", ">=", "!="};
    return words;
}

}  // namespace

bool IsStatementKeyword(std::string_view word) { return StatementKeywords().count(word) != 0; }

bool IsControlKeyword(std::string_view word) { return ControlKeywords().count(word) != 0; }

bool IsReservedWord(std::string_view word) {
    return IsStatementKeyword(word) || IsControlKeyword(word);
}

bool IsFunctionName(std::string_view word) {
    // "$STATUS", "$1": a system function; "$$NAME" and "$NAME$" are variables.
    if (word.size() >= 2 && word.front() == '$' && word[1] != '$' && word.back() != '$') {
        return true;
    }
    return FunctionNames().count(word) != 0;
}

bool IsHighlightedKeyword(std::string_view word) { return HighlightedKeywords().count(word) != 0; }

bool IsQualifierWord(std::string_view word, std::string_view previous) {
    if (previous == "/") return true;
    return previous == "[" && QualifierWords().count(word) != 0;
}

bool IsAggregateFunction(std::string_view word) { return AggregateFunctions().count(word) != 0; }

bool IsRelationalOperator(std::string_view token) { return RelationalOperators().count(token) != 0; }

}  // namespace lumorca
