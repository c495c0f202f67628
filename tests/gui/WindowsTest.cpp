#include <QAction>
#include <QMdiArea>
#include <QTest>

#include "GuiTestSupport.h"
#include "TestRegistry.h"
#include "windows/Arrangement.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void SharesOfAThousandPixels() {
        ArrangeInput input;
        input.ClientWidth = 1000;
        input.ClientHeight = 600;
        input.SourceSize2x = true;
        auto placed = ArrangeChildWindows(input);
        QCOMPARE(placed[ChildStructure], QRect(0, 0, 200, 596));
        QCOMPARE(placed[ChildXRef], QRect(200, 0, 200, 596));
        QCOMPARE(placed[ChildCall], QRect(400, 0, 200, 596));
        QCOMPARE(placed[ChildSource], QRect(600, 0, 396, 596));

        // Call window off, source not doubled: thirds, the source the rest less 4.
        input.States = {0, 0, 1, 0};
        input.SourceSize2x = false;
        placed = ArrangeChildWindows(input);
        QVERIFY(!placed[ChildCall]);
        QCOMPARE(placed[ChildStructure]->width(), 333);
        QCOMPARE(placed[ChildXRef]->left(), 333);
        QCOMPARE(placed[ChildSource], QRect(666, 0, 330, 596));

        // A maximised window counts no share and is not moved; the last
        // visible window keeps its share when the source window is off.
        input.States = {2, 0, 0, 1};
        input.DebugPanelHeight = 100;
        placed = ArrangeChildWindows(input);
        QVERIFY(!placed[ChildStructure]);
        QCOMPARE(placed[ChildXRef], QRect(0, 0, 500, 496));
        QCOMPARE(placed[ChildCall], QRect(500, 0, 500, 496));
    }

    void TheRealFrameIsArrangedTheSameWay() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->toggleWin(main->CallWin, true);
        const QSize client = main->MdiArea->viewport()->size();
        const int share = client.width() / 5;
        QCOMPARE(main->StructureWin->geometry(), QRect(0, 0, share, client.height() - 4));
        QCOMPARE(main->CallWin->geometry().left(), 2 * share);
        QCOMPARE(main->SourceWin->geometry().width(), client.width() - 3 * share - 4);
    }

    void ClosingAChildSwitchesItOffAndItsActionBringsItBack() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->LoadFile(sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        QVERIFY(main->ActionXRefWin->isChecked());
        main->XRefWin->close();
        QApplication::processEvents();
        QVERIFY(main->XRefWin->isMinimized());
        QVERIFY(!main->ActionXRefWin->isChecked());
        QCOMPARE(main->Options().XRefWin.State, 1);
        // The others share the width now.
        const int width = main->MdiArea->viewport()->width();
        QCOMPARE(main->StructureWin->width(), width / 3);

        main->ActionXRefWin->trigger();
        QVERIFY(!main->XRefWin->isMinimized());
        QVERIFY(main->ActionXRefWin->isChecked());
        QCOMPARE(main->Options().XRefWin.State, 0);
        QCOMPARE(main->XRefWin->geometry().left(), width / 4);
    }

    void ShrinkingAChildToNarrowSwitchesItOff() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->ActionAutoArrange->trigger();  // off, so nothing moves it back
        QVERIFY(!main->Options().AutoSize);
        main->StructureWin->resize(150, 300);
        QApplication::processEvents();
        QVERIFY(!main->ActionStrukturWin->isChecked());
        QVERIFY(main->StructureWin->isMinimized());
    }

    void WithoutAutomaticArrangementOnlyArrangeMoves() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->ActionAutoArrange->trigger();
        QVERIFY(!main->ActionAutoArrange->isChecked());
        main->StructureWin->setGeometry(10, 10, 300, 300);
        main->resize(1300, 800);
        QApplication::processEvents();
        QCOMPARE(main->StructureWin->geometry(), QRect(10, 10, 300, 300));
        main->ActionArrangeExecute();
        QCOMPARE(main->StructureWin->geometry().topLeft(), QPoint(0, 0));
        QVERIFY(main->WindowsPlaced);

        main->ActionAutoArrange->trigger();
        QVERIFY(main->Options().AutoSize);
    }
};

lumorca::gui::test::RegisterTest<WindowsTest> registered;

}  // namespace

#include "WindowsTest.moc"
