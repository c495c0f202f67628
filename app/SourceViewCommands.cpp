// Wiring of the source view's commands: the grid's mouse and keys, and the
// find, history and bookmark commands.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>

#include "app/SourceHeader.h"
#include "app/SourceView.h"

namespace lumorca::gui {

// Mouse events of the grid's viewport and keys of the grid, before the
// grid's own handling.
class TSourceGridInput : public QObject {
public:
    explicit TSourceGridInput(TSourceView* view) : QObject(view), view_(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only input is looked at: other events also come while the window
        // is being destroyed, when the view must not be touched.
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseMove:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::ShortcutOverride:
            case QEvent::KeyPress: break;
            default: return false;
        }
        TSourceGrid* grid = view_->SourceGrid;
        if (watched == grid->viewport()) {
            switch (event->type()) {
                case QEvent::MouseButtonPress:
                    view_->LastMouseShift = static_cast<QMouseEvent*>(event)->modifiers();
                    view_->Selection_->SourceGridMouseDown(static_cast<QMouseEvent*>(event));
                    break;
                case QEvent::MouseMove:
                    view_->Selection_->SourceGridMouseMove(static_cast<QMouseEvent*>(event));
                    break;
                case QEvent::MouseButtonRelease:
                    view_->Selection_->SourceGridMouseUp(static_cast<QMouseEvent*>(event));
                    break;
                case QEvent::MouseButtonDblClick: {
                    auto* mouse = static_cast<QMouseEvent*>(event);
                    view_->LastMouseShift = mouse->modifiers();
                    // The line double-clicked is the current one, even when
                    // no press of its own came before.
                    const int row = grid->TopRow() + mouse->position().toPoint().y() / qMax(1, grid->RowHeight());
                    if (row >= 0 && row < grid->RowCount()) grid->SetRow(row);
                    if (mouse->button() == Qt::LeftButton)
                        view_->SourceGridDblClickAt(mouse->position().toPoint());
                    return true;
                }
                default: break;
            }
        } else if (watched == grid) {
            if (event->type() == QEvent::ShortcutOverride && IsCtrlB(static_cast<QKeyEvent*>(event))) {
                // The grid's Ctrl+B goes before the window's Back.
                event->accept();
                return true;
            }
            if (event->type() == QEvent::KeyPress)
                return view_->SourceGridKeyDown(static_cast<QKeyEvent*>(event));
        }
        return false;
    }

    static bool IsCtrlB(const QKeyEvent* key) {
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        return key->key() == Qt::Key_B && mods == Qt::ControlModifier;
    }

private:
    TSourceView* view_;
};

void TSourceView::ConnectCommands(const TSourceActions& actions) {
    auto* input = new TSourceGridInput(this);
    SourceGrid->viewport()->installEventFilter(input);
    SourceGrid->installEventFilter(input);
    connect(SourceGrid, &TSourceGrid::EnterPressed, this, [this] { SourceGridDblClick(); });

    connect(actions.Find, &QAction::triggered, Find, &TSourceFind::ActionFindExecute);
    connect(actions.FindNext, &QAction::triggered, Find, &TSourceFind::ActionFindNextExecute);
    connect(actions.Prev, &QAction::triggered, this, &TSourceView::ActionPrevExecute);
    connect(actions.Next, &QAction::triggered, this, &TSourceView::ActionNextExecute);
    connect(actions.HistoryBack, &QAction::triggered, this, &TSourceView::ActionHistoryBackExecute);
    Header->ToolBar()->addSeparator();
    Bookmarks->ConnectCommands(SourceGrid, owner_, Header->ToolBar());
}

bool TSourceView::SourceGridKeyDown(QKeyEvent* event) {
    host_.Trace(16, QStringLiteral("KeyDown %1").arg(event->key()));
    if (TSourceGridInput::IsCtrlB(event)) {
        Selection_->MenuItemCopyBreakpointClick();
        return true;
    }
    return false;
}

}  // namespace lumorca::gui
