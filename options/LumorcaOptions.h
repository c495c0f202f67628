#pragma once
// The options record: every setting of the program with its factory default.
#include "analyzer/Settings.h"
#include "dialogs/HList.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace lumorca {

// A colour as 0x00BBGGRR.
using TColor = std::uint32_t;

// Font sizes the options dialog offers, in points.
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 24;

// What a window's font is made of; kept apart from QFont so the options can
// be compared and stored without a display.
struct TFontInfo {
    QString Name;
    int Size = 8;  // points
    TColor Color = 0;
    bool Bold = false;
    bool Italic = false;

    QFont ToQFont() const;
    bool operator==(const TFontInfo&) const = default;
};

// Window states as stored.
constexpr std::uint8_t StateNormal = 0;
constexpr std::uint8_t StateMinimized = 1;  // a child window: switched off
constexpr std::uint8_t StateMaximized = 2;

struct TWinOptions {
    TFontInfo Font;
    std::uint8_t State = StateNormal;

    bool operator==(const TWinOptions&) const = default;
};

class TLumorcaOptions {
public:
    TLumorcaOptions() = default;
    TLumorcaOptions(const TLumorcaOptions&) = delete;
    TLumorcaOptions& operator=(const TLumorcaOptions&) = delete;

    std::uint8_t Language = 1;
    QString ProcListingDir;
    bool AskToSave = true;
    bool AutoReload = false;
    bool IgnoreERRF = false;
    bool ListStatus = true;
    bool ListResult = true;
    bool TryToMerge = true;
    bool IgnoreEmptyLines = false;
    bool ServiceWarnings = true;
    bool MarkInvalidParams = true;
    bool MarkVarStrings = true;
    bool MarkSuspEntries = true;
    bool MarkSuspCompVars = true;
    bool MarkSuspLocalVars = true;
    bool MarkSuspLabel = true;
    QStringList MarkSuspEntriesEx;
    QStringList MarkSuspCompVarsEx;
    QStringList MarkSuspLocalVarsEx;
    QStringList MarkSuspLabelEx;
    TWinOptions MainWin;
    TWinOptions StructureWin{{QStringLiteral("Arial")}, StateNormal};
    TWinOptions XRefWin{{QStringLiteral("Arial")}, StateNormal};
    TWinOptions CallWin{{QStringLiteral("Arial")}, StateMinimized};
    TWinOptions SourceWin{{QStringLiteral("Times New Roman")}, StateNormal};
    bool SameWindowFont = false;
    bool SameWindowColor = true;
    bool AutoSize = true;
    bool SourceSize2x = true;
    bool SortLocals = true;
    std::int32_t How2ShowXRef = 2;
    bool ExpandCallTree = true;
    bool ListDuplicateCalls = true;
    bool ListLibraryCalls = true;
    std::uint8_t SortCalls = 0;
    bool AutoIndent = true;
    std::int32_t Indent = 4;
    bool DisplayLineNrTotal = true;
    bool DisplayLineNrTrigger = true;
    bool DisplayContinueFlag = true;
    bool Lowercase = true;
    bool NonPropFont = false;
    TColor ColorZnrAbs = 0xFF0000;
    TColor ColorZnrTrigger = 0x008000;
    TColor ColorContinue = 0x0000FF;
    TColor ColorSource = 0x000000;
    TColor ColorSourceComment = 0xFF0000;
    TColor ColorSourceNames = 0x000080;
    TColor ColorSourceCommands = 0x0080FF;
    TColor ColorSourceGold = 0x0000FF;
    TColor ColorSourceErrors = 0x0000FF;
    TColor ColorSourceWarnings = 0x0000FF;
    TColor ColorSourceInfos = 0x808080;
    TColor ColorSourceActiveLine = 0x00FFFF;
    TColor ColorSourceMarked = 0xFF0000;
    THistoryList History;
    QString LastTrigger;
    std::int32_t LastLineNr = 0;
};

// Fills `options` with the factory settings; ProcListingDir is the current
// directory at this moment. History and the last position are left alone.
void FillDefaults(TLumorcaOptions& options);

// Copies every setting except History, LastTrigger and LastLineNr.
void AssignOptions(TLumorcaOptions& target, const TLumorcaOptions& source);

// What the analysis and the views read.
AnalysisSettings ToAnalysisSettings(const TLumorcaOptions& options);

}  // namespace lumorca
