#include <QAction>
#include <QMdiArea>
#include <QTest>

#include "StartedWindow.h"
#include "WindowControls.h"
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
        TStarted w;
        w->toggleWin(Control<TChildForm>(w->window(), "CallWin"), true);
        const QSize client = Control<QMdiArea>(w->window(), "MdiArea")->viewport()->size();
        const int share = client.width() / 5;
        QCOMPARE(Control<TChildForm>(w->window(), "StructureWin")->geometry(), QRect(0, 0, share, client.height() - 4));
        QCOMPARE(Control<TChildForm>(w->window(), "CallWin")->geometry().left(), 2 * share);
        QCOMPARE(Control<TChildForm>(w->window(), "SourceWin")->geometry().width(), client.width() - 3 * share - 4);
    }

    void ClosingAChildSwitchesItOffAndItsActionBringsItBack() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        Control<TChildForm>(w->window(), "XRefWin")->close();
        QApplication::processEvents();
        QVERIFY(Control<TChildForm>(w->window(), "XRefWin")->isMinimized());
        QVERIFY(!Control<QAction>(w->window(), "ActionXRefWin")->isChecked());
        QCOMPARE(w->Options().XRefWin.State, 1);
        // The others share the width now.
        const int width = Control<QMdiArea>(w->window(), "MdiArea")->viewport()->width();
        QCOMPARE(Control<TChildForm>(w->window(), "StructureWin")->width(), width / 3);

        Control<QAction>(w->window(), "ActionXRefWin")->trigger();
        QVERIFY(!Control<TChildForm>(w->window(), "XRefWin")->isMinimized());
        QVERIFY(Control<QAction>(w->window(), "ActionXRefWin")->isChecked());
        QCOMPARE(w->Options().XRefWin.State, 0);
        QCOMPARE(Control<TChildForm>(w->window(), "XRefWin")->geometry().left(), width / 4);
    }

    void WithoutAutomaticArrangementOnlyArrangeMoves() {
        TStarted w;
        w.Load(SmallListing());  // Arrange is offered with a listing only
        Control<QAction>(w->window(), "ActionAutoArrange")->trigger();
        QVERIFY(!w->Options().AutoSize);
        Control<TChildForm>(w->window(), "StructureWin")->setGeometry(10, 10, 300, 300);
        w->resize(1300, 800);
        QApplication::processEvents();
        QCOMPARE(Control<TChildForm>(w->window(), "StructureWin")->geometry(), QRect(10, 10, 300, 300));
        Control<QAction>(w->window(), "ActionArrange")->trigger();
        QCOMPARE(Control<TChildForm>(w->window(), "StructureWin")->geometry().topLeft(), QPoint(0, 0));

        // Shrunk too narrow, a child is switched off.
        Control<TChildForm>(w->window(), "StructureWin")->resize(150, 300);
        QApplication::processEvents();
        QVERIFY(!Control<QAction>(w->window(), "ActionStrukturWin")->isChecked());
        QVERIFY(Control<TChildForm>(w->window(), "StructureWin")->isMinimized());
    }
};

lumorca::gui::test::RegisterTest<WindowsTest> registered;

}  // namespace

#include "WindowsTest.moc"
