#pragma once
// What the analysis tells the window while it runs. Every call is optional;
// the default does nothing.
#include <string>

namespace lumorca {

class AnalysisObserver {
public:
    virtual ~AnalysisObserver() = default;
    // Task label: an entry of the text table.
    virtual void TaskChanged(int /*textEntry*/) {}
    virtual void ProgressMaximum(int /*maximum*/) {}
    virtual void ProgressPosition(int /*position*/) {}
    virtual void ProgressVisible(bool /*visible*/) {}
    // A line for the information memo ("%d Symbols found.").
    virtual void InfoLine(const std::string& /*text*/) {}
    // Lets pending window events run: once per listing line and once per symbol.
    virtual void ProcessPendingEvents() {}
};

}  // namespace lumorca
