// The views in the child windows: showing them once a listing is there,
// and following the work area's size and the user's focus.
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/CallWindow.h"
#include "app/ChildWindows.h"
#include "app/InfoPanel.h"
#include "app/Main.h"
#include "app/MainSourceLink.h"
#include "app/MainActions.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"

namespace lumorca::gui {

namespace {

// Focus also comes back to a tree by itself, when a dialog closes or a child
// window is switched off, on or rearranged; that shows nothing again.
bool UserMovedFocus(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

void TMain::showWindows() {
    StructurePart->Outline()->hide();
    XRefPart->Outline()->hide();
    SourcePart->ShowGrid(false);
    SourcePart->ResizeSourceGridCols();
    const bool loaded = HasListing();
    Info->Cover(!loaded);
    StructurePart->Outline()->setVisible(loaded);
    XRefPart->Outline()->setVisible(loaded);
    CallPart->Outline()->setVisible(loaded);
    SourcePart->ShowGrid(loaded);
    Windows_->SetWindowsPlaced(true);
    const THistoryList& history = OptionWin->History();
    Actions->ActionReload->setEnabled(history.Count() > 0 && history[0] != QStringLiteral("(Paste)"));
    Windows_->FormResize();
}

void TMain::toggleWin(TChildForm* child, bool show) {
    Windows_->toggleWin(child, show);
}

void TMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (Windows_) Windows_->FormResize();
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    if (Debug == nullptr || Info == nullptr) return QMainWindow::eventFilter(watched, event);
    if (watched == Windows_->Area()->viewport() && event->type() == QEvent::Resize) {
        Info->Fit();
        Windows_->FormResize();
    } else if (watched == SourcePart->Client() && event->type() == QEvent::Resize) {
        if (!Windows_->IsArranging()) SourcePart->ResizeSourceGridCols();
    } else if (event->type() == QEvent::FocusIn) {
        if (!UserMovedFocus(static_cast<QFocusEvent*>(event)->reason()))
            return QMainWindow::eventFilter(watched, event);
        if (watched == StructurePart->Outline()) SourceLink_->StrukturOutlineEnter();
        if (watched == XRefPart->Outline()) SourceLink_->XRefOutlineEnter();
        if (watched == CallPart->Outline() && !Loading) CallPart->CallOutlineEnter();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace lumorca::gui
