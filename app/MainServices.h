#pragma once
// What the main window asks of the world outside it: the analysis, the
// clipboard, the file dialogs, the message boxes and the beep. The program
// uses the real ones; tests put in their own.
#include <QString>
#include <functional>
#include <string>

#include "analyzer/Analysis.h"
#include "analyzer/Trace.h"

namespace lumorca {
class TAbout;
}

namespace lumorca::gui {

class TMessageService;

struct TMainServices {
    std::function<AnalysisResult(ListingLines&, const AnalysisSettings&, AnalysisObserver*, TraceSink*)>
        Analyzer;
    // The clipboard text as Latin-1 (characters outside become '?').
    std::function<std::string()> ClipboardText;
    // Save dialog: returns the chosen file name (empty for Cancel) and the
    // selected filter's extension.
    std::function<QString(const QString& proposal, QString& extension)> SaveFileName;
    std::function<QString()> OpenFileName;
    // Save dialog of the call graph: the chosen file name, empty for Cancel.
    std::function<QString(const QString& proposal)> CallGraphFileName;
    // The short beep of a failed look-up.
    std::function<void()> Beep;
    // Called with the About box before it is shown modally.
    std::function<void(TAbout&)> AboutBoxOpened;
    TMessageService* Messages = nullptr;
};

}  // namespace lumorca::gui
