#include <QCloseEvent>
#include <QMimeData>
#include <stdexcept>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

const QString NotAListing = QStringLiteral("Code is not an Corvane listing");

class LoadingTest : public QObject {
    Q_OBJECT
private slots:
    // A listing dropped on the window is loaded, shown and named in the title.
    void ADroppedFileIsShownAndNamedInTheTitle() {
        TStarted w;
        const QString file = w.Sandbox.Write(QStringLiteral("dropped.pro"), SmallListing());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(w.Sandbox.Path(QStringLiteral("notes.txt")))});
        QVERIFY(w->acceptDrops() && !w->LoadDroppedFile(&data));
        data.setUrls({QUrl::fromLocalFile(file)});
        QVERIFY(w->LoadDroppedFile(&data));
        QCOMPARE(w->ShownFile(), file);
        QVERIFY(w.Messages.Boxes.empty());
        QCOMPARE(w->windowTitle(), QStringLiteral("[ORDERS] Corvane Source Analyzer"));
        QVERIFY(w.Find<QPlainTextEdit>("MemoInfo")->toPlainText().startsWith(
            QStringLiteral("%1 lines read from file %2").arg(SmallListing().size()).arg(file)));
        // The first structure below the root is shown.
        QCOMPARE(w.View().Position().CurrentStructure, 1);
        QCOMPARE(w.View().CurrentLine(), 0);
        QVERIFY(!w.Action("ActionSave")->isEnabled());
    }

    // What cannot be read as a listing leaves the one shown as it was.
    void AFileThatIsNoListingKeepsThePreviousOne_data() {
        QTest::addColumn<QByteArray>("content");  // empty: no file at all
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<bool>("unreadable");
        // The title line stands in line 6: not found by the recognition.
        QTest::newRow("late title") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nTrigger <EXEC> from Form: X\r\nf\r\n")
                                    << false << false;
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe", 5).repeated(200) << false << false;
        QTest::newRow("missing") << QByteArray() << false << true;
#ifndef Q_OS_WIN
        // Refused without waiting for a writer.
        QTest::newRow("fifo") << QByteArray() << true << true;
#endif
    }
    void AFileThatIsNoListingKeepsThePreviousOne() {
        QFETCH(QByteArray, content);
        QFETCH(bool, fifo);
        QFETCH(bool, unreadable);
        TStarted w;
        const QString good = w.Load(SmallListing());
        w.View().ActionNextExecute();
        const auto linesBefore = w->Listing();
        const QString bad = w.Sandbox.Path(QStringLiteral("bad.pro"));
        if (fifo) {
#ifndef Q_OS_WIN
            QCOMPARE(mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
#endif
        } else if (!content.isEmpty()) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        w->LoadFile(bad);
        QCOMPARE(w.Messages.LastText(), unreadable ? QStringLiteral("Coudn't read file %1").arg(bad) : NotAListing);
        QCOMPARE(w->ShownFile(), good);
        QCOMPARE(w->Listing(), linesBefore);
        QCOMPARE(w.View().Position().CurrentStructure, 2);
        QVERIFY(w.Grid()->isVisible());
    }

    void TheSameFileAgainAsksAndCancelKeepsTheAnalysis() {
        TStarted w;
        const QString file = w.Load(SmallListing(), QStringLiteral("Orders.pro"));
        w.View().ActionNextExecute();
        w->ActionReloadExecute();  // no answer: Cancel
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Reopen file %1 ? ").arg(file));
        QCOMPARE(w.View().Position().CurrentStructure, 2);

        // Yes: read again, and back to the structure and row shown before.
        w.Grid()->SetRow(2);
        w.Messages.Answers = {TAnswer::Yes};
        w->ActionReloadExecute();
        QCOMPARE(w.Messages.Boxes.size(), size_t(2));
        QCOMPARE(w->Settings().LastTrigger(), QStringLiteral("entry LP_A"));
        QCOMPARE(w.View().Position().CurrentStructure, 2);
        QCOMPARE(w.Grid()->Row(), 2);
    }

    void APastedListingCanBeSavedAndAsksBeforeItIsReplaced() {
        TStarted w;
        // Line feeds alone, as a clipboard on this system holds them.
        std::string text = Joined(SmallListing());
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        w->SetServices({.ClipboardText = [text] { return text; }});
        w->ActionPasteExecute();
        QVERIFY(w.Messages.Boxes.empty());
        QCOMPARE(w->ShownFile(), QStringLiteral("(Paste)"));
        QVERIFY(w.Action("ActionSave")->isEnabled());
        QVERIFY(!w.Action("ActionReload")->isEnabled());  // there is no file to read again
        QCOMPARE(w.Find<QPlainTextEdit>("MemoInfo")->toPlainText().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("%1 lines read from Pastebuffer").arg(SmallListing().size()));

        // Replacing it asks; Cancel keeps it, and so does Yes with the save
        // dialog cancelled.
        const QString other = w.Sandbox.Write(QStringLiteral("other.pro"), SmallListing(2));
        w->LoadFile(other);
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Save Proc-Listing ? "));
        w.Messages.Answers = {TAnswer::Yes};
        w->SetServices({.SaveFileName = [](const QString&, QString&) { return QString(); }});
        w->LoadFile(other);
        QCOMPARE(w->ShownFile(), QStringLiteral("(Paste)"));
        w->ActionExitExecute();  // asks too; Cancel keeps the program open
        QVERIFY(w->isVisible());

        // A failed save keeps the listing and its name.
        const QString unwritable = w.Sandbox.Path(QStringLiteral("no/such/folder/x.pro"));
        w->SetServices({.SaveFileName = [unwritable](const QString&, QString&) { return unwritable; }});
        QVERIFY(!w->ActionSaveExecute());
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Couldn't write file %1").arg(unwritable));
        QCOMPARE(w->ShownFile(), QStringLiteral("(Paste)"));

        // Saved under a name without extension: the filter's is added.
        const QString target = w.Sandbox.Path(QStringLiteral("saved"));
        w->SetServices({.SaveFileName = [target](const QString& proposal, QString& extension) {
            extension = QStringLiteral(".pro");
            return proposal.isEmpty() ? QString() : target;
        }});
        QVERIFY(w->ActionSaveExecute());
        const QString saved = target + QStringLiteral(".pro");
        QCOMPARE(w->ShownFile(), saved);
        QVERIFY(!w.Action("ActionSave")->isEnabled());
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), Joined(SmallListing()));
        // The chosen name goes into the recent files as it is, above the paste.
        QCOMPARE(w->Settings().History().Items(), QStringList({saved, QStringLiteral("(Paste)")}));
        QVERIFY(w.Action("ActionReload")->isEnabled());

        // Now a new load no longer asks.
        const size_t boxes = w.Messages.Boxes.size();
        w->LoadFile(other);
        QCOMPARE(w.Messages.Boxes.size(), boxes);
        QCOMPARE(w->ShownFile(), other);
    }

    void AnAnalysisThatThrowsOrFindsNothingLeavesNoListing() {
        TStarted w;
        w->SetServices({.Analyzer = [](ListingLines&, const AnalysisSettings&, AnalysisObserver*, TraceSink*) -> AnalysisResult {
            throw std::runtime_error("Out of Memory");
        }});
        w.Load(SmallListing());
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Error processing file\r\nOut of Memory"));
        QVERIFY(w->ShownFile().isEmpty());
        QVERIFY(!w->IsLoading());
        QVERIFY(!w.Action("ActionPrev")->isEnabled());
        QVERIFY(w.Find<QFrame>("HidePanel")->isVisible() && !w.Grid()->isVisible());

        w->SetServices({.Analyzer = [](ListingLines&, const AnalysisSettings&, AnalysisObserver*, TraceSink*) {
            return AnalysisResult();
        }});
        w.Load(SmallListing());
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Error processing file\r\n") + NotAListing);
    }

    void ClosingWhileLoadingIsRefused() {
        TStarted w;
        bool refused = false;
        TMain* window = w.Window();
        w->SetServices({.Analyzer = [&](ListingLines& lines, const AnalysisSettings& s, AnalysisObserver* o, TraceSink* t) {
            QCloseEvent event;
            QApplication::sendEvent(window, &event);
            refused = !event.isAccepted();
            return AnalyzeListing(lines, s, o, t);
        }});
        w.Load(SmallListing());
        QVERIFY(refused);
        QVERIFY(w->HasListing());
    }
};

RegisterTest<LoadingTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "LoadingTest.moc"
