#pragma once
// What the source view needs from the window around it, and the records it
// is made with and reports its place in.
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analyzer/Tree.h"
#include "options/LumorcaOptions.h"

class QAction;

namespace lumorca::gui {

class TMessageService;

class TSourceViewHost {
public:
    virtual ~TSourceViewHost() = default;
    virtual TLumorcaOptions& Options() = 0;
    virtual TMessageService& MessageBoxes() = 0;
    virtual QString Txt(int entry) const = 0;
    virtual int Level() const = 0;
    virtual void Trace(int level, const QString& text) = 0;
    virtual void ClearTrace() = 0;
    // The component the listing belongs to.
    virtual QString OwnComponent() const = 0;
    // False when only the findings were analysed: then no call sites are known.
    virtual bool CallSitesKnown() const = 0;
    // Opens, selects and shows a node in the XRef window, which comes to the
    // front.
    virtual void ShowInXRef(const TreeNode* node) = 0;
    // Shows a node's children in the XRef window.
    virtual void RevealInXRef(const TreeNode* node) = 0;
    // The short signal of a failed look-up.
    virtual void NotFoundBeep() = 0;
};

// The main window's actions the source view works with.
struct TSourceActions {
    QAction* Prev;
    QAction* Next;
    QAction* HistoryBack;
    QAction* Find;
    QAction* FindNext;
    QAction* Copy;
    QAction* Font;
    // Line numbers, trigger line numbers, continuation mark, lower case,
    // fixed font, indent: the switches of the source tool bar.
    std::array<QAction*, 6> ViewToggles;
};

// The shown structure and its rows in the grid.
struct TSourcePosition {
    int32_t CurrentStructure = 0;
    int32_t TopLine = 0;
    int32_t EndLine = -1;
    int32_t LeadInRows = 0;
    int MaxLineWidth = 0;
    bool VScrollNeeded = false;
};

}  // namespace lumorca::gui
