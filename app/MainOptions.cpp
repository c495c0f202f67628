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
#include "app/CallWindow.h"
#include "app/Main.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "app/QtTranslations.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"
#include "analyzer/XRefTree.h"
#include "texts/TextIds.h"

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
    StructurePart->Outline()->setFont(o.StructureWin.Font.ToQFont());
    XRefPart->Outline()->setFont(o.XRefWin.Font.ToQFont());
    CallPart->Outline()->setFont(o.CallWin.Font.ToQFont());
    SourcePart->SetFonts(o.SourceWin.Font.ToQFont(), o.NonPropFont);
}

void TMain::ApplyOptions() {
    TLumorcaOptions& o = Options();
    LoadLanguageStrings();
    XRefPart->RenameCategories(o.Language, !Loading && HasListing());
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

    XRefPart->ArrangeLocals(o.SortLocals, o.Language);

    if (o.CallWin.State != 1 && !CallPart->CurrentEntry().isEmpty()) CallPart->Refresh();
    AttachHistoryMenu();
    SourcePart->OptionsApplied();
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
        {ActionMenuFile, TextMenuFile, NoText},      {ActionOpen, TextOpen, TextHintOpen},          {ActionPaste, TextOpenClipboard, TextHintOpenClipboard},
        {ActionSave, TextSave, TextHintSave},          {ActionExit, TextExit, TextHintExit},          {ActionMenuWork, TextMenuWork, NoText},
        {ActionPrev, TextPrevTrigger, TextHintPrevTrigger},          {ActionNext, TextNextTrigger, TextHintNextTrigger},          {ActionHistoryBack, TextBack, TextHintBack},
        {ActionFind, TextFind, TextHintFind},         {ActionFindNext, TextFindNext, NoText},     {ActionCopy, TextCopy, TextHintCopy},
        {ActionMenuOptions, TextMenuOptions, NoText},  {ActionShowOptions, TextShowOptions, TextHintShowOptions},  {ActionResetOptions, TextResetOptions, NoText},
        {ActionMenuWindows, TextMenuWindows, NoText},  {ActionArrange, TextArrange, NoText},      {ActionAutoArrange, TextArrangeAutomatically, TextHintArrange},
        {ActionStrukturWin, TextStructureWindow, TextHintStructureWindow},  {ActionXRefWin, TextXRefWindow, TextHintXRefWindow},      {ActionCallWin, TextCallWindow, TextHintCallWindow},
        {ActionSourceWin, TextSourceWindow, TextHintSourceWindow},    {ActionMenuHelp, TextMenuHelp, NoText},     {ActionAbout, TextAbout, NoText},
        {ActionReload, NoText, TextHintReload},       {ActionFont, NoText, TextHintFont},         {ActionZnrTotal, NoText, TextHintLineNumbers},
        {ActionZnrTrigger, NoText, TextHintTriggerLineNumbers},   {ActionContinue, NoText, TextHintContinueMark},     {ActionLowercase, NoText, TextHintLowercase},
        {ActionNonPropFont, NoText, TextHintFixedFont},  {ActionAutoIndent, NoText, TextHintAutoIndent},
    };
    for (const Caption& c : captions) {
        if (c.Text != NoText) c.Action->setText(Txt(c.Text));
        if (c.Hint != NoText) c.Action->setToolTip(Txt(c.Hint));
    }
    MenuItemFileList->setTitle(Txt(TextLastOpened));
    CallPart->Retranslate([this](int entry) { return Txt(entry); });
    SourcePart->Retranslate();
    StructureWin->setWindowTitle(Txt(TextStructureTitle));
    XRefWin->setWindowTitle(Txt(TextXRefTitle));
    CallWin->setWindowTitle(Txt(TextCallTitle));
    ListingBar->Retext();
    UpdateCaption();
}

void TMain::ActionResetOptionsExecute() {
    const QString text = Txt(TextAskResetOptions);
    if (Messages->AskYesNo(this, Txt(TextResetDefaults), text) == TAnswer::Yes)
        OptionWin->Options() = OptionWin->DefaultOptions();
}

}  // namespace lumorca::gui
