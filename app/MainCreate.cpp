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

#include "analyzer/ListingLoader.h"
#include "app/CallWindow.h"
#include "app/ImageList.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "app/Main.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"
#include "app/TreeView.h"
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

const char* const TraceLevels[] = {
    "0=No", "1=Drawcell ", "2=Mark", "3=GetEntryOfZnr", "4=TokenList", "5=Cellwidth",
    "6=ResizeWin ", "7=Mark", "8=DoubleClick", "9=HistoryList", "10=FieldList",
    "11=ActiveWindow", "12=TriggerList", "13=Merge Entries (Trigger)", "14=Force Repaint",
    "15=ClientwinResize", "16=KeyDown", "17=Parameter in XREF", "18=Benchmark"};

}  // namespace

TMain::TMain(const QString& programPath, const QString& registryName, TMessageService* messages,
             QWidget* parent)
    : QMainWindow(parent), Messages(messages) {
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

    // The four child windows, in the order the options expect them.
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
    setWindowIcon(TreeImage(ImageForm));
    StructureWin->setWindowIcon(TreeImage(ImageForm));
    XRefWin->setWindowIcon(TreeImage(ImageCategory));
    CallWin->setWindowIcon(TreeImage(ImageEntry));
    SourceWin->setWindowIcon(GlyphIcon(QStringLiteral("{}")));

    OptionWin = std::make_unique<TOptionSettings>(programPath, registryName);
    OptionWin->ChooseSettingsStore();
    OptionWin->SetDefaults();
    OptionWin->SetWindows(this);
    OptionWin->SetApplyOptions([this] { ApplyOptions(); });
    CreateDialogs();

    StructureWin->Bind(ActionStrukturWin, &Options().StructureWin.State);
    XRefWin->Bind(ActionXRefWin, &Options().XRefWin.State);
    CallWin->Bind(ActionCallWin, &Options().CallWin.State);
    SourceWin->Bind(ActionSourceWin, &Options().SourceWin.State);

    // FormCreate
    Loading = Closing = false;
    DebugMemo->clear();
    DEBUGPanel->hide();
    EnableMenuItems(false);
    ListingFileName.clear();
    WarningsOnly = false;
    Services.Beep = [] { QApplication::beep(); };
    ConnectWindowKeys();
    SourcePart->Attach(SourceWin, ListingBar);
    ResizeLocked = false;
    UpdateCaption();
}

TMain::~TMain() {
    for (TChildForm* child : {StructureWin, XRefWin, CallWin, SourceWin}) child->DetachHost();
    // The models point into the trees; detach them before the trees go.
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
    ActionOpen = make("ActionOpen", QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    ActionOpen->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    ActionReload = make("ActionReload", QStringLiteral("Reload"));
    ActionReload->setIcon(s->standardIcon(QStyle::SP_BrowserReload));
    ActionPaste = make("ActionPaste", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    ActionPaste->setIcon(GlyphIcon(QStringLiteral("\u2398")));
    ActionPaste->setIcon(GlyphIcon(QStringLiteral("Cb"), QColor(0x80, 0x50, 0x10)));
    ActionSave = make("ActionSave", QStringLiteral("Save"));
    ActionSave->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    ActionExit = make("ActionExit", QStringLiteral("Exit"));
    ActionPrev = make("ActionPrev", QStringLiteral("Previous"), QKeySequence(Qt::CTRL | Qt::Key_P));
    ActionPrev->setIcon(s->standardIcon(QStyle::SP_ArrowUp));
    ActionNext = make("ActionNext", QStringLiteral("Next"), QKeySequence(Qt::CTRL | Qt::Key_N));
    ActionNext->setIcon(s->standardIcon(QStyle::SP_ArrowDown));
    ActionHistoryBack =
        make("ActionHistoryBack", QStringLiteral("Back"), QKeySequence(Qt::CTRL | Qt::Key_B));
    ActionHistoryBack->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
    ActionFind = make("ActionFind", QStringLiteral("Find"), QKeySequence(Qt::CTRL | Qt::Key_F));
    ActionFind->setIcon(GlyphIcon(QStringLiteral("?")));
    ActionFindNext = make("ActionFindNext", QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3));
    ActionCopy = make("ActionCopy", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    ActionCopy->setIcon(GlyphIcon(QStringLiteral("Cp")));
    ActionShowOptions = make("ActionShowOptions", QStringLiteral("ActionShowOptions"));
    ActionShowOptions->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    ActionResetOptions = make("ActionResetOptions", QStringLiteral("ActionResetOptions"));
    ActionArrange = make("ActionArrange", QStringLiteral("Arrange"));
    ActionAutoArrange = checkable(make("ActionAutoArrange", QStringLiteral("Auto arrange")), true);
    ActionAutoArrange->setIcon(GlyphIcon(QStringLiteral("\u25A5")));
    ActionStrukturWin = checkable(make("ActionStrukturWin", QStringLiteral("StrukturWin")), true);
    ActionStrukturWin->setIcon(GlyphIcon(QStringLiteral("S")));
    ActionXRefWin = checkable(make("ActionXRefWin", QStringLiteral("XRefWin")), true);
    ActionXRefWin->setIcon(GlyphIcon(QStringLiteral("X")));
    ActionCallWin = checkable(make("ActionCallWin", QStringLiteral("CallWin")), true);
    ActionCallWin->setIcon(GlyphIcon(QStringLiteral("C")));
    ActionSourceWin = checkable(make("ActionSourceWin", QStringLiteral("SourceWin")), true);
    ActionSourceWin->setIcon(GlyphIcon(QStringLiteral("Src")));
    ActionAbout = make("ActionAbout", QStringLiteral("About"));
    ActionZnrTotal = checkable(make("ActionZnrTotal", QStringLiteral("LineNumber")), true);
    ActionZnrTotal->setIcon(GlyphIcon(QStringLiteral("#")));
    ActionZnrTrigger = checkable(make("ActionZnrTrigger", QStringLiteral("Line Number of Trigger")), false);
    ActionZnrTrigger->setIcon(GlyphIcon(QStringLiteral("T#")));
    ActionContinue = checkable(make("ActionContinue", QStringLiteral("%\\")), false);
    ActionContinue->setIcon(GlyphIcon(QStringLiteral("%\\")));
    ActionLowercase = checkable(make("ActionLowercase", QStringLiteral("Lowercase")), true);
    ActionLowercase->setIcon(GlyphIcon(QStringLiteral("ab")));
    ActionNonPropFont = checkable(make("ActionNonPropFont", QStringLiteral("ActionNonPropFont")), false);
    ActionNonPropFont->setIcon(GlyphIcon(QStringLiteral("Cn")));
    ActionAutoIndent = checkable(make("ActionAutoIndent", QStringLiteral("AutoIndent")), false);
    ActionAutoIndent->setIcon(GlyphIcon(QStringLiteral("\u21E5")));
    ActionFont = make("ActionFont", QStringLiteral("Font"));

    connect(ActionOpen, &QAction::triggered, this, &TMain::ActionOpenExecute);
    connect(ActionReload, &QAction::triggered, this, &TMain::ActionReloadExecute);
    connect(ActionPaste, &QAction::triggered, this, &TMain::ActionPasteExecute);
    connect(ActionSave, &QAction::triggered, this, [this] { ActionSaveExecute(); });
    connect(ActionExit, &QAction::triggered, this, &TMain::ActionExitExecute);
    connect(ActionResetOptions, &QAction::triggered, this, &TMain::ActionResetOptionsExecute);
    connect(ActionArrange, &QAction::triggered, this, &TMain::ActionArrangeExecute);
    connect(ActionAutoArrange, &QAction::triggered, this, &TMain::ActionAutoArrangeExecute);
    const std::pair<QAction*, TChildForm* TMain::*> toggles[] = {
        {ActionStrukturWin, &TMain::StructureWin},
        {ActionXRefWin, &TMain::XRefWin},
        {ActionCallWin, &TMain::CallWin},
        {ActionSourceWin, &TMain::SourceWin}};
    for (const auto& [action, child] : toggles) {
        // The action's own check has already flipped; the window follows it.
        connect(action, &QAction::triggered, this,
                [this, member = child](bool checked) { toggleWin(this->*member, checked); });
    }
}

void TMain::CreateControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    MdiArea = new QMdiArea(central);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->viewport()->installEventFilter(this);
    layout->addWidget(MdiArea, 1);
    setCentralWidget(central);

    StructurePart = new TStructureWindow(this, Analysis.Structure);
    StructurePart->Outline()->installEventFilter(this);
    connect(StructurePart, &TStructureWindow::CurrentNodeChanged, this, &TMain::StrukturOutlineChange);
    XRefPart = new TXRefWindow(this, Analysis.XRef);
    XRefPart->Outline()->installEventFilter(this);
    connect(XRefPart, &TXRefWindow::CurrentNodeChanged, this, &TMain::XRefOutlineChange);
    connect(XRefPart, &TXRefWindow::FindRequested, this, &TMain::XRefFindDialogClick);
    CallPart = new TCallWindow(this, ListingLines_, Analysis, [this]() -> const TLumorcaOptions& {
        return Options();
    });
    CallPart->Outline()->installEventFilter(this);
    connect(CallPart, &TCallWindow::NodeChosen, this, [this](const NodeRecord& record) {
        if (!Closing && !Loading) SourcePart->GotoReference(record, true);
    });
    connect(CallPart, &TCallWindow::SaveCallGraphRequested, this, [this] { MenuItemSaveCallGraphClick(); });

    const TSourceActions sourceActions{ActionPrev, ActionNext, ActionHistoryBack, ActionFind, ActionFindNext,
                                       ActionCopy, ActionFont,
                                       {ActionZnrTotal, ActionZnrTrigger, ActionContinue, ActionLowercase,
                                        ActionNonPropFont, ActionAutoIndent}};
    SourcePart = new TSourceView(this, ListingLines_, Analysis, *this, sourceActions);
    SourcePart->Client()->installEventFilter(this);
    CreateListingWatch();
    CreateInfoPanels();
    CreateDebugBar();
    layout->addWidget(DEBUGPanel);
}

void TMain::CreateInfoPanels() {
    HidePanel = new QFrame(MdiArea->viewport());
    HidePanel->setObjectName(QStringLiteral("HidePanel"));
    HidePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HidePanel->setLineWidth(2);
    HidePanel->setAutoFillBackground(true);

    // The information panel sits on the hidden-views panel: it shows while
    // the views are hidden, during a load and after a failed one.
    PanelInfo = new QFrame(HidePanel);
    PanelInfo->setObjectName(QStringLiteral("PanelInfo"));
    PanelInfo->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelInfo->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(PanelInfo);
    MemoInfo = new QPlainTextEdit(PanelInfo);
    MemoInfo->setObjectName(QStringLiteral("MemoInfo"));
    MemoInfo->setReadOnly(true);
    LabelCurrentTask = new QLabel(PanelInfo);
    LabelCurrentTask->setObjectName(QStringLiteral("LabelCurrentTask"));
    ProgressBar = new QProgressBar(PanelInfo);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setTextVisible(false);
    ProgressBar->hide();
    layout->addWidget(MemoInfo, 1);
    layout->addWidget(LabelCurrentTask);
    layout->addWidget(ProgressBar);
    PanelInfo->resize(420, 220);
    PanelInfo->hide();
}

void TMain::CreateDebugBar() {
    DEBUGPanel = new QWidget(this);
    DEBUGPanel->setObjectName(QStringLiteral("DEBUGPanel"));
    auto* layout = new QVBoxLayout(DEBUGPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    DebugMemo = new QPlainTextEdit(DEBUGPanel);
    DebugMemo->setObjectName(QStringLiteral("DebugMemo"));
    DebugMemo->setReadOnly(true);
    DebugMemo->setMaximumBlockCount(20000);
    DebugMemo->setFixedHeight(140);
    DebugMemo->viewport()->installEventFilter(this);
    layout->addWidget(DebugMemo);

    DEBUGOption = new QComboBox(this);
    DEBUGOption->setObjectName(QStringLiteral("DEBUGOption"));
    for (const char* level : TraceLevels) DEBUGOption->addItem(QString::fromLatin1(level));
    DEBUGOption->setCurrentIndex(-1);
    connect(DEBUGOption, &QComboBox::currentIndexChanged, this, [this](int index) {
        DEBUGPanel->setVisible(index > 0);
        DebugMemo->clear();
        FormResize();
    });
    CheckBoxINI = new QCheckBox(QStringLiteral("Save INI"), this);
    CheckBoxINI->setObjectName(QStringLiteral("CheckBoxINI"));
    CheckBoxINI->setChecked(true);
}

void TMain::CreateMenus() {
    MenuFile = menuBar()->addMenu(QStringLiteral("&File   "));
    ActionMenuFile = MenuFile->menuAction();
    MenuFile->addAction(ActionOpen);
    MenuItemFileList = MenuFile->addMenu(QStringLiteral("Last opened"));
    MenuItemFileList->setObjectName(QStringLiteral("MenuItemFileList"));
    MenuFile->addAction(ActionPaste);
    MenuFile->addAction(ActionReload);
    MenuFile->addAction(ActionSave);
    MenuFile->addSeparator();
    MenuFile->addAction(ActionExit);

    MenuWork = menuBar()->addMenu(QStringLiteral("&Work        "));
    ActionMenuWork = MenuWork->menuAction();
    for (QAction* a : {ActionPrev, ActionNext, ActionHistoryBack}) MenuWork->addAction(a);
    MenuWork->addSeparator();
    for (QAction* a : {ActionFind, ActionFindNext, ActionCopy}) MenuWork->addAction(a);

    MenuOptions = menuBar()->addMenu(QStringLiteral("&Options     "));
    ActionMenuOptions = MenuOptions->menuAction();
    MenuOptions->addAction(ActionShowOptions);
    MenuOptions->addAction(ActionResetOptions);

    MenuWindows = menuBar()->addMenu(QStringLiteral("&Windows    "));
    ActionMenuWindows = MenuWindows->menuAction();
    MenuWindows->addAction(ActionArrange);
    MenuWindows->addAction(ActionAutoArrange);
    MenuWindows->addSeparator();
    MenuWindows->addAction(ActionStrukturWin);
    MenuWindows->addAction(ActionXRefWin);
    // The call window's item is not bound to its action and stays hidden.
    QAction* callItem = MenuWindows->addAction(QStringLiteral("CallWin"));
    callItem->setVisible(false);
    MenuWindows->addAction(ActionSourceWin);

    MenuHelp = menuBar()->addMenu(QStringLiteral("&Help     "));
    ActionMenuHelp = MenuHelp->menuAction();
    MenuHelp->addAction(ActionAbout);

}

void TMain::CreateToolBars() {
    ToolBarButtons = addToolBar(QStringLiteral("ToolBarButtons"));
    ToolBarButtons->setObjectName(QStringLiteral("ToolBarButtons"));
    ToolBarButtons->setIconSize(QSize(20, 20));
    for (QAction* a : {ActionOpen, ActionReload, ActionPaste, ActionSave}) ToolBarButtons->addAction(a);
    ToolBarButtons->addSeparator();
    for (QAction* a : {ActionHistoryBack, ActionFind, ActionCopy}) ToolBarButtons->addAction(a);
    ToolBarButtons->addSeparator();
    ToolBarButtons->addAction(ActionShowOptions);
    ToolBarButtons->addAction(ActionAutoArrange);
    ToolBarButtons->addSeparator();
    for (QAction* a : {ActionStrukturWin, ActionXRefWin, ActionCallWin, ActionSourceWin})
        ToolBarButtons->addAction(a);

    ToolBarDebug = addToolBar(QStringLiteral("ToolBarDebug"));
    ToolBarDebug->setObjectName(QStringLiteral("ToolBarDebug"));
    ToolBarDebug->addWidget(DEBUGOption);
    ToolBarDebug->addAction(ActionPrev);
    ToolBarDebug->addAction(ActionNext);
    ToolBarDebug->addWidget(CheckBoxINI);
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
    for (QAction* a : {ActionPrev, ActionNext, ActionFind, ActionFindNext, ActionStrukturWin,
                       ActionXRefWin, ActionCallWin, ActionSourceWin})
        a->setEnabled(enabled);
    ActionSave->setEnabled(enabled && ListingFileName == QStringLiteral("(Paste)"));
    if (enabled) {
        ActionArrange->setEnabled(true);
    } else {
        ActionHistoryBack->setEnabled(false);
        ActionArrange->setEnabled(false);
    }
    XRefPart->EnablePopup(enabled);
    if (!ResizeLocked) UpdateCaption();
}

QString TMain::Txt(int entry) const {
    const int language = OptionWin ? OptionWin->Options().Language : 1;
    const std::string& text = lumorca::Text(entry, language);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

int TMain::Level() const {
    return DEBUGOption->currentIndex() < 0 ? 0 : DEBUGOption->currentIndex();
}

void TMain::Line(const std::string& text) {
    DebugMemo->appendPlainText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TMain::Trace(int level, const QString& text) {
    if (Level() == level) DebugMemo->appendPlainText(text);
}

void TMain::ClearTrace() {
    DebugMemo->clear();
}

void TMain::NotFoundBeep() {
    if (Services.Beep) Services.Beep();
}

void TMain::SelectTraceLevel(int level) {
    DEBUGOption->setCurrentIndex(level);
}

}  // namespace lumorca::gui
