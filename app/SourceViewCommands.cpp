// Wiring of the source view's commands: the grid's mouse and keys, the
// pop-up menu, the copy, find and bookmark commands and their shortcuts.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>

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
                    view_->SourceGridMouseDown(static_cast<QMouseEvent*>(event));
                    break;
                case QEvent::MouseMove:
                    view_->SourceGridMouseMove(static_cast<QMouseEvent*>(event));
                    break;
                case QEvent::MouseButtonRelease:
                    view_->SourceGridMouseUp(static_cast<QMouseEvent*>(event));
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
    Selection = std::make_unique<TMark>(TMarkText{
        [this](int32_t line) {
            const TLumorcaOptions& o = host_.Options();
            return GetSourceLineText(lines_, line, o.DisplayContinueFlag, true, o.Lowercase,
                                     SourceIndent());
        },
        [this](std::string_view text) { return SourceGrid->TextWidth(std::string(text)); }});
    Selection->SetOnChange([this](bool enabled) { EnableCopyActions(enabled); });
    SourceGrid->SetSelectionOfLine([this](int line, int& fromX, int& toX) {
        return Selection->MarkedRange(line, fromX, toX);
    });

    auto* input = new TSourceGridInput(this);
    SourceGrid->viewport()->installEventFilter(input);
    SourceGrid->installEventFilter(input);
    connect(SourceGrid, &TSourceGrid::EnterPressed, this, [this] { SourceGridDblClick(); });
    connect(PopupmenuSource, &QMenu::aboutToShow, this, &TSourceView::PopupmenuSourcePopup);

    connect(actions.Copy, &QAction::triggered, this, &TSourceView::ActionCopyExecute);
    connect(actions.Find, &QAction::triggered, Find, &TSourceFind::ActionFindExecute);
    connect(actions.FindNext, &QAction::triggered, Find, &TSourceFind::ActionFindNextExecute);
    connect(actions.Prev, &QAction::triggered, this, &TSourceView::ActionPrevExecute);
    connect(actions.Next, &QAction::triggered, this, &TSourceView::ActionNextExecute);
    connect(actions.HistoryBack, &QAction::triggered, this, &TSourceView::ActionHistoryBackExecute);
    connect(MenuItemAllesKopieren, &QAction::triggered, this, &TSourceView::MenuItemAllesKopierenClick);
    connect(MenuItemZeileKopieren, &QAction::triggered, this, &TSourceView::MenuItemZeileKopierenClick);
    connect(MenuItemCopyBreakpoint, &QAction::triggered, this, &TSourceView::MenuItemCopyBreakpointClick);
    connect(MenuItemZoomLine, &QAction::triggered, this, &TSourceView::MenuItemZoomLineClick);
    connect(MenuItemGotoEntry, &QAction::triggered, this, &TSourceView::MenuItemGotoEntryClick);

    // The Goto submenu's items, by their fixed captions.
    const std::pair<const char*, GotoItem> gotoCaptions[] = {
        {"IF", GotoItem::If},
        {"ELSE", GotoItem::Else},
        {"ENDIF", GotoItem::EndIf},
        {"WHILE/ENDWHILE", GotoItem::While},
        {"REPEAT/UNTIL", GotoItem::Repeat},
        {"SELECTCASE", GotoItem::SelectCase},
        {"ENDSELECTCASE", GotoItem::EndSelectCase}};
    for (QAction* item : MenuItemGoto->actions()) {
        for (const auto& [caption, which] : gotoCaptions) {
            if (item->text() != QLatin1String(caption)) continue;
            GotoItems[static_cast<size_t>(which)] = item;
            connect(item, &QAction::triggered, this,
                    [this, item] { MenuItemGotoClick(item->data().toInt()); });
        }
    }
    MenuItemGoto->menuAction()->setEnabled(false);
    MenuItemGotoEntry->setEnabled(false);

    // Shortcuts of the pop-up work while the grid has the focus; Ctrl+B
    // is taken by the grid itself (see TSourceGridInput).
    MenuItemCopyBreakpoint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    MenuItemCopyBreakpoint->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    MenuItemAllesKopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    SourceGrid->addAction(MenuItemAllesKopieren);
    ToolBarSource->addSeparator();
    Bookmarks->ConnectCommands(SourceGrid, owner_, ToolBarSource);
    EnableCopyActions(false);
}

bool TSourceView::SourceGridKeyDown(QKeyEvent* event) {
    host_.Trace(16, QStringLiteral("KeyDown %1").arg(event->key()));
    if (TSourceGridInput::IsCtrlB(event)) {
        MenuItemCopyBreakpointClick();
        return true;
    }
    return false;
}

}  // namespace lumorca::gui
