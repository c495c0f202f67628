// Start-up, pushing the options into the window, and the window's texts.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeView>

#include "app/ListingBar.h"
#include "app/Main.h"
#include "app/QtTranslations.h"
#include "app/SourceGrid.h"
#include "app/TreeModel.h"
#include "analyzer/XRefTree.h"

namespace lumorca::gui {

namespace {

// The debug level after "-DEBUG=": two characters, decimal, else none.
int DebugLevelOf(const QString& argument) {
    if (argument.size() < 8 || argument[6] != QLatin1Char('=')) return -1;
    bool ok = false;
    const int level = argument.mid(7, 2).toInt(&ok, 10);
    if (!ok || argument.mid(7, 2).trimmed() != argument.mid(7, 2)) return -1;
    return level;
}

}  // namespace

void TMain::Startup(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.left(6) == QStringLiteral("-DEBUG")) {
            ToolBarDebug->show();
            if (argument.size() > 6 && argument[6] == QLatin1Char('=')) {
                const int level = DebugLevelOf(argument);
                SelectTraceLevel(level >= 0 && level < DEBUGOption->count() ? level : -1);
                DEBUGPanel->show();
            }
        } else if (argument == QStringLiteral("-WARNINGSONLY")) {
            WarningsOnly = true;
        }
    }
    OptionWin->LoadOptions();
    SetObjectToChildWin();
    for (int i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            LoadFile(arguments[i]);
            break;
        }
    }
    showWindows();
}

void TMain::ApplyViewFonts() {
    const TLumorcaOptions& o = Options();
    StrukturOutline->setFont(o.StructureWin.Font.ToQFont());
    XRefOutline->setFont(o.XRefWin.Font.ToQFont());
    CallOutline->setFont(o.CallWin.Font.ToQFont());
    QFont source = o.SourceWin.Font.ToQFont();
    SourceGrid->setFont(source);
    if (o.NonPropFont) source.setFamily(QStringLiteral("Courier New"));
    SourceDrawFont = source;
    SourceGrid->SetDrawFont(source);
}

void TMain::ApplyOptions() {
    TLumorcaOptions& o = Options();
    LoadLanguageStrings();
    if (HasListing()) {
        FillXRefPopup(ApplyXRefCaptions(Analysis.XRef, o.Language));
        for (TreeNode* category : Analysis.XRef.FirstRoot()->Children) XRefModel->NodeChanged(category);
    }
    ActionZnrTotal->setChecked(o.DisplayLineNrTotal);
    ActionZnrTrigger->setChecked(o.DisplayLineNrTrigger);
    ActionContinue->setChecked(o.DisplayContinueFlag);
    ActionLowercase->setChecked(o.Lowercase);
    ActionNonPropFont->setChecked(o.NonPropFont);
    ActionAutoIndent->setChecked(o.AutoIndent);

    ApplyViewFonts();
    ReflectWindowState(StructureWin, o.StructureWin.State);
    ReflectWindowState(XRefWin, o.XRefWin.State);
    ReflectWindowState(CallWin, o.CallWin.State);
    ReflectWindowState(SourceWin, o.SourceWin.State);
    ActionAutoArrange->setChecked(o.AutoSize);

    // Regrouping moves nodes: the view is told the whole tree changed.
    if (HasListing() && (o.SortLocals != ArrangedSortLocals || o.Language != ArrangedLanguage)) {
        XRefModel->BeginRebuild();
        ArrangeLocals(Analysis.XRef, o.SortLocals, o.Language);
        XRefModel->EndRebuild();
        XRefOutline->expand(XRefModel->index(0, 0));
        ArrangedSortLocals = o.SortLocals;
        ArrangedLanguage = o.Language;
    }

    if (o.CallWin.State != 1 && !ComboBoxEntryList->currentText().isEmpty()) {
        CallTree.Clear();
        ComboBoxEntryListChange();
    }
    AttachHistoryMenu();
    SourceGrid->SetSettings(GridSettings());
    ShowStructure();
    update();
}

void TMain::LoadLanguageStrings() {
    UseQtTranslations(Options().Language);
    struct Caption {
        QAction* Action;
        int Text;
        int Hint;
    };
    const Caption captions[] = {
        {ActionMenuFile, 0, -1},      {ActionOpen, 1, 58},          {ActionPaste, 3, 60},
        {ActionSave, 4, 61},          {ActionExit, 5, 62},          {ActionMenuWork, 6, -1},
        {ActionPrev, 7, 72},          {ActionNext, 8, 73},          {ActionHistoryBack, 9, 74},
        {ActionFind, 10, 63},         {ActionFindNext, 11, -1},     {ActionCopy, 12, 65},
        {ActionMenuOptions, 13, -1},  {ActionShowOptions, 14, 66},  {ActionResetOptions, 15, -1},
        {ActionMenuWindows, 16, -1},  {ActionArrange, 17, -1},      {ActionAutoArrange, 18, 67},
        {ActionStrukturWin, 19, 68},  {ActionXRefWin, 20, 69},      {ActionCallWin, 21, 70},
        {ActionSourceWin, 22, 71},    {ActionMenuHelp, 23, -1},     {ActionAbout, 24, -1},
        {ActionReload, -1, 59},       {ActionFont, -1, 64},         {ActionZnrTotal, -1, 75},
        {ActionZnrTrigger, -1, 76},   {ActionContinue, -1, 77},     {ActionLowercase, -1, 78},
        {ActionNonPropFont, -1, 79},  {ActionAutoIndent, -1, 80},
    };
    for (const Caption& c : captions) {
        if (c.Text >= 0) c.Action->setText(Txt(c.Text));
        if (c.Hint >= 0) c.Action->setToolTip(Txt(c.Hint));
    }
    MenuItemFileList->setTitle(Txt(2));
    MenuItemCollapseCalltree->setText(Txt(46));
    MenuItemExpandCalltree->setText(Txt(47));
    MenuItemSaveCallGraph->setText(Txt(201));
    MenuItemZoomLine->setText(Txt(48));
    MenuItemAufruf->setTitle(Txt(49));
    MenuItemAllesKopieren->setText(Txt(50));
    MenuItemZeileKopieren->setText(Txt(51));
    MenuItemCopyBreakpoint->setText(Txt(52));
    MenuItemSetBookmark->setTitle(Txt(54));
    MenuItemGotoBookmark->setTitle(Txt(55));
    MenuItemShowParam->setText(Txt(56));
    MenuItemShowLocal->setText(Txt(57));
    RadioButtonCalledFrom->setText(Txt(102));
    RadioButtonCalling->setText(Txt(103));
    for (int n = 0; n < 10; ++n) {
        int32_t s = -1;
        int32_t l = -1;
        setBookmarkMenuItem(n, Bookmarks.GetPosition(n, s, l));
    }
    StructureWin->setWindowTitle(Txt(81));
    XRefWin->setWindowTitle(Txt(82));
    CallWin->setWindowTitle(Txt(83));
    ListingBar->Retext();
    UpdateCaption();
}

void TMain::ActionResetOptionsExecute() {
    const QString text = Txt(109);
    if (Messages->AskYesNo(this, Txt(107), text) == TAnswer::Yes)
        OptionWin->Options = OptionWin->DefaultOptions;
}

}  // namespace lumorca::gui

namespace lumorca::gui {

void TMain::FillXRefPopup(const std::vector<std::string>& captions) {
    PopupmenuXRef->clear();
    for (const std::string& caption : captions) {
        // The last item finds a symbol; it is no toggle.
        const bool isFind = &caption == &captions.back();
        if (caption == "-") {
            PopupmenuXRef->addSeparator();
            continue;
        }
        QAction* item = PopupmenuXRef->addAction(
            QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
        item->setCheckable(!isFind);
        item->setEnabled(!Loading && HasListing());
    }
}

// A category or group at level 1 shows in its tree's pop-up whether it is open.
void TMain::AdjustPopupCheck(QMenu* popup, const TreeNode* node, bool expanded) {
    if (node == nullptr || node->Level() != 1) return;
    const QString caption =
        QString::fromLatin1(node->Caption.data(), static_cast<qsizetype>(node->Caption.size()));
    for (QAction* item : popup->actions()) {
        if (item->text() == caption) {
            item->setChecked(expanded);
            return;
        }
    }
}

}  // namespace lumorca::gui
