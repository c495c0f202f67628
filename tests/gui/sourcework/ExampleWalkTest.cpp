// A walk through the example listing with mouse and keys only.

#include "StartedWindow.h"

namespace lumorca::gui::test {

class ExampleWalkTest : public QObject {
    Q_OBJECT
private slots:
    void followCallsBlocksAndBookmarksThroughTheExample() {
        TStarted w;
        w.LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(w->HasListing());
        QWidget* viewport = w.Viewport();
        const int call = w.LineOf("call LP_INIT_FORM");
        w.Show(call);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, w.At(call, 2));
        QCOMPARE(w.View().CurrentLine(), w.LineOf("entry LP_INIT_FORM"));
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_Backspace);
        QCOMPARE(w.View().CurrentLine(), call);

        // IF and ENDIF of the exec trigger, with the keyboard.
        const int ifLine = w.LineOf("     6        if ($status < 0)");
        const int endif = w.LineOf("     9 1      endif");
        QTest::keyClick(w.Grid(), Qt::Key_Down);
        QTest::keyClick(w.Grid(), Qt::Key_Down);
        QCOMPARE(w.View().CurrentLine(), ifLine);
        QTest::keyClick(w.Grid(), Qt::Key_Return);
        QCOMPARE(w.View().CurrentLine(), endif);

        // The own component's operation.
        const int activate = w.LineOf("activate \"ORDERS\".REFRESH_TOTALS");
        w.Show(activate);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, w.At(activate, 2));
        QCOMPARE(w.View().CurrentLine(), w.LineOf("operation REFRESH_TOTALS"));

        // A bookmark here, a copied line, and back by the bookmark.
        const int here = w.View().CurrentLine();
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
        w.Action("MenuItemZeileKopieren")->trigger();
        QCOMPARE(w.Clipboard(), QStringLiteral("operation REFRESH_TOTALS"));
        w.Action("ActionNext")->trigger();
        QVERIFY(w.View().CurrentLine() != here);
        QTest::keyClick(w.Grid(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(w.View().CurrentLine(), here);
    }
};

static RegisterTest<ExampleWalkTest> registerExampleWalk;

}  // namespace lumorca::gui::test

#include "ExampleWalkTest.moc"
