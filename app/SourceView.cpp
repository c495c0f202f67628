// The source view's controls, and what the main window asks of it when a
// listing comes or goes and when the options or the language change.
#include "app/SourceView.h"

#include <QAction>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

#include "app/SourceHeader.h"
#include "app/SourcePopup.h"

namespace lumorca::gui {

TSourceView::TSourceView(QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                         TSourceViewHost& host, const TSourceActions& actions)
    : QObject(owner),
      owner_(owner),
      lines_(lines),
      analysis_(analysis),
      host_(host),
      Bookmarks(new TSourceBookmarks(this, lines, analysis, host,
                                     {[this](int32_t& structure, int32_t& line) {
                                          if (!HasListing() || SourceGrid->RowCount() == 0) return false;
                                          structure = CurrentStructure;
                                          line = CurrentLine();
                                          return true;
                                      },
                                      [this](int32_t structure, int32_t line) { GotoPosition(structure, line, true); },
                                      [this] { SourceGrid->viewport()->update(); }})),
      ActionHistoryBack(actions.HistoryBack),
      ViewToggles(actions.ViewToggles) {
    CreateControls(owner, actions);
    Selection_ = new TSourceSelection(*this, lines, analysis, host, actions.Copy, SourceGridHScroll, *Bookmarks);
    Find = new TSourceFind(this, owner, lines, analysis, host, SourceGrid,
                           {[this](QString& word) { return Selection_->SelectedWord(word); },
                            [this] { return SourceGrid->RowCount() > 0 ? CurrentLine() : TopLine; },
                            [this](int32_t line) { GotoPosition(-1, line, true); }});
    Popup_ = new TSourcePopup(*this, owner, lines, analysis, host, actions, *Bookmarks, *Selection_);
    ConnectCommands(actions);
}

TSourceView::~TSourceView() = default;

void TSourceView::Attach(QWidget* window, TListingBar* bar) {
    SourceWin = window;
    ListingBar = bar;
}

void TSourceView::CreateControls(QWidget* owner, const TSourceActions& actions) {
    SourceWinClient = new QWidget(owner);
    SourceWinClient->setObjectName(QStringLiteral("SourceWinClient"));
    Header = new TSourceHeader(SourceWinClient);

    SourceGrid = new TSourceGrid(SourceWinClient);
    SourceGrid->SetListing(&lines_);
    // The grid is only as tall as its rows: a click on the window's empty
    // area below them focuses the grid, so the keys that follow reach it.
    SourceWinClient->setFocusPolicy(Qt::ClickFocus);
    SourceWinClient->setFocusProxy(SourceGrid);
    SourceGridHScroll = new QScrollBar(Qt::Horizontal, SourceWinClient);
    SourceGridHScroll->setObjectName(QStringLiteral("SourceGridHScroll"));
    SourceGridHScroll->setPageStep(10);
    SourceGridHScroll->setMinimum(0);
    SourceGridHScroll->hide();
    SourceGridHScroll->setFixedHeight(SourceGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    connect(SourceGridHScroll, &QScrollBar::valueChanged, this, [this](int value) {
        SourceGrid->SetHScrollPosition(value);
        SourceGrid->InvalidateSourceRows(0, SourceGrid->FullyVisibleRows() + 1);
    });
    connect(SourceGrid, &TSourceGrid::BackRequested, this, &TSourceView::ActionHistoryBackExecute);
    SourceGrid->SetBookmarkOfLine([this](int line) { return Bookmarks->SlotAt(CurrentStructure, line); });
    SourceGrid->SetDrawTrace([this](const QString& text) { host_.Trace(1, text); });

    for (QAction* toggle : actions.ViewToggles) {
        Header->ToolBar()->addAction(toggle);
        connect(toggle, &QAction::triggered, this, [this, toggle] { ViewToggle(toggle); });
    }
    Header->ToolBar()->addSeparator();
    connect(actions.Font, &QAction::triggered, this, &TSourceView::ActionFontExecute);
}

void TSourceView::Clear() {
    JumpHistory.Clear();
    Bookmarks->Clear();
    Selection_->ClearMark();
    Popup_->Clear();
    CurrentStructure = -1;
}

void TSourceView::ShowGrid(bool shown, bool scrollBar) {
    SourceGrid->setVisible(shown);
    if (scrollBar) SourceGridHScroll->setVisible(shown);
}

void TSourceView::SetFonts(const QFont& font, bool nonPropFont) {
    SourceGrid->setFont(font);
    QFont drawn = font;
    if (nonPropFont) drawn.setFamily(QStringLiteral("Courier New"));
    SourceDrawFont = drawn;
    SourceGrid->SetDrawFont(drawn);
}

void TSourceView::OptionsApplied() {
    SourceGrid->SetSettings(GridSettings());
    ShowStructure();
}

void TSourceView::Retranslate() {
    Popup_->Retranslate();
    Bookmarks->Retranslate();
}

void TSourceView::PopupmenuSourcePopup() { Popup_->PopupmenuSourcePopup(); }

void TSourceView::MenuItemGotoClick(int gotoKind) { Popup_->MenuItemGotoClick(gotoKind); }

}  // namespace lumorca::gui
