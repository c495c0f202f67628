#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <stdexcept>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include "GuiTestSupport.h"
#include "WindowControls.h"
#include "TestRegistry.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

class LoadingTest : public QObject {
    Q_OBJECT
private slots:
    void ALoadedFileIsShownAndNamedInTheTitle() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        const QString file = sandbox.Write(QStringLiteral("orders.pro"), SmallListing());
        main->LoadFile(file);
        QVERIFY(messages.Boxes.empty());
        QCOMPARE(main->windowTitle(), QStringLiteral("[ORDERS] Corvane Source Analyzer"));
        QVERIFY(main->MemoInfo->toPlainText().startsWith(
            QStringLiteral("%1 lines read from file %2").arg(SmallListing().size()).arg(file)));
        // The first structure below the root is shown.
        QCOMPARE(main->CurrentStructure, 1);
        QCOMPARE(main->CurrentLine(), 0);
        QVERIFY(main->ActionPrev->isEnabled());
        QVERIFY(!main->ActionSave->isEnabled());
        QVERIFY(!main->Loading);
        QCOMPARE(main->OptionWin->History[0], file);
        // A separator, then one numbered entry per file.
        QCOMPARE(main->MenuItemFileList->actions().size(), 2);
        QVERIFY(main->MenuItemFileList->actions().front()->isSeparator());
        QCOMPARE(main->MenuItemFileList->actions()[1]->text(), QStringLiteral("&1 ") + file);
        QCOMPARE(Control<QComboBox>(main.get(), "ComboBoxEntryList")->count(), 2);
    }

    void ANonListingKeepsThePreviousListing() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        const QString good = sandbox.Write(QStringLiteral("good.pro"), SmallListing());
        main->LoadFile(good);
        main->ActionNextExecute();
        const auto linesBefore = main->ListingLines_;

        // The title line stands in line 6: not found by the recognition.
        const QString late = sandbox.Write(QStringLiteral("late.pro"),
                                           {"a", "b", "c", "d", "e", "Trigger <EXEC> from Form: X", "f"});
        main->LoadFile(late);
        QCOMPARE(messages.LastText(), QStringLiteral("Code is not an Corvane listing"));
        QCOMPARE(main->ListingFileName, good);
        QCOMPARE(main->ListingLines_, linesBefore);
        QCOMPARE(main->CurrentStructure, 2);

        const QString binary = sandbox.Path(QStringLiteral("binary.pro"));
        QFile file(binary);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\x01\x02\xff\xfe", 5).repeated(200));
        file.close();
        main->LoadFile(binary);
        QCOMPARE(messages.LastText(), QStringLiteral("Code is not an Corvane listing"));

        main->LoadFile(sandbox.Path(QStringLiteral("missing.pro")));
        QCOMPARE(messages.LastText(),
                 QStringLiteral("Coudn't read file %1").arg(sandbox.Path(QStringLiteral("missing.pro"))));
        QCOMPARE(main->ListingFileName, good);
        QVERIFY(main->SourceGrid->isVisible());

#ifndef Q_OS_WIN
        // A FIFO is refused without waiting for a writer.
        const QString fifo = sandbox.Path(QStringLiteral("listing.fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        main->LoadFile(fifo);
        QCOMPARE(messages.LastText(), QStringLiteral("Coudn't read file %1").arg(fifo));
        QCOMPARE(main->ListingFileName, good);
#endif
    }

    void TheSameFileAgainAsksAndCancelKeepsTheAnalysis() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        const QString file = sandbox.Write(QStringLiteral("Orders.pro"), SmallListing());
        main->LoadFile(file);
        main->ActionNextExecute();
        messages.Answers = {TAnswer::Cancel};
        main->ActionReloadExecute();
        QCOMPARE(messages.Boxes.size(), size_t(1));
        QCOMPARE(messages.LastText(), QStringLiteral("Reopen file %1 ? ").arg(file));
        QCOMPARE(main->CurrentStructure, 2);

        // Yes: read again, and back to the structure and row shown before.
        main->SourceGrid->SetRow(2);
        messages.Answers = {TAnswer::Yes};
        main->ActionReloadExecute();
        QCOMPARE(messages.Boxes.size(), size_t(2));
        QCOMPARE(main->OptionWin->LastTrigger, QStringLiteral("entry LP_A"));
        QCOMPARE(main->CurrentStructure, 2);
        QCOMPARE(main->SourceGrid->Row(), 2);
    }

    void APasteOfFourLinesIsNeverAListing() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->ClipboardText = [] { return std::string("Trigger <EXEC> from Form: X\r\na\r\nb\r\nc\r\n"); };
        main->ActionPasteExecute();
        QCOMPARE(messages.LastText(), QStringLiteral("Code is not an Corvane listing"));
        QVERIFY(main->ListingFileName.isEmpty());
        QVERIFY(!main->HasListing());

        main->ClipboardText = [] { return std::string(); };
        main->ActionPasteExecute();
        QCOMPARE(messages.LastText(), QStringLiteral("Code is not an Corvane listing"));
    }

    void APastedListingCanBeSavedAndAsksBeforeItIsReplaced() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        // Line feeds alone, as a clipboard on this system holds them.
        std::string text = Joined(SmallListing());
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        main->ClipboardText = [text] { return text; };
        main->ActionPasteExecute();
        QVERIFY(messages.Boxes.empty());
        QCOMPARE(main->ListingFileName, QStringLiteral("(Paste)"));
        QVERIFY(main->ActionSave->isEnabled());
        QCOMPARE(main->MemoInfo->toPlainText().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("%1 lines read from Pastebuffer").arg(SmallListing().size()));

        // Replacing it asks; Cancel keeps it.
        const QString other = sandbox.Write(QStringLiteral("other.pro"), SmallListing(2));
        messages.Answers = {TAnswer::Cancel};
        main->LoadFile(other);
        QCOMPARE(messages.LastText(), QStringLiteral("Save Proc-Listing ? "));
        QCOMPARE(main->ListingFileName, QStringLiteral("(Paste)"));

        // Yes, but the save dialog is cancelled: still kept.
        messages.Answers = {TAnswer::Yes};
        main->SaveFileName = [](const QString&, QString&) { return QString(); };
        main->LoadFile(other);
        QCOMPARE(main->ListingFileName, QStringLiteral("(Paste)"));

        // Exit asks too; Cancel keeps the program open.
        messages.Answers = {TAnswer::Cancel};
        main->ActionExitExecute();
        QVERIFY(main->isVisible());

        // Saved under a name without extension: the filter's is added.
        const QString target = sandbox.Path(QStringLiteral("saved"));
        main->SaveFileName = [target](const QString& proposal, QString& extension) {
            extension = QStringLiteral(".pro");
            return proposal.isEmpty() ? QString() : target;
        };
        QVERIFY(main->ActionSaveExecute());
        QCOMPARE(main->ListingFileName, target + QStringLiteral(".pro"));
        QVERIFY(!main->ActionSave->isEnabled());
        QFile saved(target + QStringLiteral(".pro"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(), Joined(SmallListing()));
        QCOMPARE(main->OptionWin->History[0], target + QStringLiteral(".pro"));

        // Now a new load no longer asks.
        const size_t boxes = messages.Boxes.size();
        main->LoadFile(other);
        QCOMPARE(messages.Boxes.size(), boxes);
        QCOMPARE(main->ListingFileName, other);
    }

    void AFailedSaveKeepsTheListingAndItsName() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->ClipboardText = [] { return Joined(SmallListing()); };
        main->ActionPasteExecute();
        const QString target = sandbox.Path(QStringLiteral("no/such/folder/x.pro"));
        main->SaveFileName = [target](const QString&, QString&) { return target; };
        QVERIFY(!main->ActionSaveExecute());
        QCOMPARE(messages.LastText(), QStringLiteral("Couldn't write file %1").arg(target));
        QCOMPARE(main->ListingFileName, QStringLiteral("(Paste)"));
        QVERIFY(main->HasListing());
    }

    void AnAnalysisThatThrowsLeavesNoUsableListing() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->Analyzer = [](ListingLines&, const AnalysisSettings&, AnalysisObserver*, TraceSink*) -> AnalysisResult {
            throw std::runtime_error("Out of Memory");
        };
        main->LoadFile(sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        QCOMPARE(messages.LastText(), QStringLiteral("Error processing file\r\nOut of Memory"));
        QVERIFY(main->ListingFileName.isEmpty());
        QVERIFY(!main->Loading);
        QVERIFY(!main->ActionPrev->isEnabled());
        QVERIFY(main->HidePanel->isVisible());
        QVERIFY(main->PanelInfo->isVisible());
        QVERIFY(!main->SourceGrid->isVisible());

        // An analysis that finds no structure: the text is not a listing.
        main->Analyzer = [](ListingLines&, const AnalysisSettings&, AnalysisObserver*, TraceSink*) {
            return AnalysisResult();
        };
        main->LoadFile(sandbox.Write(QStringLiteral("b.pro"), SmallListing()));
        QCOMPARE(messages.LastText(), QStringLiteral("Error processing file\r\nCode is not an Corvane listing"));
    }

    void ClosingWhileLoadingIsRefused() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        bool refused = false;
        TMain* window = main.get();
        main->Analyzer = [&](ListingLines& lines, const AnalysisSettings& s, AnalysisObserver* o, TraceSink* t) {
            QCloseEvent event;
            QApplication::sendEvent(window, &event);
            refused = !event.isAccepted();
            return HandMadeAnalysis(lines, s, o, t);
        };
        main->LoadFile(sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        QVERIFY(refused);
        QVERIFY(!main->Closing);
        QVERIFY(main->HasListing());
        QCOMPARE(main->windowTitle(), QStringLiteral("[ORDERS] Corvane Source Analyzer"));
    }

    void DroppingAListingFileLoadsIt() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        const QString file = sandbox.Write(QStringLiteral("dropped.pro"), SmallListing());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QVERIFY(main->acceptDrops());
        QVERIFY(main->LoadDroppedFile(&data));
        QCOMPARE(main->ListingFileName, file);

        QMimeData text;
        text.setUrls({QUrl::fromLocalFile(sandbox.Path(QStringLiteral("notes.txt")))});
        QVERIFY(!main->LoadDroppedFile(&text));
    }
};

lumorca::gui::test::RegisterTest<LoadingTest> registered;

}  // namespace

#include "LoadingTest.moc"
