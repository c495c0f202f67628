#pragma once
// The main window: the frame with menus and tool bars, the owner of every
// child window's part and of the shown listing. Its handlers are spread over
// the Main*.cpp files by subject.
#include <QMainWindow>
#include <memory>

#include "analyzer/Analysis.h"
#include "app/MainServices.h"
#include "app/MessageService.h"
#include "options/OptionSettings.h"
#include "windows/ChildForm.h"

class QMimeData;
class QToolBar;

namespace lumorca::gui {

class TChildWindows;
class TMainDialogs;
class TSourceView;
class TListingWatch;
class TCallWindow;
class TStructureWindow;
class TXRefWindow;
class TDebugBar;
class TInfoPanel;
struct TMainActions;
struct TListingPlace;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    // `programPath` places the INI file beside the program; `registryName`
    // names the per-user store (tests pass their own).
    TMain(const QString& programPath, const QString& registryName, TMessageService* messages,
          QWidget* parent = nullptr);
    ~TMain() override;
    // The services that are set replace the window's own.
    void SetServices(const TMainServices& services);
    // Start-up after the windows exist: command line, options, binding of
    // the views, first listing, showing the windows.
    void Startup(const QStringList& arguments);

    // `askToReopen` false: the same file is read again without asking.
    void LoadFile(const QString& name, bool askToReopen = true);
    void ActionPasteExecute();
    void ActionReloadExecute();
    bool ActionSaveExecute();
    void ActionExitExecute();
    // Loads the first .pro file of a drop; false when there is none.
    bool LoadDroppedFile(const QMimeData* data);
    void ApplyOptions();
    void ActionShowOptionsExecute();
    void XRefFindDialogClick();
    // Writes the listing's call graph as DOT, with an SVG beside it when
    // Graphviz is installed; the DOT file's name, empty when none was written.
    QString MenuItemSaveCallGraphClick();
    void toggleWin(TChildForm* child, bool show);
    // As a choice in the structure tree does.
    void StrukturOutlineChange(TreeNode* node);

    // What is shown.
    bool HasListing() const { return !Analysis.Structure.Empty(); }
    const ListingLines& Listing() const { return ListingLines_; }
    const AnalysisResult& Analysed() const { return Analysis; }
    const QString& ShownFile() const { return ListingFileName; }
    bool IsLoading() const { return Loading; }
    TSourceView& SourceView() const { return *SourcePart; }
    TOptionSettings& Settings() { return *OptionWin; }
    TLumorcaOptions& Options() { return OptionWin->Options(); }
    QString Txt(int entry) const;
    // False when only the findings were analysed: then no call sites are known.
    bool CallSitesKnown() const { return !WarningsOnly; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Observer;
    class SourceLink;

    // Creation (MainCreate)
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void EnableMenuItems(bool enabled);
    void UpdateCaption();

    // Loading (MainLoading)
    void ReadFile(const QString& name);
    void RunAnalysis();
    void ClearViews();
    TAnswer AskToSavePaste();
    void ActionOpenExecute();
    // Shows the structure named `LastTrigger` at row `LastLineNr`; false
    // when there is none of that name.
    bool GotoLastAccess();

    // The listing's file on disk (MainWatch)
    void CreateListingWatch();
    // Reads the changed file again and goes back to where the user was.
    void ReloadChangedListing();
    TListingPlace RememberPlace() const;
    void RestorePlace(const TListingPlace& place);
    void RememberXRefPlace(TListingPlace& place) const;
    const TreeNode* XRefNodeOf(const TListingPlace& place) const;
    // The structure a remembered local or parameter belongs to now.
    int32_t OwnerOf(const TListingPlace& place) const;

    // The views in the child windows (MainArrange)
    void showWindows();

    // Options, texts and the recent files (MainOptions, MainDialogs)
    void ApplyViewFonts();
    void LoadLanguageStrings();
    void ActionResetOptionsExecute();
    void AttachHistoryMenu();
    void MenuItemHistoryFileClick(QObject* sender, const QString& fileName);

    std::unique_ptr<TMainActions> Actions;
    std::unique_ptr<TChildWindows> Windows_;
    TMainServices Services;
    TMessageService* Messages;
    std::unique_ptr<TOptionSettings> OptionWin;
    bool ResizeLocked = true;
    bool Loading = false;
    bool Closing = false;
    bool WarningsOnly = false;
    ListingLines ListingLines_;
    QString ListingFileName;
    QString ListingComponent;
    AnalysisResult Analysis;

    TStructureWindow* StructurePart = nullptr;
    TXRefWindow* XRefPart = nullptr;
    TCallWindow* CallPart = nullptr;
    TSourceView* SourcePart = nullptr;
    TListingWatch* Watch = nullptr;
    std::unique_ptr<SourceLink> SourceLink_;  // between the source view and the trees
    std::unique_ptr<TMainDialogs> Dialogs;

    std::unique_ptr<TInfoPanel> Info;
    QToolBar *ToolBarButtons = nullptr, *ToolBarDebug = nullptr;
    TDebugBar* Debug = nullptr;
};

}  // namespace lumorca::gui
