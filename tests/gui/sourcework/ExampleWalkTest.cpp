// A walk through the example listing with mouse and keys only.
#include <QAction>
#include <QTest>

#include "SourceWorkSupport.h"
#include "app/SourceGrid.h"

namespace lumorca::gui::test {

class ExampleWalkTest : public QObject {
    Q_OBJECT
private slots:
    void followCallsBlocksAndBookmarksThroughTheExample() {
        TWindow w;
        w.LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(w->HasListing());
        QWidget* viewport = w.Viewport();
        const int call = w.LineOf("call LP_INIT_FORM");
        w.Show(call);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, w.At(call, 2));
        QCOMPARE(w->CurrentLine(), w.LineOf("entry LP_INIT_FORM"));
        w->SourceGrid->setFocus();
        QTest::keyClick(w->SourceGrid, Qt::Key_Backspace);
        QCOMPARE(w->CurrentLine(), call);

        // IF and ENDIF of the exec trigger, with the keyboard.
        const int ifLine = w.LineOf("     6        if ($status < 0)");
        const int endif = w.LineOf("     9 1      endif");
        QTest::keyClick(w->SourceGrid, Qt::Key_Down);
        QTest::keyClick(w->SourceGrid, Qt::Key_Down);
        QCOMPARE(w->CurrentLine(), ifLine);
        QTest::keyClick(w->SourceGrid, Qt::Key_Return);
        QCOMPARE(w->CurrentLine(), endif);

        // The own component's operation.
        const int activate = w.LineOf("activate \"ORDERS\".REFRESH_TOTALS");
        w.Show(activate);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, w.At(activate, 2));
        QCOMPARE(w->CurrentLine(), w.LineOf("operation REFRESH_TOTALS"));

        // A bookmark here, a copied line, and back by the bookmark.
        const int here = w->CurrentLine();
        w->SourceGrid->setFocus();
        QTest::keyClick(w->SourceGrid, Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
        w->MenuItemZeileKopieren->trigger();
        QCOMPARE(w.Clipboard(), QStringLiteral("operation REFRESH_TOTALS"));
        w->ActionNext->trigger();
        QVERIFY(w->CurrentLine() != here);
        QTest::keyClick(w->SourceGrid, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(w->CurrentLine(), here);
    }
};

static RegisterTest<ExampleWalkTest> registerExampleWalk;

}  // namespace lumorca::gui::test

#include "ExampleWalkTest.moc"
