// The one road by which a listing enters: reading, recognising, analysing,
// showing; and the file actions around it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSaveFile>
#include <QScrollBar>
#include <QTreeView>

#include "analyzer/ListingLoader.h"
#include "app/Latin1.h"
#include "app/ChildWindows.h"
#include "app/ListingFile.h"
#include "app/CallWindow.h"
#include "app/DebugBar.h"
#include "app/InfoPanel.h"
#include "app/ListingWatch.h"
#include "app/Main.h"
#include "app/MainActions.h"
#include "app/MainDialogs.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

namespace {

const QString PasteName = QStringLiteral("(Paste)");

// Names of files compare without case only where the file system does.
bool SameFileName(const QString& a, const QString& b) {
    return QString::compare(a, b, FileNamesIgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

}  // namespace

// Feeds the information panel while the analysis runs.
class TMain::Observer : public AnalysisObserver {
public:
    explicit Observer(TMain* main) : main_(main) {}
    void TaskChanged(int textEntry) override { main_->Info->SetTask(main_->Txt(textEntry)); }
    void ProgressMaximum(int maximum) override { main_->Info->SetProgressMaximum(maximum); }
    void ProgressPosition(int position) override { main_->Info->SetProgress(position); }
    void ProgressVisible(bool visible) override { main_->Info->ShowProgress(visible); }
    void InfoLine(const std::string& text) override { main_->Info->AddLine(Latin1(text)); }
    void ProcessPendingEvents() override {
        // Let the window repaint; user input cannot start a second load,
        // since everything that would is disabled or refused while Loading.
        if (main_->Loading && ++calls_ % 512 == 0) QCoreApplication::processEvents();
    }

private:
    TMain* main_;
    unsigned calls_ = 0;
};

void TMain::LoadFile(const QString& name, bool askToReopen) {
    if (Loading) return;
    SourcePart->ForgetFind();

    if (ListingFileName == PasteName) {
        if (AskToSavePaste() == TAnswer::Cancel) return;
    } else if (askToReopen && !ListingFileName.isEmpty() && SameFileName(name, ListingFileName)) {
        if (Messages->ConfirmYesCancel(this, Txt(TextAskReopen).replace(QStringLiteral("%s"), name)) != TAnswer::Yes) return;
    }

    try {
        ReadFile(name);
    } catch (const EFileNotReadable&) {
        Messages->Error(this, Txt(TextUnreadable).replace(QStringLiteral("%s"), name));
        return;
    } catch (const ENoCorvaneSource& e) {
        Messages->Error(this, QString::fromLatin1(e.what()));
        return;
    } catch (...) {
        Messages->Error(this, Txt(TextProcessingError));
        return;
    }

    Info->Start(name == PasteName
                    ? QStringLiteral("%1 lines read from Pastebuffer").arg(ListingLines_.size())
                    : QStringLiteral("%1 lines read from file %2").arg(ListingLines_.size()).arg(name));

    Loading = true;
    UpdateCaption();
    Info->Cover(true);
    for (QWidget* view : {static_cast<QWidget*>(StructurePart->Outline()), static_cast<QWidget*>(XRefPart->Outline()),
                          static_cast<QWidget*>(CallPart->Outline())})
        view->hide();
    SourcePart->ShowGrid(false, true);
    EnableMenuItems(false);
    Info->SetTask(Txt(TextReadingSource));

    try {
        RunAnalysis();
        Loading = false;
        OptionWin->History().AddFile(name);
        ListingFileName = name;
        EnableMenuItems(true);
        Dialogs->ListingLoadedForDialogs();
        showWindows();
        if (!Analysis.Structure.Empty() && !Analysis.Structure.FirstRoot()->Children.empty()) {
            TreeNode* first = Analysis.Structure.FirstRoot()->Children.front();
            if (first->HasRecord) SourcePart->GotoReference(first->Record, true);
        }
    } catch (const std::exception& e) {
        Loading = false;
        EnableMenuItems(false);
        ListingFileName.clear();
        Messages->Error(this, Txt(TextProcessingError) + QStringLiteral("\r\n") + QString::fromLatin1(e.what()));
    } catch (...) {
        Loading = false;
        EnableMenuItems(false);
        ListingFileName.clear();
        Messages->Error(this, Txt(TextProcessingError) + QStringLiteral("\r\n"));
    }
    Info->ShowInfo();
    UpdateCaption();
    Watch->Watch(ListingFileName);
}

void TMain::ReadFile(const QString& name) {
    const int language = Options().Language;
    ListingLines lines = ReadListing(
        name == PasteName ? ListingSource::Pasted(Services.ClipboardText ? Services.ClipboardText() : std::string())
                          : ListingFileSource(name),
        language);
    if (HasListing()) {
        OptionWin->SetLastAccess(Latin1(SourcePart->CurrentStructureName()), SourcePart->Grid()->Row());
    }
    ListingLines_ = std::move(lines);
}

void TMain::ClearViews() {
    CallPart->Clear();
    {
        auto structure = StructurePart->Rebuilding();
        auto xref = XRefPart->Rebuilding();
        Analysis = AnalysisResult();
    }
    SourcePart->Clear();
    StructurePart->Clear();
    XRefPart->Clear();
}

void TMain::RunAnalysis() {
    QCoreApplication::processEvents();
    ClearViews();

    AnalysisSettings settings = ToAnalysisSettings(Options());
    settings.WarningsOnly = WarningsOnly;
    Observer observer(this);
    {
        auto structure = StructurePart->Rebuilding();
        auto xref = XRefPart->Rebuilding();
        try {
            Analysis = Services.Analyzer(ListingLines_, settings, &observer, Debug);
        } catch (...) {
            Analysis = AnalysisResult();
            throw;
        }
    }
    Info->ShowProgress(false);

    if (Analysis.Structure.Empty()) throw ENoCorvaneSource(Options().Language);

    CallPart->ListingAnalysed();
    StructurePart->ListingAnalysed(Analysis.EntityMenu);
    XRefPart->ListingAnalysed(settings.SortLocals, settings.Language, !Loading && HasListing());
}

TAnswer TMain::AskToSavePaste() {
    if (!Options().AskToSave) return TAnswer::No;
    TAnswer answer = Messages->ConfirmYesNoCancel(this, Txt(TextAskSaveListing));
    // A listing the user wanted kept but that was not written must not be
    // replaced.
    if (answer == TAnswer::Yes && !ActionSaveExecute()) answer = TAnswer::Cancel;
    return answer;
}

void TMain::UpdateCaption() {
    const QString title = Txt(TextProgramTitle);
    if (!HasListing() && !Loading) {
        setWindowTitle(title + QStringLiteral(" (") + Txt(TextNoFormLoaded) + QStringLiteral(")"));
        return;
    }
    ListingComponent = Latin1(ListingComponentOf(ListingLines_));
    const QString s = Loading ? Txt(TextProcessing) + QStringLiteral(" ") + ListingComponent + QStringLiteral("...")
                              : ListingComponent;
    setWindowTitle(QStringLiteral("[") + s + QStringLiteral("] ") + title);
}

void TMain::ActionOpenExecute() {
    QString name;
    if (Services.OpenFileName) {
        name = Services.OpenFileName();
    } else {
        name = QFileDialog::getOpenFileName(this, QString(), Options().ProcListingDir,
                                            QStringLiteral("Proc listings (*.pro);;All files (*)"));
    }
    if (name.isEmpty()) return;
    LoadFile(name);
    Options().ProcListingDir = QFileInfo(name).absolutePath();
}

void TMain::ActionPasteExecute() {
    if (!Dialogs->PasteIntoDialog()) LoadFile(PasteName);
    if (Debug->Level() == 11) {
        if (isActiveWindow()) Debug->Append(QStringLiteral("main"));
        if (Windows_->IsActive(TWindowId::Structure)) Debug->Append(QStringLiteral("strukt"));
        if (Windows_->IsActive(TWindowId::XRef)) Debug->Append(QStringLiteral("XRef"));
        if (Windows_->IsActive(TWindowId::Source)) Debug->Append(QStringLiteral("Source"));
    }
}

void TMain::ActionReloadExecute() {
    const THistoryList& history = OptionWin->History();
    // A copy: loading reorders the list the entry lives in.
    if (history.Count() > 0 && history[0] != PasteName) LoadFile(QString(history[0]));
    GotoLastAccess();
}

bool TMain::GotoLastAccess() {
    const QString last = OptionWin->LastTrigger();
    if (last.isEmpty()) return false;
    return SourcePart->GotoStructureRow(last.toLatin1().toStdString(), OptionWin->LastLineNr());
}

bool TMain::ActionSaveExecute() {
    QString extension;
    QString name;
    if (Services.SaveFileName) {
        name = Services.SaveFileName(ListingComponent, extension);
    } else {
        QString filter;
        const QString filters = QStringLiteral("Proc listings (*.pro);;Text files (*.txt);;All files (*)");
        name = QFileDialog::getSaveFileName(this, QString(), ListingComponent + QStringLiteral(".pro"),
                                            filters, &filter);
        const int dot = filter.indexOf(QLatin1Char('.'));
        if (dot >= 0) {
            int end = dot;
            while (end < filter.size() && filter[end] != QLatin1Char(')') &&
                   filter[end] != QLatin1Char(';') && filter[end] != QLatin1Char('|'))
                ++end;
            extension = filter.mid(dot, end - dot);
            if (extension == QStringLiteral(".*")) extension.clear();
        }
    }
    if (name.isEmpty()) return false;
    if (!QFileInfo(name).fileName().contains(QLatin1Char('.'))) name += extension;

    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    for (const std::string& line : ListingLines_) {
        if (!written) break;
        written = file.write(line.data(), static_cast<qint64>(line.size())) >= 0 &&
                  file.write("\r\n", 2) == 2;
    }
    if (!written || !file.commit()) {
        file.cancelWriting();
        Messages->Error(this, Txt(TextNotWritten).replace(QStringLiteral("%s"), name));
        return false;
    }
    OptionWin->History().AddFile(name);
    ListingFileName = name;
    Actions->ActionSave->setEnabled(false);
    Watch->Watch(ListingFileName);
    // The saved file is now the most recent entry, which Reload reads.
    Actions->ActionReload->setEnabled(true);
    return true;
}

void TMain::ActionExitExecute() {
    if (ListingFileName == PasteName && AskToSavePaste() == TAnswer::Cancel) return;
    close();
}

void TMain::dragEnterEvent(QDragEnterEvent* event) {
    if (Loading || !event->mimeData()->hasUrls()) return;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".pro"), Qt::CaseInsensitive)) {
            event->acceptProposedAction();
            return;
        }
    }
}

void TMain::dropEvent(QDropEvent* event) {
    if (LoadDroppedFile(event->mimeData())) event->acceptProposedAction();
}

bool TMain::LoadDroppedFile(const QMimeData* data) {
    if (Loading || data == nullptr) return false;
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (url.isLocalFile() && file.endsWith(QStringLiteral(".pro"), Qt::CaseInsensitive)) {
            LoadFile(file);
            return true;
        }
    }
    return false;
}

void TMain::closeEvent(QCloseEvent* event) {
    if (Loading) {
        event->ignore();
        return;
    }
    if (Debug->SaveIni()) {
        if (HasListing()) {
            OptionWin->SetLastAccess(Latin1(SourcePart->CurrentStructureName()), SourcePart->Grid()->Row());
        }
        if (const auto failure = OptionWin->SaveOptions()) Messages->Error(this, *failure);
    }
    Closing = true;
    event->accept();
}

}  // namespace lumorca::gui
