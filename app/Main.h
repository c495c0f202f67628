#pragma once
// The main window: the frame with menus and tool bars, the owner of every
// view control and of the shown listing. Its handlers are spread over
// MainCreate, MainLoading, MainSourceView, MainNavigation, MainArrange,
// MainOptions and MainCallWindow by subject.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "analyzer/Analysis.h"
#include "analyzer/SourceJumps.h"
#include "analyzer/SourceText.h"
#include "analyzer/Trace.h"
#include "app/Mark.h"
#include "app/MessageService.h"
#include "app/SourceGrid.h"
#include "dialogs/FindXRefDialog.h"
#include "options/OptionSettings.h"
#include "windows/ChildForm.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QMimeData;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QScrollBar;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeView;
class QFrame;
class QKeyEvent;
class QMouseEvent;

namespace lumorca {
class TAbout;
class TOptionWin;
}  // namespace lumorca

namespace lumorca::gui {

class TSourceGrid;
class TreeModel;
class TFindDialog;
class TListingBar;
class TListingWatcher;
class TCallWindow;
class TStructureWindow;
class TXRefWindow;
struct TListingPlace;

class TMain : public QMainWindow, public TChildHost, public TWindowHost, public TraceSink {
    Q_OBJECT
public:
    // `programPath` places the INI file beside the program; `registryName`
    // names the per-user store (tests pass their own).
    TMain(const QString& programPath, const QString& registryName, TMessageService* messages,
          QWidget* parent = nullptr);
    ~TMain() override;

    // Start-up after the windows exist: command line, options, binding of
    // the views, first listing, showing the windows.
    void Startup(const QStringList& arguments);

    // --- Listing (loading) ---
    // `askToReopen` false: the same file is read again without asking.
    void LoadFile(const QString& name, bool askToReopen = true);
    void ReadFile(const QString& name);
    void RunAnalysis();
    TAnswer AskToSavePaste();
    void UpdateCaption();
    std::function<AnalysisResult(ListingLines&, const AnalysisSettings&, AnalysisObserver*,
                                 TraceSink*)>
        Analyzer;
    // The clipboard text as Latin-1 (characters outside become '?').
    std::function<std::string()> ClipboardText;
    // Save dialog: returns the chosen file name (empty for Cancel) and the
    // selected filter's extension.
    std::function<QString(const QString& proposal, QString& extension)> SaveFileName;
    std::function<QString()> OpenFileName;
    // Save dialog of the call graph: the chosen file name, empty for Cancel.
    std::function<QString(const QString& proposal)> CallGraphFileName;

    // --- The listing's file on disk (MainWatch) ---
    void CreateListingWatch();
    // Watches the file of the shown listing; a pasted one is not watched.
    void WatchListing();
    void ListingFileChanged();
    void ListingFileRemoved();
    // Reads the changed file again and goes back to where the user was.
    void ReloadChangedListing();
    TListingPlace RememberPlace() const;
    void RestorePlace(const TListingPlace& place);
    TListingWatcher* ListingWatcher = nullptr;
    TListingBar* ListingBar = nullptr;
    int ListingUnreadableChecks = 0;

    // --- Source view ---
    void ShowStructure();
    void ResizeSourceGridCols();
    int SourceColumnWidth(bool vscrollShown) const;
    void AdjustHScroll();
    void UpdateTriggerInfo();
    int CurrentLine() const;

    // --- Navigation ---
    void GotoPosition(int32_t structure, int32_t line, bool addToHistory);
    void GotoReference(const NodeRecord& record, bool addToHistory);
    void StrukturOutlineChange(TreeNode* node);
    void XRefOutlineChange(TreeNode* node);
    void StrukturOutlineEnter();
    void XRefOutlineEnter();
    void ActionPrevExecute();
    void ActionNextExecute();
    void ActionHistoryBackExecute();

    // --- Windows ---
    void SetObjectToChildWin();
    void ReflectWindowState(TChildForm* child, std::uint8_t state) override;
    void toggleWin(TChildForm* child, bool show);
    void FormResize() override;
    void showWindows();
    void ActionArrangeExecute();
    void ActionAutoArrangeExecute();
    // Ctrl+Tab and Ctrl+Shift+Tab, and the pop-up menus by key (MainWindowKeys).
    void ConnectWindowKeys();
    // Activates the next (step 1) or previous (-1) child window that is
    // switched on and gives the focus to its tree or grid.
    void ActivateNextChild(int step);
    bool IsArranging() const override { return Arranging; }
    void ChildTrace(const QString& line) override;

    // --- Options and texts ---
    void ApplyOptions();
    void LoadLanguageStrings();
    void ActionResetOptionsExecute();
    QString Txt(int entry) const;
    TLumorcaOptions& Options() { return OptionWin->Options(); }

    // --- Call window ---
    // "Show Local" (locals) and "Show Params" of the source pop-up.
    void MenuItemShowLocalClick(bool locals);
    // Writes the listing's call graph as DOT, and an SVG beside it when
    // Graphviz is installed. Returns the DOT file's name, empty when nothing
    // was written.
    QString MenuItemSaveCallGraphClick();

    // --- Dialogs (MainDialogs) ---
    void CreateDialogs();
    void ActionShowOptionsExecute();
    void ActionAboutExecute();
    void XRefFindDialogClick();
    void ListingLoadedForDialogs();
    // Paste goes to the find-XRef dialog's edit when that dialog is in front.
    bool PasteIntoDialog();
    void AttachHistoryMenu();
    void MenuItemHistoryFileClick(QObject* sender, const QString& fileName);
    TOptionWin* OptionForm = nullptr;
    TFormFindXRef* FormFindXRef = nullptr;
    std::unique_ptr<TFindXRefHost> FindXRefHost_;
    // Called with the About box before it is shown modally.
    std::function<void(TAbout&)> AboutBoxOpened;

    // --- Debug ---
    int Level() const override;
    void Line(const std::string& text) override;
    void Trace(int level, const QString& text);
    void SelectTraceLevel(int level);

    void EnableMenuItems(bool enabled);

    // --- Working in the source view: jumps (MainJumps), selection and copy
    // (MainSelection), find (MainFind), bookmarks and keys (MainBookmarks) ---
    void ConnectSourceCommands();
    void SourceGridDblClick();  // at the mouse pointer
    void SourceGridDblClickAt(const QPoint& point);
    // The word under a point of the grid's viewport.
    void DoubleClickToken(const QPoint& point);
    void GotoDefinition(const std::string& name, int kind);
    void MenuItemGotoClick(int gotoKind);
    void BuildCallSitesMenu(QMenu* item, const std::string& name, int refKind);
    void MenuItemAufrufClick(QAction* item);
    void MenuItemGotoEntryClick();
    void MenuItemZoomLineClick();
    void PopupmenuSourcePopup();
    // A node of the XRef tree by its caption path; with select it is
    // expanded, selected and shown in the active XRef window.
    TreeNode* LookupXRef(const std::vector<std::string>& path, bool select);
    void SourceGridMouseDown(QMouseEvent* event);
    void SourceGridMouseMove(QMouseEvent* event);
    void SourceGridMouseUp(QMouseEvent* event);
    void EnableCopyActions(bool enabled);
    void ActionCopyExecute();
    void MenuItemAllesKopierenClick();
    void MenuItemZeileKopierenClick();
    void MenuItemCopyBreakpointClick();
    void ActionFindExecute();
    void ActionFindNextExecute();
    void ShowFindDialog();
    void setFindDialogText(const QString& text);
    void FindDialogFind();
    void setBookMarkClick(int n);
    void gotoBookMarkClick(int n);
    void ToggleBookmark();
    // The tool button of bookmark n (0-2) follows its menu item.
    void UpdateBookmarkButton(int n, bool isSet, const QString& caption);
    // Keys of the source grid that go before the window's shortcuts.
    bool SourceGridKeyDown(QKeyEvent* event);
    // A new listing: no selection, and the pop-up forgets its line.
    void ResetSourceWork();
    // Pixel offset within the display text of a grid viewport x.
    int SourceTextX(int viewportX) const;
    IndentSettings SourceIndent() const;

    std::unique_ptr<TMark> Selection;
    // A drag held past the source column's left or right edge scrolls the
    // grid sideways, step by step, until the mouse comes back or is released.
    void DragScroll();
    QTimer* DragScrollTimer = nullptr;
    QPoint DragScrollPoint;
    Qt::KeyboardModifiers LastMouseShift;
    bool LastFindDown = false;
    TFindDialog* FindDialog = nullptr;
    int PopupmenuSourceLine = -1;  // the line the pop-up was prepared for
    std::array<QAction*, 7> GotoItems{};  // by GotoItem
    QAction* MenuItemGotoLabel = nullptr;
    QAction* MenuItemGotoSeparator = nullptr;
    std::array<QAction*, 3> ToolButtonGotoBookmark{};
    // The short beep of a failed look-up.
    std::function<void()> Beep;

    // TWindowHost
    std::vector<QRect> ScreenAreas() const override;
    QSize MainWindowOuterSize() const override;
    void SetWindowsPlaced(bool placed) override { WindowsPlaced = placed; }
    void SetArranging(bool arranging) override { Arranging = arranging; }
    void PlaceWindow(TWindowId window, const TWindowGeometry& geometry) override;
    std::uint8_t WindowState(TWindowId window) const override;
    TWindowGeometry WindowBounds(TWindowId window) const override;

    // --- State (fields of the main window) ---
    std::unique_ptr<TOptionSettings> OptionWin;
    TMessageService* Messages;

    bool ResizeLocked = true;
    bool Loading = false;
    bool Arranging = false;
    bool Closing = false;
    bool WindowsPlaced = false;
    bool WarningsOnly = false;
    bool VScrollNeeded = false;

    ListingLines ListingLines_;
    QString ListingFileName;
    QString ListingComponent;
    AnalysisResult Analysis;
    StructureStartList& StructureStarts = Analysis.StructureStarts;

    int32_t CurrentStructure = 0;
    int32_t TopLine = 0;
    int32_t EndLine = -1;
    int32_t LeadInRows = 0;
    int MaxLineWidth = 0;
    TPositionList JumpHistory{0};
    TPositionList Bookmarks{10};
    QString LastFindText;
    int LastFindLine = -1;


    // --- Controls ---
    QMdiArea* MdiArea = nullptr;
    TChildForm* StructureWin = nullptr;
    TChildForm* XRefWin = nullptr;
    TChildForm* CallWin = nullptr;
    TChildForm* SourceWin = nullptr;
    QWidget* SourceWinClient = nullptr;
    QWidget* PanelSourceWin = nullptr;
    QToolBar* ToolBarSource = nullptr;
    QWidget* PanelTriggerInfo = nullptr;
    QLabel* LabelTriggerName = nullptr;
    QLabel* LabelFromWhatLabel = nullptr;
    QLabel* LabelFromWhatName = nullptr;
    QLabel* LabelEntryLabel = nullptr;
    QLabel* LabelEntryName = nullptr;
    TSourceGrid* SourceGrid = nullptr;
    QScrollBar* SourceGridHScroll = nullptr;
    QFrame* HidePanel = nullptr;
    QFrame* PanelInfo = nullptr;
    QPlainTextEdit* MemoInfo = nullptr;
    QLabel* LabelCurrentTask = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QToolBar* ToolBarButtons = nullptr;
    QToolBar* ToolBarDebug = nullptr;
    QComboBox* DEBUGOption = nullptr;
    QWidget* DEBUGPanel = nullptr;
    QPlainTextEdit* DebugMemo = nullptr;
    QCheckBox* CheckBoxINI = nullptr;
    QMenu* MenuItemFileList = nullptr;
    QMenu* PopupmenuSource = nullptr;
    QMenu* MenuItemAufruf = nullptr;
    QMenu* MenuItemGoto = nullptr;
    QMenu* MenuItemSetBookmark = nullptr;
    QMenu* MenuItemGotoBookmark = nullptr;
    QAction* MenuItemAllesKopieren = nullptr;
    QAction* MenuItemZeileKopieren = nullptr;
    QAction* MenuItemCopyBreakpoint = nullptr;
    QAction* MenuItemZoomLine = nullptr;
    QAction* MenuItemGotoEntry = nullptr;
    QAction* MenuItemShowParam = nullptr;
    QAction* MenuItemShowLocal = nullptr;
    std::array<QAction*, 10> SetBookmarkItems{};
    std::array<QAction*, 10> GotoBookmarkItems{};
    QFont SourceDrawFont;

    // --- Actions ---
    QAction *ActionMenuFile = nullptr, *ActionMenuWork = nullptr, *ActionMenuOptions = nullptr,
            *ActionMenuWindows = nullptr, *ActionMenuHelp = nullptr;
    QAction *ActionOpen = nullptr, *ActionReload = nullptr, *ActionPaste = nullptr,
            *ActionSave = nullptr, *ActionExit = nullptr;
    QAction *ActionPrev = nullptr, *ActionNext = nullptr, *ActionHistoryBack = nullptr,
            *ActionFind = nullptr, *ActionFindNext = nullptr, *ActionCopy = nullptr;
    QAction *ActionShowOptions = nullptr, *ActionResetOptions = nullptr;
    QAction *ActionArrange = nullptr, *ActionAutoArrange = nullptr;
    QAction *ActionStrukturWin = nullptr, *ActionXRefWin = nullptr, *ActionCallWin = nullptr,
            *ActionSourceWin = nullptr;
    QAction* ActionAbout = nullptr;
    QAction *ActionZnrTotal = nullptr, *ActionZnrTrigger = nullptr, *ActionContinue = nullptr,
            *ActionLowercase = nullptr, *ActionNonPropFont = nullptr, *ActionAutoIndent = nullptr;
    QAction* ActionFont = nullptr;

    // Menus of the main menu bar, for re-captioning.
    QMenu *MenuFile = nullptr, *MenuWork = nullptr, *MenuOptions = nullptr,
          *MenuWindows = nullptr, *MenuHelp = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    // --- Action handlers (MainLoading) ---
    void ActionOpenExecute();
    void ActionPasteExecute();
    void ActionReloadExecute();
    // Shows the structure named `LastTrigger` at row `LastLineNr`; false
    // when there is none of that name.
    bool GotoLastAccess();
    bool ActionSaveExecute();
    void ActionExitExecute();
    // Loads the first .pro file of a drop; false when there is none.
    bool LoadDroppedFile(const QMimeData* data);
    // View toggles and font (MainSourceView)
    void ViewToggle(QAction* action);
    void ActionFontExecute();
    // The views only show something once a listing is loaded.
    bool HasListing() const { return !Analysis.Structure.Empty(); }
    SourceGridSettings GridSettings() const;
    TChildForm* ChildOf(TWindowId window) const;

private:
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateSourcePanel();
    void CreateInfoPanels();
    void CreateDebugBar();
    void CreateBookmarkMenuItems();
    void setBookmarkMenuItem(int n, bool isSet);
    void ClearViews();
    void ApplyViewFonts();
    void PlaceInfoPanel();
    void OnSourceGridRowChanged(int row);

    TStructureWindow* StructurePart = nullptr;
    TXRefWindow* XRefPart = nullptr;
    TCallWindow* CallPart = nullptr;

    class Observer;
    friend class Observer;
};

}  // namespace lumorca::gui
