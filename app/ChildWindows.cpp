#include "app/ChildWindows.h"

#include <QAction>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>

#include "app/MainActions.h"
#include "windows/Arrangement.h"

namespace lumorca::gui {

TChildWindows::TChildWindows(QWidget* areaParent, THost host) : Host(std::move(host)) {
    MdiArea = new QMdiArea(areaParent);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
}

void TChildWindows::CreateChildren() {
    auto makeChild = [this](const QString& name, const QString& tag) {
        auto* child = new TChildForm(this, tag);
        child->setObjectName(name);
        MdiArea->addSubWindow(child);
        return child;
    };
    StructureWin = makeChild(QStringLiteral("StructureWin"), QStringLiteral("Struktur:"));
    XRefWin = makeChild(QStringLiteral("XRefWin"), QStringLiteral("XRef    :"));
    CallWin = makeChild(QStringLiteral("CallWin"), QStringLiteral("Call    :"));
    SourceWin = makeChild(QStringLiteral("SourceWin"), QStringLiteral("Source  :"));
}

void TChildWindows::Bind(TMainActions& actions) {
    Actions = &actions;
    connect(actions.ActionArrange, &QAction::triggered, this, &TChildWindows::ActionArrangeExecute);
    connect(actions.ActionAutoArrange, &QAction::triggered, this, &TChildWindows::ActionAutoArrangeExecute);
    TLumorcaOptions& o = Host.Options();
    const std::array<std::tuple<QAction*, TChildForm*, std::uint8_t*>, 4> bindings{
        {{actions.ActionStrukturWin, StructureWin, &o.StructureWin.State},
         {actions.ActionXRefWin, XRefWin, &o.XRefWin.State},
         {actions.ActionCallWin, CallWin, &o.CallWin.State},
         {actions.ActionSourceWin, SourceWin, &o.SourceWin.State}}};
    for (const auto& [action, child, state] : bindings) {
        // The action's own check has already flipped; the window follows it.
        connect(action, &QAction::triggered, this, [this, child = child](bool checked) { toggleWin(child, checked); });
        child->Bind(action, state);
    }
}

void TChildWindows::SetObjectToChildWin() {
    const std::array<TChildForm*, 4> children = Children();
    for (size_t i = 0; i < children.size(); ++i) children[i]->setWidget(Views[i].Client);
}

TChildForm* TChildWindows::ChildOf(TWindowId window) const {
    switch (window) {
        case TWindowId::Structure: return StructureWin;
        case TWindowId::XRef: return XRefWin;
        case TWindowId::Call: return CallWin;
        case TWindowId::Source: return SourceWin;
        default: return nullptr;
    }
}

bool TChildWindows::IsActive(TWindowId window) const {
    return MdiArea->activeSubWindow() == ChildOf(window);
}

void TChildWindows::Activate(TWindowId window) {
    MdiArea->setActiveSubWindow(ChildOf(window));
}

void TChildWindows::ReflectWindowState(TChildForm* child, std::uint8_t state) {
    if (Arranging) return;
    const bool visible = state != StateMinimized;
    if (child == StructureWin)
        Host.Trace(visible ? QStringLiteral("reflect : SHOW") : QStringLiteral("reflect : HIDE"));
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
        if (!Host.Loading() && MdiArea->activeSubWindow() != child) MdiArea->setActiveSubWindow(child);
    }
}

void TChildWindows::toggleWin(TChildForm* child, bool show) {
    ReflectWindowState(child, show ? 0 : 1);
    FormResize();
}

void TChildWindows::FormResize() {
    if (Host.Frozen() || Arranging || StructureWin == nullptr) return;
    Arranging = true;
    Host.Trace(QStringLiteral("FormResize"));

    const std::array<TChildForm*, 4> children = Children();
    ArrangeInput input;
    const QSize client = MdiArea->viewport()->size();
    input.ClientWidth = client.width();
    input.ClientHeight = client.height();
    input.SourceSize2x = Host.Options().SourceSize2x;
    for (size_t i = 0; i < children.size(); ++i) input.States[i] = children[i]->CurrentState();
    if (!WindowsPlaced || Host.Options().AutoSize) {
        const auto placed = ArrangeChildWindows(input);
        for (size_t i = 0; i < children.size(); ++i) {
            if (!placed[i]) continue;
            children[i]->setGeometry(*placed[i]);
            const QRect r = *placed[i];
            Host.Trace(QStringLiteral("%1/%2 ## %3/%4")
                           .arg(client.width())
                           .arg(client.height())
                           .arg(r.left() + r.width())
                           .arg(r.top() + r.height()));
        }
    }
    Host.Arranged();
    Arranging = false;
}

void TChildWindows::ActionArrangeExecute() {
    WindowsPlaced = false;
    FormResize();
    WindowsPlaced = true;
}

void TChildWindows::ActionAutoArrangeExecute() {
    TLumorcaOptions& o = Host.Options();
    o.AutoSize = !o.AutoSize;
    Actions->ActionAutoArrange->setChecked(o.AutoSize);
    if (o.AutoSize) FormResize();
}

void TChildWindows::ChildTrace(const QString& line) {
    Host.Trace(line);
}

std::vector<QRect> TChildWindows::ScreenAreas() const {
    std::vector<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s == QGuiApplication::primaryScreen())
            areas.insert(areas.begin(), s->availableGeometry());
        else
            areas.push_back(s->availableGeometry());
    }
    return areas;
}

QSize TChildWindows::MainWindowOuterSize() const {
    return Host.Frame->frameGeometry().size();
}

void TChildWindows::PlaceWindow(TWindowId window, const TWindowGeometry& g) {
    if (window == TWindowId::Main) {
        // Left/Top are the frame's place, Width/Height the client's size:
        // what move() and resize() take, and what WindowBounds gives back.
        Host.Frame->move(g.Left, g.Top);
        Host.Frame->resize(g.Width, g.Height);
        return;
    }
    if (TChildForm* child = ChildOf(window)) child->setGeometry(g.Left, g.Top, g.Width, g.Height);
}

std::uint8_t TChildWindows::WindowState(TWindowId window) const {
    if (window == TWindowId::Main) {
        if (Host.Frame->isMinimized()) return 1;
        if (Host.Frame->isMaximized()) return 2;
        return 0;
    }
    const TChildForm* child = ChildOf(window);
    return child ? child->CurrentState() : 0;
}

TWindowGeometry TChildWindows::WindowBounds(TWindowId window) const {
    const QWidget* frame = Host.Frame;
    if (window == TWindowId::Main) return TWindowGeometry{frame->x(), frame->width(), frame->y(), frame->height()};
    const QRect r = ChildOf(window)->geometry();
    return TWindowGeometry{r.left(), r.width(), r.top(), r.height()};
}

}  // namespace lumorca::gui
