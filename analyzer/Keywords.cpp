#include "analyzer/Keywords.h"

#include <string_view>
#include <unordered_set>

namespace lumorca {

namespace {

using WordSet = std::unordered_set<std::string_view>;

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
