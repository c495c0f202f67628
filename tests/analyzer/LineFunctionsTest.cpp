// Functions of lines and words, with their cases in tests/data/line-functions.txt,
// and of whole listings, in tests/data/listing-functions.txt.

#include <cctype>
#include <functional>
#include <map>

#include "AnalysisTestSupport.h"
#include "analyzer/Dot.h"
#include "analyzer/Findings.h"
#include "analyzer/Keywords.h"
#include "analyzer/LineModel.h"
#include "analyzer/ListingReader.h"
#include "analyzer/SettingsKeys.h"
#include "analyzer/SourceJumps.h"
#include "analyzer/SourceText.h"
#include "analyzer/TextEncoding.h"
#include "analyzer/WarningMarks.h"

namespace lumorca::test {
namespace {

using Function = std::function<std::string(const Names&)>;

std::string Text(bool value) { return value ? "true" : "false"; }
std::string Text(int value) { return std::to_string(value); }
std::string Text(const ListingLines& lines) {
    std::string text;
    for (const std::string& line : lines) text += "[" + line + "]";
    return text;
}

ListingLines Numbered(const Names& texts) {
    ListingLines lines;
    for (size_t i = 1; i < texts.size(); ++i) lines.push_back(test::Numbered(static_cast<int>(i), texts[i]));
    return lines;
}

const std::map<std::string, Function>& Functions() {
    static const std::map<std::string, Function> functions = {
        {"IsListingLine", [](const Names& a) { return Text(IsListingLine(a[0])); }},
        {"CommentStart", [](const Names& a) { return Text(CommentStart(a[0])); }},
        {"ListingLineText", [](const Names& a) { return ListingLineText(a[2], a[0] == "true", a[1] == "true"); }},
        {"NthWord", [](const Names& a) { return NthWord(a[1], std::stoi(a[0])); }},
        {"UpperCase", [](const Names& a) { return UpperCase(a[0]); }},
        {"LowerCase", [](const Names& a) { return LowerCase(a[0]); }},
        {"CompareNoCase", [](const Names& a) {
             const int order = CompareNoCase(a[0], a[1]);
             return Text((order > 0) - (order < 0));
         }},
        {"StructureLineKind", [](const Names& a) { return Text(StructureLineKind(a[0])); }},
        {"LineLevel", [](const Names& a) { return Text(LineLevel(a[0])); }},
        {"HasContinuationMark", [](const Names& a) { return Text(HasContinuationMark(a[0])); }},
        {"ListingLineNumber", [](const Names& a) { return ListingLineNumber(a[0]); }},
        {"IsDroppedEmptyLine", [](const Names& a) { return Text(IsDroppedEmptyLine(a[0])); }},
        {"MatchesExceptionPattern", [](const Names& a) { return Text(MatchesExceptionPattern(a[0], a[1])); }},
        {"HasUnbalancedSubstitutions", [](const Names& a) { return Text(HasUnbalancedSubstitutions(a[0])); }},
        {"CountCallArguments", [](const Names& a) { return Text(CountCallArguments(Numbered(a), 0, a[0])); }},
        {"ListingSpelling", [](const Names& a) { return ListingSpelling(a[0], a[1]); }},
        {"IsRelationalOperator", [](const Names& a) { return Text(IsRelationalOperator(a[0])); }},
        {"IsQualifierWord", [](const Names& a) { return Text(IsQualifierWord(a[0], a[1])); }},
        {"SplitClipboardText", [](const Names& a) { return Text(SplitClipboardText(a[0])); }},
        {"SplitFileText", [](const Names& a) { return Text(SplitFileText(a[0])); }},
        {"TitleRecognised", [](const Names& a) {
             ListingLines lines(5, "     1        ; text");
             lines[2] = a[0];
             return Text(IsCorvaneListing(lines));
         }},
        {"TitleRecognisedAt", [](const Names& a) {
             ListingLines lines(std::stoul(a[0]), a[2]);
             if (a[1] != "none") lines.at(std::stoul(a[1])) = "Trigger <EXEC> from Form: ORDERS";
             return Text(IsCorvaneListing(lines));
         }},
        {"GetSourceLineText", [](const Names& a) {
             return GetSourceLineText({"", a[5]}, 1, a[0] == "true", a[1] == "true", a[2] == "true",
                                      IndentSettings{a[3] == "true", std::stoi(a[4])});
         }},
        {"GotoMenuKinds", [](const Names& a) {
             std::string kinds;
             for (const GotoMenuEntry& e : GotoMenuEntries(a[0])) {
                 kinds += (kinds.empty() ? "" : " ") + Text(e.GotoKind);
             }
             return kinds;
         }},
        {"StatementArgument", [](const Names& a) {
             std::string argument = "untouched";
             return StatementArgument(a[1], a[0], argument) ? argument : "refused, " + argument;
         }},
        {"CharIndexAtX", [](const Names& a) {
             const auto width = [](std::string_view t) { return static_cast<int>(t.size()) * 6; };
             return Text(CharIndexAtX(a[1], std::stoi(a[0]), width));
         }},
        {"IsIdentStart", [](const Names& a) { return Text(IsIdentStart(static_cast<unsigned char>(a[0][0]))); }},
        {"IsIdentChar", [](const Names& a) { return Text(IsIdentChar(static_cast<unsigned char>(a[0][0]))); }},
        {"DisplayTokens", [](const Names& a) { return Text(DisplayTokens(a[0], 0)); }},
        {"FindTokenAt", [](const Names& a) {
             TokenUnderPosition hit;
             if (!FindTokenAt(a[0], DisplayTokens(a[0], 0), std::stoi(a[1]), hit)) return std::string("none");
             if (a.size() > 2 && !TrimSubstitution(hit.Token, hit.Offset)) return "no substitution in " + hit.Token;
             return hit.Token + " " + Text(hit.Position) + " " + Text(hit.Offset);
         }},
        {"TrimSubstitution", [](const Names& a) {
             std::string token = a[0];
             int offset = std::stoi(a[1]);
             return TrimSubstitution(token, offset) ? token + " " + Text(offset) : "refused " + token + " " + Text(offset);
         }},
        {"WordClasses", [](const Names& a) {
             using Class = bool (*)(std::string_view);
             const std::pair<char, Class> classes[] = {{'S', IsStatementKeyword}, {'C', IsControlKeyword},
                                                       {'R', IsReservedWord},     {'H', IsHighlightedKeyword},
                                                       {'F', IsFunctionName},     {'A', IsAggregateFunction}};
             std::string flags;
             for (const auto& [letter, is] : classes) flags += is(a[0]) ? letter : '-';
             return flags;
         }},
        {"Latin1ToUtf8", [](const Names& a) { return Latin1ToUtf8(a[0]); }},
        {"IsValidUtf8", [](const Names& a) { return Text(IsValidUtf8(a[0])); }},
        {"FileNameToUtf8", [](const Names& a) { return FileNameToUtf8(a[0]); }},
        {"DotQuoted", [](const Names& a) { return DotQuoted(a[0]); }},
        {"CheckSettingValue", [](const Names& a) { return CheckSettingValue(a[0], a[1]).value_or(""); }},
        {"ListingComponentOf", [](const Names& a) { return ListingComponentOf(a); }},
    };
    return functions;
}

class LineFunctions : public ::testing::TestWithParam<DataCase> {};

TEST_P(LineFunctions, GiveTheListedResults) { ExpectResults(GetParam(), Functions().at(GetParam().Name)); }

INSTANTIATE_TEST_SUITE_P(Cases, LineFunctions, ::testing::ValuesIn(LoadCases("line-functions.txt")), CaseName);

// "0,1,5" as structure starts.
StructureStartList Starts(const std::string& text) {
    StructureStartList starts;
    for (size_t from = 0; from < text.size(); from = text.find(',', from) + 1) {
        starts.push_back(std::stoi(text.substr(from)));
        if (text.find(',', from) == std::string::npos) break;
    }
    return starts;
}

IndentSettings IndentOf(const std::string& text) { return {text == "auto", 4}; }

using ListingFunction = std::function<std::string(const ListingLines&, const Names&)>;

const std::map<std::string, ListingFunction>& ListingCalls() {
    static const std::map<std::string, ListingFunction> functions = {
        {"FindControlPartner", [](const ListingLines& l, const Names& a) {
             const bool word = a[1].empty() || std::isalpha(static_cast<unsigned char>(a[1][0]));
             return Text(FindControlPartner(l, std::stoi(a[0]), word ? ControlWordGotoKind(a[1]) : std::stoi(a[1]),
                                            std::stoi(a[2]), std::stoi(a[3]), IndentSettings{}));
         }},
        {"FindInListing", [](const ListingLines& l, const Names& a) {
             return Text(FindInListing(l, std::stoi(a[0]), a[1] == "down", a[2], a[3] == "case"));
         }},
        {"SelectionCopyText", [](const ListingLines& l, const Names& a) {
             return SelectionCopyText(l, std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]), std::stoi(a[3]), IndentOf(a[4]));
         }},
        {"BreakpointCommand", [](const ListingLines& l, const Names& a) {
             return BreakpointCommand(l, RecordsOf(l, Starts(a[0])), std::stoi(a[1]), std::stoi(a[2]));
         }},
        {"LineStatementArgument", [](const ListingLines& l, const Names& a) {
             std::string argument;
             return LineStatementArgument(l, std::stoi(a[0]), a[1], argument, IndentSettings{}) ? argument : "refused";
         }},
        {"StructureOfLine", [](const ListingLines&, const Names& a) { return Text(StructureOfLine(Starts(a[0]), std::stoi(a[1]))); }},
        {"StructureView", [](const ListingLines& l, const Names& a) {
             const StructureView v = ComputeStructureView(l, RecordsOf(l, Starts(a[0])), std::stoi(a[1]), IndentOf(a[2]));
             return Text(v.TopLine) + " " + Text(v.LeadInRows) + " " + Text(v.EndLine) + (v.IsEntry ? " entry " + v.EntryName : "");
         }},
        {"TriggerInfo", [](const ListingLines& l, const Names& a) {
             const TriggerInfo i = ComputeTriggerInfo(l, Starts(a[0]), std::stoi(a[1]));
             return i.Caption + "|" + i.TriggerName + "|" + i.FromLabel + "|" + i.FromName +
                    (i.EntryVisible ? "|" + i.EntryLabel + "|" + i.EntryName : "");
         }},
    };
    return functions;
}

class ListingFunctions : public ::testing::TestWithParam<DataCase> {};

TEST_P(ListingFunctions, GiveTheListedResults) {
    const ListingLines& lines = GetParam().Parts.at(0);
    ExpectResults(DataCase{GetParam().Name, {GetParam().Parts.at(1)}}, [&lines](const Names& a) {
        return ListingCalls().at(a[0])(lines, Names(a.begin() + 1, a.end()));
    });
}

INSTANTIATE_TEST_SUITE_P(Cases, ListingFunctions, ::testing::ValuesIn(LoadCases("listing-functions.txt")), CaseName);

}  // namespace
}  // namespace lumorca::test
