
#include "StartedWindow.h"
#include "windows/Arrangement.h"

namespace lumorca::gui::test {

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

    void ClosingAChildSwitchesItOffAndItsActionBringsItBack() {
        TStarted w;
        w.Load(SmallListing());  // Arrange is offered with a listing only
        w.Find<TChildForm>("XRefWin")->close();
        QApplication::processEvents();
        QVERIFY(w.Find<TChildForm>("XRefWin")->isMinimized());
        QVERIFY(!w.Action("ActionXRefWin")->isChecked());
        QCOMPARE(w->Options().XRefWin.State, 1);
        // The others share the width now.
        const int width = w.Find<QMdiArea>("MdiArea")->viewport()->width();
        QCOMPARE(w.Find<TChildForm>("StructureWin")->width(), width / 3);

        w.Action("ActionXRefWin")->trigger();
        QVERIFY(!w.Find<TChildForm>("XRefWin")->isMinimized());
        QVERIFY(w.Action("ActionXRefWin")->isChecked());
        QCOMPARE(w->Options().XRefWin.State, 0);
        QCOMPARE(w.Find<TChildForm>("XRefWin")->geometry().left(), width / 4);

        // Without automatic arrangement only Arrange moves the children.
        w.Action("ActionAutoArrange")->trigger();
        QVERIFY(!w->Options().AutoSize);
        w.Find<TChildForm>("StructureWin")->setGeometry(10, 10, 300, 300);
        w->resize(1300, 800);
        QApplication::processEvents();
        QCOMPARE(w.Find<TChildForm>("StructureWin")->geometry(), QRect(10, 10, 300, 300));
        w.Action("ActionArrange")->trigger();
        QCOMPARE(w.Find<TChildForm>("StructureWin")->geometry().topLeft(), QPoint(0, 0));

        // Shrunk too narrow, a child is switched off.
        w.Find<TChildForm>("StructureWin")->resize(150, 300);
        QApplication::processEvents();
        QVERIFY(!w.Action("ActionStrukturWin")->isChecked());
        QVERIFY(w.Find<TChildForm>("StructureWin")->isMinimized());
    }
};

RegisterTest<WindowsTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "WindowsTest.moc"
