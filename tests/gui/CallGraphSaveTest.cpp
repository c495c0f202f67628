#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "GuiTestSupport.h"
#include "WindowControls.h"
#include "analyzer/ListingLoader.h"
#include "TestRegistry.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

class CallGraphSaveTest : public QObject {
    Q_OBJECT
private slots:
    void WritesTheGraphAndAPictureBesideIt() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        QCOMPARE(Control<QAction>(main.get(), "MenuItemSaveCallGraph")->text(), QStringLiteral("Save call graph..."));
        main->LoadFile(sandbox.Write(QStringLiteral("orders.pro"), SmallListing()));
        QString proposal;
        main->CallGraphFileName = [&](const QString& offered) {
            proposal = offered;
            return sandbox.Path(QStringLiteral("graph"));  // no extension: ".dot" is added
        };
        const QString written = main->MenuItemSaveCallGraphClick();
        QCOMPARE(proposal, QStringLiteral("ORDERS.dot"));
        QCOMPARE(written, sandbox.Path(QStringLiteral("graph.dot")));
        QVERIFY(messages.Boxes.empty());

        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray dot = file.readAll();
        QVERIFY(dot.startsWith("digraph calls {\n"));
        // Two triggers and two entries; EXEC calls LP_A twice and LP_B, the
        // entries call each other, STOR calls LP_B.
        QCOMPARE(dot.count("shape=box"), 2);
        QCOMPARE(dot.count("shape=ellipse"), 2);
        QCOMPARE(dot.count(" -> "), 6);

        const bool graphviz = !QStandardPaths::findExecutable(QStringLiteral("dot")).isEmpty();
        QCOMPARE(QFileInfo::exists(sandbox.Path(QStringLiteral("graph.svg"))), graphviz);
    }

#ifdef LUMORCA_CLI
    void SavesWhatTheCommandLineWrites_data() {
        QTest::addColumn<bool>("ignoreEmptyLines");
        QTest::newRow("empty lines kept") << false;
        QTest::newRow("empty lines dropped") << true;
    }
    void SavesWhatTheCommandLineWrites() {
        QFETCH(bool, ignoreEmptyLines);
        const QString listing = QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro");
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        // The program's own analysis, not the tests' hand-made one.
        main->Analyzer = [](ListingLines& lines, const AnalysisSettings& settings,
                            AnalysisObserver* observer, TraceSink* trace) {
            LoadedListing loaded = AnalyzeReadListing(std::move(lines), settings, observer, trace);
            lines = std::move(loaded.Lines);
            return std::move(loaded.Analysis);
        };
        main->Options().IgnoreEmptyLines = ignoreEmptyLines;
        main->LoadFile(listing);
        main->CallGraphFileName = [&](const QString&) { return sandbox.Path(QStringLiteral("g.dot")); };
        QFile saved(main->MenuItemSaveCallGraphClick());
        QVERIFY(saved.open(QIODevice::ReadOnly));

        QProcess cli;
        cli.start(QStringLiteral(LUMORCA_CLI),
                  {QStringLiteral("graph"), QStringLiteral("--option"),
                   QStringLiteral("IgnoreEmptyLines=%1").arg(ignoreEmptyLines ? 1 : 0), listing});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(saved.readAll(), cli.readAllStandardOutput());
    }
#endif

    void CancelWritesNothingAndFailuresAreReported() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        // Without a listing there is no graph to ask a name for.
        bool asked = false;
        main->CallGraphFileName = [&](const QString&) {
            asked = true;
            return QString();
        };
        QVERIFY(main->MenuItemSaveCallGraphClick().isEmpty());
        QVERIFY(!asked);

        main->LoadFile(sandbox.Write(QStringLiteral("orders.pro"), SmallListing()));
        QVERIFY(main->MenuItemSaveCallGraphClick().isEmpty());
        QVERIFY(asked);
        QVERIFY(messages.Boxes.empty());

        const QString unwritable = sandbox.Path(QStringLiteral("no/such/folder/graph.dot"));
        main->CallGraphFileName = [&](const QString&) { return unwritable; };
        QVERIFY(main->MenuItemSaveCallGraphClick().isEmpty());
        QCOMPARE(messages.Boxes.size(), size_t(1));
        QCOMPARE(messages.LastText(), QStringLiteral("Couldn't write file ") + unwritable);
    }
};

lumorca::gui::test::RegisterTest<CallGraphSaveTest> registered;

}  // namespace

#include "CallGraphSaveTest.moc"
