#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

class CallGraphSaveTest : public QObject {
    Q_OBJECT
private slots:
    void WritesTheGraphAndAPictureBesideIt() {
        TStarted w;
        // Without a listing there is no graph to ask a name for; Cancel and
        // a failed write leave no file.
        bool asked = false;
        w->SetServices({.CallGraphFileName = [&](const QString&) {
            asked = true;
            return QString();
        }});
        QVERIFY(w->MenuItemSaveCallGraphClick().isEmpty());
        QVERIFY(!asked);
        w.Load(SmallListing());
        QVERIFY(w->MenuItemSaveCallGraphClick().isEmpty());
        QVERIFY(asked);
        QVERIFY(w.Messages.Boxes.empty());
        const QString unwritable = w.Sandbox.Path(QStringLiteral("no/such/folder/graph.dot"));
        w->SetServices({.CallGraphFileName = [&](const QString&) { return unwritable; }});
        QVERIFY(w->MenuItemSaveCallGraphClick().isEmpty());
        QCOMPARE(w.Messages.Boxes.size(), size_t(1));
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Couldn't write file ") + unwritable);

        QString proposal;
        w->SetServices({.CallGraphFileName = [&](const QString& offered) {
            proposal = offered;
            return w.Sandbox.Path(QStringLiteral("graph"));  // no extension: ".dot" is added
        }});
        const QString written = w->MenuItemSaveCallGraphClick();
        QCOMPARE(proposal, QStringLiteral("ORDERS.dot"));
        QCOMPARE(written, w.Sandbox.Path(QStringLiteral("graph.dot")));

        QVERIFY(QFileInfo::exists(written));
        const bool graphviz = !QStandardPaths::findExecutable(QStringLiteral("dot")).isEmpty();
        QCOMPARE(QFileInfo::exists(w.Sandbox.Path(QStringLiteral("graph.svg"))), graphviz);
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
        TStarted w;
        w->Options().IgnoreEmptyLines = ignoreEmptyLines;
        w->LoadFile(listing);
        w->SetServices({.CallGraphFileName = [&](const QString&) { return w.Sandbox.Path(QStringLiteral("g.dot")); }});
        QFile saved(w->MenuItemSaveCallGraphClick());
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

};

RegisterTest<CallGraphSaveTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "CallGraphSaveTest.moc"
