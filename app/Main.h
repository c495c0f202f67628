#pragma once
// The main window: the frame with menus and tool bars, the owner of every
// tree window and of the shown listing; the source window is a part of its
// own. Its handlers are spread over MainCreate, MainLoading, MainNavigation,
// MainArrange, MainOptions and MainCallGraph by subject.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "analyzer/Analysis.h"
#include "analyzer/Trace.h"
#include "app/MessageService.h"
#include "app/SourceViewHost.h"
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

class TSourceView;
class TreeModel;
class TFindDialog;
class TListingBar;
class TListingWatcher;
class TCallWindow;
class TStructureWindow;
class TXRefWindow;
struct TListingPlace;

class TMain : public QMainWindow,
              public TChildHost,
              public TWindowHost,
              public TraceSink,
              public TSourceViewHost {
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
    TSourceView& SourceView() const { return *SourcePart; }

    // --- Navigation ---
    void StrukturOutlineChange(TreeNode* node);
    void XRefOutlineChange(TreeNode* node);
    void StrukturOutlineEnter();
    void XRefOutlineEnter();

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
    QString Txt(int entry) const override;
    TLumorcaOptions& Options() override { return OptionWin->Options; }

    // --- Call window ---
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
    void Trace(int level, const QString& text) override;
    void SelectTraceLevel(int level);

    void EnableMenuItems(bool enabled);

    // The short beep of a failed look-up.
    std::function<void()> Beep;

    // TSourceViewHost
    TMessageService& MessageBoxes() override { return *Messages; }
    void ClearTrace() override;
    QString OwnComponent() const override { return ListingComponent; }
    bool CallSitesKnown() const override { return !WarningsOnly; }
    TreeNode* LookupXRef(const std::vector<std::string>& path, bool select) override;
    void RevealInXRef(const TreeNode* node) override;
    void NotFoundBeep() override;

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

    ListingLines ListingLines_;
    QString ListingFileName;
    QString ListingComponent;
    AnalysisResult Analysis;
    StructureStartList& StructureStarts = Analysis.StructureStarts;


    // --- Controls ---
    QMdiArea* MdiArea = nullptr;
    TChildForm* StructureWin = nullptr;
    TChildForm* XRefWin = nullptr;
    TChildForm* CallWin = nullptr;
    TChildForm* SourceWin = nullptr;
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
    // The views only show something once a listing is loaded.
    bool HasListing() const { return !Analysis.Structure.Empty(); }
    TChildForm* ChildOf(TWindowId window) const;

private:
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateInfoPanels();
    void CreateDebugBar();
    void ClearViews();
    void ApplyViewFonts();
    void PlaceInfoPanel();

    TStructureWindow* StructurePart = nullptr;
    TXRefWindow* XRefPart = nullptr;
    TCallWindow* CallPart = nullptr;
    TSourceView* SourcePart = nullptr;

    class Observer;
    friend class Observer;
};

}  // namespace lumorca::gui
