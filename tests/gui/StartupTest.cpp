#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "TestRegistry.h"

using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void DebugWithLevelShowsBarPanelAndLevelAndLoadsTheFile() {
        TSandbox sandbox;
        TScriptedMessages messages;
        const QString file = sandbox.Write(QStringLiteral("a.pro"), SmallListing());
        auto main = StartMain(sandbox, messages, {QStringLiteral("Lumorca7"), QStringLiteral("-DEBUG=4"), file});
        QVERIFY(main->ToolBarDebug->isVisible());
        QVERIFY(main->DEBUGPanel->isVisible());
        QCOMPARE(main->DEBUGOption->currentIndex(), 4);
        QCOMPARE(main->ListingFileName, file);
        QVERIFY(messages.Boxes.empty());
    }

    void OnlySixCharactersAreComparedAndABadLevelSelectsNothing() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto plain = StartMain(sandbox, messages, {QStringLiteral("Lumorca7"), QStringLiteral("-DEBUGX")});
        QVERIFY(plain->ToolBarDebug->isVisible());
        QCOMPARE(plain->DEBUGOption->currentIndex(), -1);
        QVERIFY(!plain->DEBUGPanel->isVisible());

        for (const QString& argument : {QStringLiteral("-DEBUG=x1"), QStringLiteral("-DEBUG=99"),
                                        QStringLiteral("-DEBUG="), QStringLiteral("-DEBUG=4x")}) {
            auto main = StartMain(sandbox, messages, {QStringLiteral("Lumorca7"), argument});
            QVERIFY2(main->DEBUGOption->currentIndex() == -1, qPrintable(argument));
            QVERIFY(main->ToolBarDebug->isVisible());
        }
        auto twoDigits = StartMain(sandbox, messages, {QStringLiteral("Lumorca7"), QStringLiteral("-DEBUG=18")});
        QCOMPARE(twoDigits->DEBUGOption->currentIndex(), 18);
    }

    void WithoutDebugTheBarStaysHidden() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        QVERIFY(!main->ToolBarDebug->isVisible());
        QVERIFY(!main->DEBUGPanel->isVisible());
        QVERIFY(!main->WarningsOnly);
        QVERIFY(main->HidePanel->isVisible());
        QVERIFY(!main->ActionPrev->isEnabled());
        QCOMPARE(main->windowTitle(), QStringLiteral("Corvane Source Analyzer (no form loaded)"));
    }

    void WarningsOnlyIsCaseSensitive() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto lower = StartMain(sandbox, messages, {QStringLiteral("Lumorca7"), QStringLiteral("-warningsonly")});
        QVERIFY(!lower->WarningsOnly);
        auto upper = StartMain(sandbox, messages, {QStringLiteral("Lumorca7"), QStringLiteral("-WARNINGSONLY")});
        QVERIFY(upper->WarningsOnly);
    }

    void OnlyTheFirstFileArgumentIsLoaded() {
        TSandbox sandbox;
        TScriptedMessages messages;
        const QString first = sandbox.Write(QStringLiteral("first.pro"), SmallListing());
        const QString second = sandbox.Write(QStringLiteral("second.pro"), SmallListing(3));
        auto main = StartMain(sandbox, messages,
                              {QStringLiteral("Lumorca7"), QStringLiteral("-DEBUG"), first, second});
        QCOMPARE(main->ListingFileName, first);
        QCOMPARE(main->OptionWin->History.Count(), 1);
        QVERIFY(main->SourceGrid->isVisible());
        QVERIFY(!main->HidePanel->isVisible());
    }
};

lumorca::gui::test::RegisterTest<StartupTest> registered;

}  // namespace

#include "StartupTest.moc"
