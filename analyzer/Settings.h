#pragma once
// The settings the analysis and the views read, with their factory defaults.
// The program's options record converts into this; the command-line tool
// fills it from "--option" and "--settings".
#include <string>
#include <vector>

namespace lumorca {

struct AnalysisSettings {
    int Language = 1;  // 0 German, 1 English: captions of the trees

    // Analysis switches
    bool IgnoreERRF = false;
    bool ListStatus = true;
    bool ListResult = true;
    bool TryToMerge = true;
    bool IgnoreEmptyLines = false;
    bool ServiceWarnings = true;

    // Warning marks and their exception patterns
    bool MarkInvalidParams = true;
    bool MarkVarStrings = true;
    bool MarkSuspEntries = true;
    bool MarkSuspCompVars = true;
    bool MarkSuspLocalVars = true;
    bool MarkSuspLabel = true;
    std::vector<std::string> MarkSuspEntriesEx;
    std::vector<std::string> MarkSuspCompVarsEx;
    std::vector<std::string> MarkSuspLocalVarsEx;
    std::vector<std::string> MarkSuspLabelEx;

    // XRef tree
    bool SortLocals = true;
    int How2ShowXRef = 2;

    // Call tree
    bool ExpandCallTree = true;
    bool ListDuplicateCalls = true;
    bool ListLibraryCalls = true;
    int SortCalls = 0;

    // Source view text
    bool AutoIndent = true;
    int Indent = 4;
    bool DisplayLineNrTotal = true;
    bool DisplayLineNrTrigger = true;
    bool DisplayContinueFlag = true;
    bool Lowercase = true;

    // Command-line switch -WARNINGSONLY
    bool WarningsOnly = false;
};

}  // namespace lumorca
