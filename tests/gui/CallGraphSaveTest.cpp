#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include "GuiTestSupport.h"
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
        QCOMPARE(main->MenuItemSaveCallGraph->text(), QStringLiteral("Save call graph..."));
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
