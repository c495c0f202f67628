// Creation of the main window: controls, actions, menus and tool bars.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <array>

#include "analyzer/ListingLoader.h"
#include "app/CallWindow.h"
#include "app/ChildWindows.h"
#include "app/DebugBar.h"
#include "app/ImageList.h"
#include "app/ListingWatch.h"
#include "app/InfoPanel.h"
#include "app/MainActions.h"
#include "app/MainDialogs.h"
#include "app/MainSourceLink.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "app/Main.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"
#include "app/TreeView.h"
#include "dialogs/ProgramIcon.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

namespace lumorca::gui {

namespace {

// A tool button image made of a short text, for the view switches that
// have no standard image.
QIcon GlyphIcon(const QString& glyph, QColor colour = QColor(0x20, 0x40, 0x90)) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("Sans Serif"));
        font.setBold(true);
        font.setPixelSize(glyph.size() > 2 ? size * 7 / 16 : size * 10 / 16);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

TMain::TMain(const QString& programPath, const QString& registryName, TMessageService* messages,
             QWidget* parent)
    : QMainWindow(parent), Actions(std::make_unique<TMainActions>()), Messages(messages) {
    ResizeLocked = true;
    setObjectName(QStringLiteral("Main"));
    setAcceptDrops(true);
    Services.Analyzer = [](ListingLines& lines, const AnalysisSettings& settings, AnalysisObserver* observer,
                  TraceSink* trace) {
        LoadedListing loaded = AnalyzeReadListing(std::move(lines), settings, observer, trace);
        lines = std::move(loaded.Lines);
        return std::move(loaded.Analysis);
    };

    CreateActions();
    CreateControls();
    CreateMenus();
    CreateToolBars();

    Windows_->CreateChildren();
    setWindowIcon(TreeImage(ImageForm));
    const std::array<QIcon, 4> childIcons{TreeImage(ImageForm), TreeImage(ImageCategory), TreeImage(ImageEntry),
                                          GlyphIcon(QStringLiteral("{}"))};
    for (size_t i = 0; i < childIcons.size(); ++i) Windows_->Children()[i]->setWindowIcon(childIcons[i]);

    OptionWin = std::make_unique<TOptionSettings>(programPath, registryName);
    OptionWin->ChooseSettingsStore();
    OptionWin->SetDefaults();
    OptionWin->SetWindows(Windows_.get());
    OptionWin->SetApplyOptions([this] { ApplyOptions(); });
    setWindowIcon(lumorca::ProgramIcon());
    Dialogs = std::make_unique<TMainDialogs>(
        this, *OptionWin, Services, [this]() -> TMessageService& { return *Messages; }, Analysis, *XRefPart, *Windows_);
    connect(Actions->ActionShowOptions, &QAction::triggered, this, &TMain::ActionShowOptionsExecute);
    connect(Actions->ActionAbout, &QAction::triggered, this, [this] { Dialogs->ActionAboutExecute(); });

    Windows_->Bind(*Actions);

    // FormCreate
    Loading = Closing = false;
    Debug->Clear();
    Debug->HidePanel();
    EnableMenuItems(false);
    ListingFileName.clear();
    WarningsOnly = false;
    Services.Beep = [] { QApplication::beep(); };
    Windows_->ConnectWindowKeys({{{StructurePart->Outline(), StructurePart->Outline()},
                                  {XRefPart->Outline(), XRefPart->Outline()},
                                  {CallPart->Client(), CallPart->Outline()},
                                  {SourcePart->Client(), SourcePart->Grid()}}});
    SourcePart->Attach(Windows_->ChildOf(TWindowId::Source), Watch->Bar());
    ResizeLocked = false;
    UpdateCaption();
}

TMain::~TMain() {
    for (TChildForm* child : Windows_->Children()) child->DetachHost();
}

void TMain::SetServices(const TMainServices& services) {
    auto take = [](auto& own, const auto& given) {
        if (given) own = given;
    };
    take(Services.Analyzer, services.Analyzer);
    take(Services.ClipboardText, services.ClipboardText);
    take(Services.SaveFileName, services.SaveFileName);
    take(Services.OpenFileName, services.OpenFileName);
    take(Services.CallGraphFileName, services.CallGraphFileName);
    take(Services.Beep, services.Beep);
    take(Services.AboutBoxOpened, services.AboutBoxOpened);
    take(Messages, services.Messages);
}

void TMain::CreateActions() {
    TMainActions& a = *Actions;
    auto make = [this](const char* name, const QString& caption, QKeySequence shortcut = {}) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        return action;
    };
    auto checkable = [](QAction* action, bool checked) {
        action->setCheckable(true);
        action->setChecked(checked);
        return action;
    };
    QStyle* s = style();
    a.ActionOpen = make("ActionOpen", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    a.ActionOpen->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    a.ActionReload = make("ActionReload", QStringLiteral("Reload"));
    a.ActionReload->setIcon(s->standardIcon(QStyle::SP_BrowserReload));
    a.ActionPaste = make("ActionPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    a.ActionPaste->setIcon(GlyphIcon(QStringLiteral("\u2398")));
    a.ActionPaste->setIcon(GlyphIcon(QStringLiteral("Cb"), QColor(0x80, 0x50, 0x10)));
    a.ActionSave = make("ActionSave", QStringLiteral("Save"));
    a.ActionSave->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    a.ActionExit = make("ActionExit", QStringLiteral("Exit"));
    a.ActionPrev = make("ActionPrev", QStringLiteral("Previous"), QKeySequence(Qt::CTRL | Qt::Key_P));
    a.ActionPrev->setIcon(s->standardIcon(QStyle::SP_ArrowUp));
    a.ActionNext = make("ActionNext", QStringLiteral("Next"), QKeySequence(Qt::CTRL | Qt::Key_N));
    a.ActionNext->setIcon(s->standardIcon(QStyle::SP_ArrowDown));
    a.ActionHistoryBack =
        make("ActionHistoryBack", QStringLiteral("Back"), QKeySequence(Qt::CTRL | Qt::Key_B));
    a.ActionHistoryBack->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
    a.ActionFind = make("ActionFind", QStringLiteral("Find"), QKeySequence(Qt::CTRL | Qt::Key_F));
    a.ActionFind->setIcon(GlyphIcon(QStringLiteral("?")));
    a.ActionFindNext = make("ActionFindNext", QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3));
    a.ActionCopy = make("ActionCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    a.ActionCopy->setIcon(GlyphIcon(QStringLiteral("Cp")));
    a.ActionShowOptions = make("ActionShowOptions", QStringLiteral("ActionShowOptions"));
    a.ActionShowOptions->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    a.ActionResetOptions = make("ActionResetOptions", QStringLiteral("ActionResetOptions"));
    a.ActionArrange = make("ActionArrange", QStringLiteral("Arrange"));
    a.ActionAutoArrange = checkable(make("ActionAutoArrange", QStringLiteral("Auto arrange")), true);
    a.ActionAutoArrange->setIcon(GlyphIcon(QStringLiteral("\u25A5")));
    a.ActionStrukturWin = checkable(make("ActionStrukturWin", QStringLiteral("StrukturWin")), true);
    a.ActionStrukturWin->setIcon(GlyphIcon(QStringLiteral("S")));
    a.ActionXRefWin = checkable(make("ActionXRefWin", QStringLiteral("XRefWin")), true);
    a.ActionXRefWin->setIcon(GlyphIcon(QStringLiteral("X")));
    a.ActionCallWin = checkable(make("ActionCallWin", QStringLiteral("CallWin")), true);
    a.ActionCallWin->setIcon(GlyphIcon(QStringLiteral("C")));
    a.ActionSourceWin = checkable(make("ActionSourceWin", QStringLiteral("SourceWin")), true);
    a.ActionSourceWin->setIcon(GlyphIcon(QStringLiteral("Src")));
    a.ActionAbout = make("ActionAbout", QStringLiteral("About"));
    a.ActionZnrTotal = checkable(make("ActionZnrTotal", QStringLiteral("LineNumber")), true);
    a.ActionZnrTotal->setIcon(GlyphIcon(QStringLiteral("#")));
    a.ActionZnrTrigger = checkable(make("ActionZnrTrigger", QStringLiteral("Line Number of Trigger")), false);
    a.ActionZnrTrigger->setIcon(GlyphIcon(QStringLiteral("T#")));
    a.ActionContinue = checkable(make("ActionContinue", QStringLiteral("%\\")), false);
    a.ActionContinue->setIcon(GlyphIcon(QStringLiteral("%\\")));
    a.ActionLowercase = checkable(make("ActionLowercase", QStringLiteral("Lowercase")), true);
    a.ActionLowercase->setIcon(GlyphIcon(QStringLiteral("ab")));
    a.ActionNonPropFont = checkable(make("ActionNonPropFont", QStringLiteral("ActionNonPropFont")), false);
    a.ActionNonPropFont->setIcon(GlyphIcon(QStringLiteral("Cn")));
    a.ActionAutoIndent = checkable(make("ActionAutoIndent", QStringLiteral("AutoIndent")), false);
    a.ActionAutoIndent->setIcon(GlyphIcon(QStringLiteral("\u21E5")));
    a.ActionFont = make("ActionFont", QStringLiteral("Font"));

    connect(a.ActionOpen, &QAction::triggered, this, &TMain::ActionOpenExecute);
    connect(a.ActionReload, &QAction::triggered, this, &TMain::ActionReloadExecute);
    connect(a.ActionPaste, &QAction::triggered, this, &TMain::ActionPasteExecute);
    connect(a.ActionSave, &QAction::triggered, this, [this] { ActionSaveExecute(); });
    connect(a.ActionExit, &QAction::triggered, this, &TMain::ActionExitExecute);
    connect(a.ActionResetOptions, &QAction::triggered, this, &TMain::ActionResetOptionsExecute);
}

void TMain::CreateControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Windows_ = std::make_unique<TChildWindows>(
        central, TChildWindows::THost{this, [this] { return Closing || ResizeLocked; }, [this] { return Loading; },
                                      [this]() -> TLumorcaOptions& { return Options(); },
                                      [this](const QString& line) { Debug->Trace(6, line); },
                                      [this] {
                                          SourcePart->ResizeSourceGridCols();
                                          if (Info) Info->Fit();
                                      }});
    Windows_->Area()->viewport()->installEventFilter(this);
    layout->addWidget(Windows_->Area(), 1);
    setCentralWidget(central);

    StructurePart = new TStructureWindow(this, Analysis.Structure);
    StructurePart->Outline()->installEventFilter(this);
    connect(StructurePart, &TStructureWindow::CurrentNodeChanged, this, &TMain::StrukturOutlineChange);
    XRefPart = new TXRefWindow(this, Analysis.XRef);
    XRefPart->Outline()->installEventFilter(this);
    connect(XRefPart, &TXRefWindow::CurrentNodeChanged, this,
            [this](TreeNode* node) { SourceLink_->XRefOutlineChange(node); });
    connect(XRefPart, &TXRefWindow::FindRequested, this, &TMain::XRefFindDialogClick);
    CallPart = new TCallWindow(this, ListingLines_, Analysis, [this]() -> const TLumorcaOptions& {
        return Options();
    });
    CallPart->Outline()->installEventFilter(this);
    connect(CallPart, &TCallWindow::NodeChosen, this, [this](const NodeRecord& record) {
        if (!Closing && !Loading) SourcePart->GotoReference(record, true);
    });
    connect(CallPart, &TCallWindow::SaveCallGraphRequested, this, [this] { MenuItemSaveCallGraphClick(); });

    const TMainActions& a = *Actions;
    const TSourceActions sourceActions{a.ActionPrev, a.ActionNext, a.ActionHistoryBack, a.ActionFind,
                                       a.ActionFindNext, a.ActionCopy, a.ActionFont,
                                       {a.ActionZnrTotal, a.ActionZnrTrigger, a.ActionContinue,
                                        a.ActionLowercase, a.ActionNonPropFont, a.ActionAutoIndent}};
    SourceLink_ = std::make_unique<SourceLink>(*this);
    SourcePart = new TSourceView(this, ListingLines_, Analysis, *SourceLink_, sourceActions);
    SourcePart->Client()->installEventFilter(this);
    CreateListingWatch();
    Info = std::make_unique<TInfoPanel>(Windows_->Area()->viewport());
    Debug = new TDebugBar(this);
    connect(Debug, &TDebugBar::PanelChanged, this, [this] { Windows_->FormResize(); });
    layout->addWidget(Debug->Panel());
}

void TMain::CreateMenus() {
    TMainActions& a = *Actions;
    a.MenuFile = menuBar()->addMenu(QStringLiteral("&File   "));
    a.ActionMenuFile = a.MenuFile->menuAction();
    a.MenuFile->addAction(a.ActionOpen);
    a.MenuItemFileList = a.MenuFile->addMenu(QStringLiteral("Last opened"));
    a.MenuItemFileList->setObjectName(QStringLiteral("MenuItemFileList"));
    a.MenuFile->addAction(a.ActionPaste);
    a.MenuFile->addAction(a.ActionReload);
    a.MenuFile->addAction(a.ActionSave);
    a.MenuFile->addSeparator();
    a.MenuFile->addAction(a.ActionExit);

    a.MenuWork = menuBar()->addMenu(QStringLiteral("&Work        "));
    a.ActionMenuWork = a.MenuWork->menuAction();
    for (QAction* action : {a.ActionPrev, a.ActionNext, a.ActionHistoryBack}) a.MenuWork->addAction(action);
    a.MenuWork->addSeparator();
    for (QAction* action : {a.ActionFind, a.ActionFindNext, a.ActionCopy}) a.MenuWork->addAction(action);

    a.MenuOptions = menuBar()->addMenu(QStringLiteral("&Options     "));
    a.ActionMenuOptions = a.MenuOptions->menuAction();
    a.MenuOptions->addAction(a.ActionShowOptions);
    a.MenuOptions->addAction(a.ActionResetOptions);

    a.MenuWindows = menuBar()->addMenu(QStringLiteral("&Windows    "));
    a.ActionMenuWindows = a.MenuWindows->menuAction();
    a.MenuWindows->addAction(a.ActionArrange);
    a.MenuWindows->addAction(a.ActionAutoArrange);
    a.MenuWindows->addSeparator();
    a.MenuWindows->addAction(a.ActionStrukturWin);
    a.MenuWindows->addAction(a.ActionXRefWin);
    // The call window's item is not bound to its action and stays hidden.
    QAction* callItem = a.MenuWindows->addAction(QStringLiteral("CallWin"));
    callItem->setVisible(false);
    a.MenuWindows->addAction(a.ActionSourceWin);

    a.MenuHelp = menuBar()->addMenu(QStringLiteral("&Help     "));
    a.ActionMenuHelp = a.MenuHelp->menuAction();
    a.MenuHelp->addAction(a.ActionAbout);

}

void TMain::CreateToolBars() {
    TMainActions& a = *Actions;
    ToolBarButtons = addToolBar(QStringLiteral("ToolBarButtons"));
    ToolBarButtons->setObjectName(QStringLiteral("ToolBarButtons"));
    ToolBarButtons->setIconSize(QSize(20, 20));
    for (QAction* action : {a.ActionOpen, a.ActionReload, a.ActionPaste, a.ActionSave})
        ToolBarButtons->addAction(action);
    ToolBarButtons->addSeparator();
    for (QAction* action : {a.ActionHistoryBack, a.ActionFind, a.ActionCopy}) ToolBarButtons->addAction(action);
    ToolBarButtons->addSeparator();
    ToolBarButtons->addAction(a.ActionShowOptions);
    ToolBarButtons->addAction(a.ActionAutoArrange);
    ToolBarButtons->addSeparator();
    for (QAction* action : {a.ActionStrukturWin, a.ActionXRefWin, a.ActionCallWin, a.ActionSourceWin})
        ToolBarButtons->addAction(action);

    ToolBarDebug = addToolBar(QStringLiteral("ToolBarDebug"));
    ToolBarDebug->setObjectName(QStringLiteral("ToolBarDebug"));
    ToolBarDebug->addWidget(Debug->LevelBox());
    ToolBarDebug->addAction(a.ActionPrev);
    ToolBarDebug->addAction(a.ActionNext);
    ToolBarDebug->addWidget(Debug->SaveIniBox());
    // Quick-load buttons for the files u1.txt .. u4.txt beside the program.
    const QString dir = QCoreApplication::applicationDirPath();
    for (int i = 1; i <= 4; ++i) {
        const QString name = QStringLiteral("U%1").arg(i);
        const QString file = QDir(dir).filePath(name.toLower() + QStringLiteral(".txt"));
        if (!QFileInfo::exists(file)) continue;
        QAction* button = ToolBarDebug->addAction(name);
        button->setObjectName(name);
        connect(button, &QAction::triggered, this, [this, file] { LoadFile(file); });
    }
    ToolBarDebug->hide();
}

void TMain::EnableMenuItems(bool enabled) {
    TMainActions& a = *Actions;
    for (QAction* action : {a.ActionPrev, a.ActionNext, a.ActionFind, a.ActionFindNext,
                            a.ActionStrukturWin, a.ActionXRefWin, a.ActionCallWin, a.ActionSourceWin})
        action->setEnabled(enabled);
    a.ActionSave->setEnabled(enabled && ListingFileName == QStringLiteral("(Paste)"));
    if (enabled) {
        a.ActionArrange->setEnabled(true);
    } else {
        a.ActionHistoryBack->setEnabled(false);
        a.ActionArrange->setEnabled(false);
    }
    XRefPart->EnablePopup(enabled);
    if (!ResizeLocked) UpdateCaption();
}

QString TMain::Txt(int entry) const {
    const int language = OptionWin ? OptionWin->Options().Language : 1;
    const std::string& text = lumorca::Text(entry, language);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lumorca::gui
