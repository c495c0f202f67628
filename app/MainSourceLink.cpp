// The source view's look-ups go to the XRef window, its traces to the
// debug bar.
#include "app/MainSourceLink.h"

#include <QTreeView>

#include "app/ChildWindows.h"
#include "app/DebugBar.h"
#include "app/XRefWindow.h"

namespace lumorca::gui {

int TMain::SourceLink::Level() const {
    return main_.Debug->Level();
}

void TMain::SourceLink::Trace(int level, const QString& text) {
    main_.Debug->Trace(level, text);
}

void TMain::SourceLink::ClearTrace() {
    main_.Debug->Clear();
}

void TMain::SourceLink::NotFoundBeep() {
    if (main_.Services.Beep) main_.Services.Beep();
}

void TMain::SourceLink::ShowInXRef(const TreeNode* node) {
    TXRefWindow* xref = main_.XRefPart;
    xref->Reveal(node, TXRefWindow::TOpen::Node);
    TChildWindows& windows = *main_.Windows_;
    TChildForm* xrefWin = windows.ChildOf(TWindowId::XRef);
    if (xrefWin->CurrentState() == 1) windows.ReflectWindowState(xrefWin, 0);
    windows.Activate(TWindowId::XRef);
    xref->Outline()->setFocus();
}

void TMain::SourceLink::RevealInXRef(const TreeNode* node) {
    TChildWindows& windows = *main_.Windows_;
    TChildForm* xrefWin = windows.ChildOf(TWindowId::XRef);
    windows.ReflectWindowState(xrefWin, xrefWin->CurrentState() == 1 ? 0 : xrefWin->CurrentState());
    windows.Activate(TWindowId::XRef);
    main_.XRefPart->Reveal(node, TXRefWindow::TOpen::Node);
    main_.XRefPart->Outline()->setFocus();
}

}  // namespace lumorca::gui
