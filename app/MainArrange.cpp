// The child windows: binding the views into them, switching them on and
// off, and the automatic arrangement.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/CallWindow.h"
#include "app/InfoPanel.h"
#include "app/Main.h"
#include "app/MainActions.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"
#include "windows/Arrangement.h"

namespace lumorca::gui {

namespace {

// Focus also comes back to a tree by itself, when a dialog closes or a child
// window is switched off, on or rearranged; that shows nothing again.
bool UserMovedFocus(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

void TMain::SetObjectToChildWin() {
    // A tree shows its node when the user moves the focus into it (see
    // eventFilter), not whenever its window becomes active: windows are also
    // activated when a dialog closes or a child is switched or rearranged.
    StructureWin->setWidget(StructurePart->Outline());
    XRefWin->setWidget(XRefPart->Outline());

    CallWin->setWidget(CallPart->Client());

    SourceWin->setWidget(SourcePart->Client());
}

TChildForm* TMain::ChildOf(TWindowId window) const {
    switch (window) {
        case TWindowId::Structure: return StructureWin;
        case TWindowId::XRef: return XRefWin;
        case TWindowId::Call: return CallWin;
        case TWindowId::Source: return SourceWin;
        default: return nullptr;
    }
}

void TMain::ReflectWindowState(TChildForm* child, std::uint8_t state) {
    if (Arranging) return;
    const bool visible = state != StateMinimized;
    if (child == StructureWin)
        Trace(6, visible ? QStringLiteral("reflect : SHOW") : QStringLiteral("reflect : HIDE"));
    child->ReflectState(state);
    if (child->CurrentState() != state) {
        // Changing the state raises our own state events; they must not
        // reflect back half-way.
        Arranging = true;
        child->SetState(state);
        Arranging = false;
    }
    if (visible) {
        child->raise();
        if (!Loading && MdiArea->activeSubWindow() != child) MdiArea->setActiveSubWindow(child);
    }
}

void TMain::toggleWin(TChildForm* child, bool show) {
    ReflectWindowState(child, show ? 0 : 1);
    FormResize();
}

void TMain::FormResize() {
    if (Closing || ResizeLocked || Arranging || StructureWin == nullptr) return;
    Arranging = true;
    Trace(6, QStringLiteral("FormResize"));

    const std::array<TChildForm*, 4> children{StructureWin, XRefWin, CallWin, SourceWin};
    ArrangeInput input;
    const QSize client = MdiArea->viewport()->size();
    input.ClientWidth = client.width();
    input.ClientHeight = client.height();
    input.SourceSize2x = Options().SourceSize2x;
    for (size_t i = 0; i < 4; ++i) input.States[i] = children[i]->CurrentState();
    if (!WindowsPlaced || Options().AutoSize) {
        const auto placed = ArrangeChildWindows(input);
        for (size_t i = 0; i < 4; ++i) {
            if (!placed[i]) continue;
            children[i]->setGeometry(*placed[i]);
            const QRect r = *placed[i];
            Trace(6, QStringLiteral("%1/%2 ## %3/%4")
                         .arg(client.width())
                         .arg(client.height())
                         .arg(r.left() + r.width())
                         .arg(r.top() + r.height()));
        }
    }
    SourcePart->ResizeSourceGridCols();
    if (Info) Info->Fit();
    Arranging = false;
}

void TMain::ActionArrangeExecute() {
    WindowsPlaced = false;
    FormResize();
    WindowsPlaced = true;
}

void TMain::ActionAutoArrangeExecute() {
    Options().AutoSize = !Options().AutoSize;
    Actions->ActionAutoArrange->setChecked(Options().AutoSize);
    if (Options().AutoSize) FormResize();
}

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
    WindowsPlaced = true;
    const THistoryList& history = OptionWin->History();
    Actions->ActionReload->setEnabled(history.Count() > 0 && history[0] != QStringLiteral("(Paste)"));
    FormResize();
}

void TMain::ChildTrace(const QString& line) {
    Trace(6, line);
}

void TMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    if (Debug == nullptr || Info == nullptr) return QMainWindow::eventFilter(watched, event);
    if (watched == MdiArea->viewport() && event->type() == QEvent::Resize) {
        Info->Fit();
        FormResize();
    } else if (watched == SourcePart->Client() && event->type() == QEvent::Resize) {
        if (!Arranging) SourcePart->ResizeSourceGridCols();
    } else if (event->type() == QEvent::FocusIn) {
        if (!UserMovedFocus(static_cast<QFocusEvent*>(event)->reason()))
            return QMainWindow::eventFilter(watched, event);
        if (watched == StructurePart->Outline()) StrukturOutlineEnter();
        if (watched == XRefPart->Outline()) XRefOutlineEnter();
        if (watched == CallPart->Outline() && !Loading) CallPart->CallOutlineEnter();
    }
    return QMainWindow::eventFilter(watched, event);
}

std::vector<QRect> TMain::ScreenAreas() const {
    std::vector<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s == QGuiApplication::primaryScreen())
            areas.insert(areas.begin(), s->availableGeometry());
        else
            areas.push_back(s->availableGeometry());
    }
    return areas;
}

QSize TMain::MainWindowOuterSize() const {
    return frameGeometry().size();
}

void TMain::PlaceWindow(TWindowId window, const TWindowGeometry& g) {
    if (window == TWindowId::Main) {
        // Left/Top are the frame's place, Width/Height the client's size:
        // what move() and resize() take, and what WindowBounds gives back.
        move(g.Left, g.Top);
        resize(g.Width, g.Height);
        return;
    }
    if (TChildForm* child = ChildOf(window)) child->setGeometry(g.Left, g.Top, g.Width, g.Height);
}

std::uint8_t TMain::WindowState(TWindowId window) const {
    if (window == TWindowId::Main) {
        if (isMinimized()) return 1;
        if (isMaximized()) return 2;
        return 0;
    }
    const TChildForm* child = ChildOf(window);
    return child ? child->CurrentState() : 0;
}

TWindowGeometry TMain::WindowBounds(TWindowId window) const {
    if (window == TWindowId::Main) return TWindowGeometry{x(), width(), y(), height()};
    const QRect r = ChildOf(window)->geometry();
    return TWindowGeometry{r.left(), r.width(), r.top(), r.height()};
}

}  // namespace lumorca::gui
