// The source pop-up menu: its items, their preparation for the current
// line before the menu shows, and the jumps it offers.
#include "app/SourcePopup.h"

#include <QAction>
#include <QMenu>

#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/SymbolLookup.h"
#include "app/Latin1.h"
#include "app/MessageService.h"
#include "app/SourceView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

TSourcePopup::TSourcePopup(TSourceView& view, QWidget* owner, const ListingLines& lines,
                           const AnalysisResult& analysis, TSourceViewHost& host, const TSourceActions& actions,
                           TSourceBookmarks& bookmarks, TSourceSelection& selection)
    : QObject(&view), view_(view), owner_(owner), lines_(lines), analysis_(analysis), host_(host) {
    CreatePopup(actions, bookmarks);
    ConnectCommands(selection);
}

void TSourcePopup::CreatePopup(const TSourceActions& actions, TSourceBookmarks& bookmarks) {
    PopupmenuSource = new QMenu(owner_);
    PopupmenuSource->setObjectName(QStringLiteral("PopupmenuSource"));
    TSourceGrid* grid = view_.Grid();
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this, grid](const QPoint& pos) { PopupmenuSource->popup(grid->mapToGlobal(pos)); });

    MenuItemAllesKopieren = PopupmenuSource->addAction(QStringLiteral("Alles kopieren"));
    MenuItemAllesKopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    MenuItemZeileKopieren = PopupmenuSource->addAction(QStringLiteral("Zeile kopieren"));
    PopupmenuSource->addAction(actions.Copy);
    MenuItemCopyBreakpoint = PopupmenuSource->addAction(QStringLiteral("Copy Breakpoint "));
    PopupmenuSource->addSeparator();
    MenuItemZoomLine = PopupmenuSource->addAction(QStringLiteral("Zoom Zeile"));
    MenuItemGotoEntry = PopupmenuSource->addAction(QStringLiteral("Entry"));
    MenuItemAufruf = PopupmenuSource->addMenu(QStringLiteral("Aufruf"));
    MenuItemAufruf->setObjectName(QStringLiteral("MenuItemAufruf"));
    MenuItemGoto = PopupmenuSource->addMenu(QStringLiteral("Goto"));
    MenuItemGoto->setObjectName(QStringLiteral("MenuItemGoto"));
    for (const char* item : {"IF", "ELSE", "ENDIF", "WHILE/ENDWHILE", "REPEAT/UNTIL", "SELECTCASE",
                             "ENDSELECTCASE"})
        MenuItemGoto->addAction(QString::fromLatin1(item));
    MenuItemGoto->addSeparator();
    MenuItemGoto->addAction(QStringLiteral("Label"));
    PopupmenuSource->addSeparator();
    bookmarks.CreateMenus(PopupmenuSource);
    PopupmenuSource->addSeparator();
    MenuItemShowParam = PopupmenuSource->addAction(QStringLiteral("Show Params"));
    MenuItemShowLocal = PopupmenuSource->addAction(QStringLiteral("Show Local"));
    PopupmenuSource->addSeparator();
    PopupmenuSource->addAction(actions.Find);
    PopupmenuSource->addAction(actions.FindNext);
    const std::pair<QAction*, const char*> names[] = {
        {MenuItemAllesKopieren, "MenuItemAllesKopieren"}, {MenuItemZeileKopieren, "MenuItemZeileKopieren"},
        {MenuItemCopyBreakpoint, "MenuItemCopyBreakpoint"}, {MenuItemZoomLine, "MenuItemZoomLine"},
        {MenuItemGotoEntry, "MenuItemGotoEntry"}, {MenuItemShowParam, "MenuItemShowParam"},
        {MenuItemShowLocal, "MenuItemShowLocal"}};
    for (const auto& [item, name] : names) item->setObjectName(QString::fromLatin1(name));
}

void TSourcePopup::ConnectCommands(TSourceSelection& selection) {
    TSourceView* view = &view_;
    connect(MenuItemShowParam, &QAction::triggered, view, [view] { view->MenuItemShowLocalClick(false); });
    connect(MenuItemShowLocal, &QAction::triggered, view, [view] { view->MenuItemShowLocalClick(true); });
    connect(PopupmenuSource, &QMenu::aboutToShow, this, &TSourcePopup::PopupmenuSourcePopup);
    connect(MenuItemAllesKopieren, &QAction::triggered, &selection, &TSourceSelection::MenuItemAllesKopierenClick);
    connect(MenuItemZeileKopieren, &QAction::triggered, &selection, &TSourceSelection::MenuItemZeileKopierenClick);
    connect(MenuItemCopyBreakpoint, &QAction::triggered, &selection, &TSourceSelection::MenuItemCopyBreakpointClick);
    connect(MenuItemZoomLine, &QAction::triggered, this, &TSourcePopup::MenuItemZoomLineClick);
    connect(MenuItemGotoEntry, &QAction::triggered, this, &TSourcePopup::MenuItemGotoEntryClick);

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
    // is taken by the grid itself.
    MenuItemCopyBreakpoint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    MenuItemCopyBreakpoint->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    MenuItemAllesKopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view_.Grid()->addAction(MenuItemAllesKopieren);
}

bool TSourcePopup::HasRows() const {
    return view_.HasListing() && view_.Grid()->RowCount() > 0;
}

void TSourcePopup::Retranslate() {
    MenuItemZoomLine->setText(host_.Txt(TextZoomLine));
    MenuItemAufruf->setTitle(host_.Txt(TextCallOfEntry));
    MenuItemAllesKopieren->setText(host_.Txt(TextCopyAll));
    MenuItemZeileKopieren->setText(host_.Txt(TextCopyLine));
    MenuItemCopyBreakpoint->setText(host_.Txt(TextCopyBreakpoint));
    MenuItemShowParam->setText(host_.Txt(TextShowParameters));
    MenuItemShowLocal->setText(host_.Txt(TextShowLocals));
}

void TSourcePopup::StructureShown(bool isEntry, const std::string& entryName) {
    MenuItemAufruf->setEnabled(isEntry);
    MenuItemAufruf->clear();
    MenuItemAufruf->menuAction()->setEnabled(isEntry);
    if (isEntry) BuildCallSitesMenu(MenuItemAufruf, FindSymbol(analysis_, CatEntry, entryName), RefFunctionCall);
}

void TSourcePopup::MenuItemGotoClick(int gotoKind) {
    // The submenu keeps the kind of the last jump, as a double-click asks it.
    MenuItemGoto->menuAction()->setData(gotoKind);
    if (!HasRows()) return;
    if (GotoKindOf(gotoKind) == nullptr) return;
    const TSourcePosition at = view_.Position();
    const int32_t target =
        FindControlPartner(lines_, view_.CurrentLine(), gotoKind, at.TopLine, at.EndLine, view_.SourceIndent());
    if (target >= 0) {
        view_.GotoPosition(at.CurrentStructure, target, true);
    } else {
        host_.NotFoundBeep();
    }
}

void TSourcePopup::BuildCallSitesMenu(QMenu* item, int32_t symbolIndex, int refKind) {
    item->clear();
    if (!host_.CallSitesKnown() || symbolIndex < 0) return;
    const TreeNode* symbol = analysis_.XRef.NodeOfSymbol(static_cast<size_t>(symbolIndex));
    if (symbol == nullptr) return;
    for (const TreeNode* child : symbol->Children) {
        if (child->Role != NodeRole::Reference || child->Record.Kind != refKind) continue;
        // Captions are shown as they are, without hot keys.
        QAction* site = item->addAction(Latin1(child->Caption).replace(QLatin1Char('&'),
                                                                        QStringLiteral("&&")));
        site->setData(child->Record.Line);
        connect(site, &QAction::triggered, this, [this, site] { MenuItemAufrufClick(site); });
    }
}

void TSourcePopup::MenuItemAufrufClick(QAction* item) {
    const int line = item->data().toInt();
    if (line >= 0) view_.GotoPosition(-1, line, true);
}

void TSourcePopup::MenuItemGotoEntryClick() {
    // The caption is "Entry " and the called name.
    view_.GotoDefinition(LowerCase(NthWord(MenuItemGotoEntry->text().toLatin1().toStdString(), 2)), 2);
}

void TSourcePopup::MenuItemZoomLineClick() {
    if (!HasRows()) return;
    const int32_t line = view_.CurrentLine();
    if (line < 0 || static_cast<size_t>(line) >= lines_.size()) return;
    host_.MessageBoxes().Information(owner_, QStringLiteral("Zoom SourceLine"),
                                     Latin1(lines_[static_cast<size_t>(line)]));
}

void TSourcePopup::PopupmenuSourcePopup() {
    if (!HasRows()) {
        MenuItemGoto->setEnabled(false);
        MenuItemGotoEntry->setEnabled(false);
        PopupmenuSourceLine = -1;
        return;
    }
    const int32_t line = view_.CurrentLine();
    if (line == PopupmenuSourceLine) return;
    PopupmenuSourceLine = line;
    MenuItemGoto->setEnabled(false);
    MenuItemGotoEntry->setEnabled(false);

    const int32_t structure = view_.Position().CurrentStructure;
    MenuItemShowParam->setEnabled(FindLocalsGroup(analysis_, CatParameter, structure) != nullptr);
    MenuItemShowLocal->setEnabled(FindLocalsGroup(analysis_, CatLocalVar, structure) != nullptr);

    const std::string text = GetSourceLineText(lines_, line, false, false, false, view_.SourceIndent());
    std::string arg;
    const bool isCall = StatementArgument(text, "CALL", arg);
    MenuItemGotoEntry->setText(QStringLiteral("Entry ") + Latin1(arg));
    MenuItemGotoEntry->setEnabled(isCall);
    if (isCall) return;
    for (QAction* item : MenuItemGoto->actions()) item->setVisible(false);
    const std::vector<GotoMenuEntry> entries = GotoMenuEntries(NthWord(text, 1));
    for (const GotoMenuEntry& entry : entries) {
        QAction* item = GotoItems[static_cast<size_t>(entry.Item)];
        item->setData(entry.GotoKind);
        item->setVisible(true);
    }
    MenuItemGoto->setEnabled(!entries.empty());
}

}  // namespace lumorca::gui
