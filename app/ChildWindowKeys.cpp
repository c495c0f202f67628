// Keys of the window as a whole: Ctrl+Tab between the child windows that
// are switched on, and the pop-up menus of the trees and the grid by key.
#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QTreeView>

#include "app/ChildWindows.h"
#include "app/SourceView.h"

namespace lumorca::gui {

namespace {

bool IsShiftF10(const QKeyEvent* key) {
    return key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

// Shift+F10 opens the pop-up menu as the Menu key does; a menu asked for by
// key opens at the current row, not wherever the mouse pointer is.
class TPopupKeys : public QObject {
public:
    explicit TPopupKeys(QObject* owner) : QObject(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* view = qobject_cast<QAbstractScrollArea*>(watched);
        if (view == nullptr) return false;
        if (event->type() == QEvent::KeyPress && IsShiftF10(static_cast<QKeyEvent*>(event))) {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QCoreApplication::sendEvent(view, &menu);
            return true;
        }
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            emit view->customContextMenuRequested(CurrentRowPoint(view));
            return true;
        }
        return false;
    }

private:
    // Below the start of the current row, in the coordinates the view's menu
    // handler takes: a tree's viewport, the grid itself.
    QPoint CurrentRowPoint(QAbstractScrollArea* view) const {
        if (const auto* tree = qobject_cast<QTreeView*>(view)) {
            const QRect row = tree->visualRect(tree->currentIndex());
            return row.isValid() ? row.bottomLeft() : QPoint();
        }
        const auto* grid = static_cast<const TSourceGrid*>(view);
        const int y = (grid->Row() - grid->TopRow() + 1) * grid->RowHeight();
        return grid->viewport()->mapTo(grid, QPoint(grid->ColWidth(0) + grid->ColWidth(1), y));
    }
};

}  // namespace

void TChildWindows::ConnectWindowKeys(const std::array<TView, 4>& views) {
    Views = views;
    QMainWindow* frame = Host.Frame;
    auto* popupKeys = new TPopupKeys(frame);
    for (const TView& view : Views) view.Control->installEventFilter(popupKeys);

    auto* next = new QAction(frame);
    next->setObjectName(QStringLiteral("ActionNextWindow"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    auto* previous = new QAction(frame);
    previous->setObjectName(QStringLiteral("ActionPreviousWindow"));
    previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    frame->addActions({next, previous});
    connect(next, &QAction::triggered, this, [this] { ActivateNextChild(1); });
    connect(previous, &QAction::triggered, this, [this] { ActivateNextChild(-1); });
}

void TChildWindows::ActivateNextChild(int step) {
    const std::array<TChildForm*, 4> children = Children();
    const int count = static_cast<int>(children.size());
    int current = step > 0 ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (children[static_cast<size_t>(i)] == MdiArea->activeSubWindow()) current = i;
    for (int i = 1; i <= count; ++i) {
        const auto at = static_cast<size_t>(((current + step * i) % count + count) % count);
        TChildForm* child = children[at];
        // A switched-off window is left out.
        if (child->isHidden() || child->isMinimized()) continue;
        MdiArea->setActiveSubWindow(child);
        // Its main control takes the keys at once.
        Views[at].Control->setFocus(Qt::TabFocusReason);
        return;
    }
}

}  // namespace lumorca::gui
