#include "options/LumorcaOptions.h"

#include <QDir>

namespace lumorca {
namespace {

std::vector<std::string> ToLatin1(const QStringList& list) {
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(list.size()));
    for (const QString& s : list) out.push_back(s.toLatin1().toStdString());
    return out;
}

}  // namespace

QFont TFontInfo::ToQFont() const {
    QFont font(Name);
    if (Size > 0) font.setPointSize(Size);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
}

void FillDefaults(TLumorcaOptions& options) {
    // A fresh record carries the factory values; only the directory depends
    // on the moment.
    const TLumorcaOptions factory;
    AssignOptions(options, factory);
    options.ProcListingDir = QDir::toNativeSeparators(QDir::currentPath());
}

void AssignOptions(TLumorcaOptions& target, const TLumorcaOptions& source) {
    if (&target == &source) return;
    target.Language = source.Language;
    target.ProcListingDir = source.ProcListingDir;
    target.AskToSave = source.AskToSave;
    target.AutoReload = source.AutoReload;
    target.IgnoreERRF = source.IgnoreERRF;
    target.ListStatus = source.ListStatus;
    target.ListResult = source.ListResult;
    target.TryToMerge = source.TryToMerge;
    target.IgnoreEmptyLines = source.IgnoreEmptyLines;
    target.ServiceWarnings = source.ServiceWarnings;
    target.MarkInvalidParams = source.MarkInvalidParams;
    target.MarkVarStrings = source.MarkVarStrings;
    target.MarkSuspEntries = source.MarkSuspEntries;
    target.MarkSuspCompVars = source.MarkSuspCompVars;
    target.MarkSuspLocalVars = source.MarkSuspLocalVars;
    target.MarkSuspLabel = source.MarkSuspLabel;
    target.MarkSuspEntriesEx = source.MarkSuspEntriesEx;
    target.MarkSuspCompVarsEx = source.MarkSuspCompVarsEx;
    target.MarkSuspLocalVarsEx = source.MarkSuspLocalVarsEx;
    target.MarkSuspLabelEx = source.MarkSuspLabelEx;
    target.MainWin = source.MainWin;
    target.StructureWin = source.StructureWin;
    target.XRefWin = source.XRefWin;
    target.CallWin = source.CallWin;
    target.SourceWin = source.SourceWin;
    target.SameWindowFont = source.SameWindowFont;
    target.SameWindowColor = source.SameWindowColor;
    target.AutoSize = source.AutoSize;
    target.SourceSize2x = source.SourceSize2x;
    target.SortLocals = source.SortLocals;
    target.How2ShowXRef = source.How2ShowXRef;
    target.ExpandCallTree = source.ExpandCallTree;
    target.ListDuplicateCalls = source.ListDuplicateCalls;
    target.ListLibraryCalls = source.ListLibraryCalls;
    target.SortCalls = source.SortCalls;
    target.AutoIndent = source.AutoIndent;
    target.Indent = source.Indent;
    target.DisplayLineNrTotal = source.DisplayLineNrTotal;
    target.DisplayLineNrTrigger = source.DisplayLineNrTrigger;
    target.DisplayContinueFlag = source.DisplayContinueFlag;
    target.Lowercase = source.Lowercase;
    target.NonPropFont = source.NonPropFont;
    target.ColorZnrAbs = source.ColorZnrAbs;
    target.ColorZnrTrigger = source.ColorZnrTrigger;
    target.ColorContinue = source.ColorContinue;
    target.ColorSource = source.ColorSource;
    target.ColorSourceComment = source.ColorSourceComment;
    target.ColorSourceNames = source.ColorSourceNames;
    target.ColorSourceCommands = source.ColorSourceCommands;
    target.ColorSourceGold = source.ColorSourceGold;
    target.ColorSourceErrors = source.ColorSourceErrors;
    target.ColorSourceWarnings = source.ColorSourceWarnings;
    target.ColorSourceInfos = source.ColorSourceInfos;
    target.ColorSourceActiveLine = source.ColorSourceActiveLine;
    target.ColorSourceMarked = source.ColorSourceMarked;
}

AnalysisSettings ToAnalysisSettings(const TLumorcaOptions& o) {
    AnalysisSettings s;
    s.Language = o.Language;
    s.IgnoreERRF = o.IgnoreERRF;
    s.ListStatus = o.ListStatus;
    s.ListResult = o.ListResult;
    s.TryToMerge = o.TryToMerge;
    s.IgnoreEmptyLines = o.IgnoreEmptyLines;
    s.ServiceWarnings = o.ServiceWarnings;
    s.MarkInvalidParams = o.MarkInvalidParams;
    s.MarkVarStrings = o.MarkVarStrings;
    s.MarkSuspEntries = o.MarkSuspEntries;
    s.MarkSuspCompVars = o.MarkSuspCompVars;
    s.MarkSuspLocalVars = o.MarkSuspLocalVars;
    s.MarkSuspLabel = o.MarkSuspLabel;
    s.MarkSuspEntriesEx = ToLatin1(o.MarkSuspEntriesEx);
    s.MarkSuspCompVarsEx = ToLatin1(o.MarkSuspCompVarsEx);
    s.MarkSuspLocalVarsEx = ToLatin1(o.MarkSuspLocalVarsEx);
    s.MarkSuspLabelEx = ToLatin1(o.MarkSuspLabelEx);
    s.SortLocals = o.SortLocals;
    s.How2ShowXRef = o.How2ShowXRef;
    s.ExpandCallTree = o.ExpandCallTree;
    s.ListDuplicateCalls = o.ListDuplicateCalls;
    s.ListLibraryCalls = o.ListLibraryCalls;
    s.SortCalls = o.SortCalls;
    s.AutoIndent = o.AutoIndent;
    s.Indent = o.Indent;
    s.DisplayLineNrTotal = o.DisplayLineNrTotal;
    s.DisplayLineNrTrigger = o.DisplayLineNrTrigger;
    s.DisplayContinueFlag = o.DisplayContinueFlag;
    s.Lowercase = o.Lowercase;
    return s;
}

}  // namespace lumorca
