
#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // "FILE" and "SECOND" stand for two listings in the sandbox; only the
    // first file argument is loaded.
    void TheCommandLineSetsDebugWarningsAndTheFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("debugBar");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("warningsOnly");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("nothing") << QStringList{} << false << -1 << false << false;
        QTest::newRow("level and file") << QStringList{"-DEBUG=4", "FILE"} << true << 4 << false << true;
        QTest::newRow("two digits") << QStringList{"-DEBUG=18"} << true << 18 << false << false;
        QTest::newRow("six characters") << QStringList{"-DEBUGX"} << true << -1 << false << false;
        for (const char* bad : {"-DEBUG=x1", "-DEBUG=99", "-DEBUG=", "-DEBUG=4x"})
            QTest::newRow(bad) << QStringList{bad} << true << -1 << false << false;
        QTest::newRow("lower case") << QStringList{"-warningsonly"} << false << -1 << false << false;
        QTest::newRow("upper case") << QStringList{"-WARNINGSONLY"} << false << -1 << true << false;
        QTest::newRow("two files") << QStringList{"-DEBUG", "FILE", "SECOND"} << true << -1 << false << true;
    }
    void TheCommandLineSetsDebugWarningsAndTheFile() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, debugBar);
        QFETCH(int, level);
        QFETCH(bool, warningsOnly);
        QFETCH(bool, loaded);
        TSandbox sandbox;
        TScriptedMessages messages;
        const QString file = sandbox.Write(QStringLiteral("first.pro"), SmallListing());
        arguments.replaceInStrings(QStringLiteral("FILE"), file);
        arguments.replaceInStrings(QStringLiteral("SECOND"), sandbox.Write(QStringLiteral("second.pro"), SmallListing(3)));
        auto main = StartMain(sandbox, messages, QStringList{QStringLiteral("Lumorca7")} + arguments);
        QCOMPARE(Control<QToolBar>(main.get(), "ToolBarDebug")->isVisible(), debugBar);
        QCOMPARE(Control<QComboBox>(main.get(), "DEBUGOption")->currentIndex(), level);
        // A level that is given but not valid still shows the panel.
        QCOMPARE(Control<QWidget>(main.get(), "DEBUGPanel")->isVisible(), level >= 0 || QTest::currentDataTag()[0] == '-');
        QCOMPARE(!main->CallSitesKnown(), warningsOnly);
        QCOMPARE(main->ShownFile(), loaded ? file : QString());
        QCOMPARE(main->Settings().History().Count(), loaded ? 1 : 0);
        QCOMPARE(Control<QFrame>(main.get(), "HidePanel")->isVisible(), !loaded);
        QCOMPARE(Control<QAction>(main.get(), "ActionPrev")->isEnabled(), loaded);
        QVERIFY(messages.Boxes.empty());
        if (!loaded)
            QCOMPARE(main->windowTitle(), QStringLiteral("Corvane Source Analyzer (no form loaded)"));
    }
};

RegisterTest<StartupTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "StartupTest.moc"
