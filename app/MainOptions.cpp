// Start-up, pushing the options into the window, and the window's texts.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QTreeView>

#include "app/ChildWindows.h"
#include "app/ListingWatch.h"
#include "app/CallWindow.h"
#include "app/DebugBar.h"
#include "app/Main.h"
#include "app/MainActions.h"
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
                Debug->SelectTraceLevel(level);
                Debug->ShowPanel();
            }
        } else if (argument == QStringLiteral("-WARNINGSONLY")) {
            WarningsOnly = true;
        }
    }
    OptionWin->LoadOptions();
    Windows_->SetObjectToChildWin();
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
    XRefPart->ShowLanguage(o.Language, !Loading && HasListing());
    Actions->ActionZnrTotal->setChecked(o.DisplayLineNrTotal);
    Actions->ActionZnrTrigger->setChecked(o.DisplayLineNrTrigger);
    Actions->ActionContinue->setChecked(o.DisplayContinueFlag);
    Actions->ActionLowercase->setChecked(o.Lowercase);
    Actions->ActionNonPropFont->setChecked(o.NonPropFont);
    Actions->ActionAutoIndent->setChecked(o.AutoIndent);

    ApplyViewFonts();
    Windows_->ReflectWindowState(Windows_->ChildOf(TWindowId::Structure), o.StructureWin.State);
    Windows_->ReflectWindowState(Windows_->ChildOf(TWindowId::XRef), o.XRefWin.State);
    Windows_->ReflectWindowState(Windows_->ChildOf(TWindowId::Call), o.CallWin.State);
    Windows_->ReflectWindowState(Windows_->ChildOf(TWindowId::Source), o.SourceWin.State);
    Actions->ActionAutoArrange->setChecked(o.AutoSize);

    XRefPart->ArrangeLocals(o.SortLocals);

    if (o.CallWin.State != 1 && !CallPart->CurrentEntry().isEmpty()) CallPart->Refresh();
    AttachHistoryMenu();
    SourcePart->OptionsApplied();
    update();
}

void TMain::LoadLanguageStrings() {
    UseQtTranslations(Options().Language);
    const TMainActions& a = *Actions;
    struct Caption {
        QAction* Action;
        int Text;
        int Hint;
    };
    const Caption captions[] = {
        {a.ActionMenuFile, TextMenuFile, NoText},      {a.ActionOpen, TextOpen, TextHintOpen},          {a.ActionPaste, TextOpenClipboard, TextHintOpenClipboard},
        {a.ActionSave, TextSave, TextHintSave},          {a.ActionExit, TextExit, TextHintExit},          {a.ActionMenuWork, TextMenuWork, NoText},
        {a.ActionPrev, TextPrevTrigger, TextHintPrevTrigger},          {a.ActionNext, TextNextTrigger, TextHintNextTrigger},          {a.ActionHistoryBack, TextBack, TextHintBack},
        {a.ActionFind, TextFind, TextHintFind},         {a.ActionFindNext, TextFindNext, NoText},     {a.ActionCopy, TextCopy, TextHintCopy},
        {a.ActionMenuOptions, TextMenuOptions, NoText},  {a.ActionShowOptions, TextShowOptions, TextHintShowOptions},  {a.ActionResetOptions, TextResetOptions, NoText},
        {a.ActionMenuWindows, TextMenuWindows, NoText},  {a.ActionArrange, TextArrange, NoText},      {a.ActionAutoArrange, TextArrangeAutomatically, TextHintArrange},
        {a.ActionStrukturWin, TextStructureWindow, TextHintStructureWindow},  {a.ActionXRefWin, TextXRefWindow, TextHintXRefWindow},      {a.ActionCallWin, TextCallWindow, TextHintCallWindow},
        {a.ActionSourceWin, TextSourceWindow, TextHintSourceWindow},    {a.ActionMenuHelp, TextMenuHelp, NoText},     {a.ActionAbout, TextAbout, NoText},
        {a.ActionReload, NoText, TextHintReload},       {a.ActionFont, NoText, TextHintFont},         {a.ActionZnrTotal, NoText, TextHintLineNumbers},
        {a.ActionZnrTrigger, NoText, TextHintTriggerLineNumbers},   {a.ActionContinue, NoText, TextHintContinueMark},     {a.ActionLowercase, NoText, TextHintLowercase},
        {a.ActionNonPropFont, NoText, TextHintFixedFont},  {a.ActionAutoIndent, NoText, TextHintAutoIndent},
    };
    for (const Caption& c : captions) {
        if (c.Text != NoText) c.Action->setText(Txt(c.Text));
        if (c.Hint != NoText) c.Action->setToolTip(Txt(c.Hint));
    }
    a.MenuItemFileList->setTitle(Txt(TextLastOpened));
    CallPart->Retranslate([this](int entry) { return Txt(entry); });
    SourcePart->Retranslate();
    Windows_->ChildOf(TWindowId::Structure)->setWindowTitle(Txt(TextStructureTitle));
    Windows_->ChildOf(TWindowId::XRef)->setWindowTitle(Txt(TextXRefTitle));
    Windows_->ChildOf(TWindowId::Call)->setWindowTitle(Txt(TextCallTitle));
    Watch->Retext();
    UpdateCaption();
}

void TMain::ActionResetOptionsExecute() {
    const QString text = Txt(TextAskResetOptions);
    if (Messages->AskYesNo(this, Txt(TextResetDefaults), text) == TAnswer::Yes)
        OptionWin->Options() = OptionWin->DefaultOptions();
}

}  // namespace lumorca::gui
