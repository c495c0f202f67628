// The source window's tool bar, and keys and clicks of the grid.

#include "StartedWindow.h"

namespace lumorca::gui::test {

class SourceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void noToolButtonIsHiddenInAThousandPixelFrame() {
        TStarted w;
        w.LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        w->resize(1000, 760);
        QApplication::processEvents();
        w.Action("ActionArrange")->trigger();
        for (const char* header : {"entry LP_CALC_TOTAL", "operation REFRESH_TOTALS"}) {
            w.Show(w.LineOf(header));
            QApplication::processEvents();
            for (QAction* action : w.Find<QToolBar>("ToolBarSource")->actions()) {
                if (action->isSeparator()) continue;
                QWidget* button = w.Find<QToolBar>("ToolBarSource")->widgetForAction(action);
                QVERIFY2(button && button->isVisible(), qPrintable(action->objectName() + " " + header));
            }
        }
    }

    void homeEndAndAClickBelowTheRows() {
        TStarted w;
        w.Load(SmallListing());
        w.Show(w.LineOf("store"));  // a short trigger
        TSourceGrid* grid = w.Grid();
        QVERIFY(grid->RowCount() > 3);
        grid->SetRow(2);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_End);
        QCOMPARE(grid->Row(), grid->RowCount() - 1);
        QTest::keyClick(grid, Qt::Key_Home);
        QCOMPARE(grid->Row(), 0);

        // The empty area below the last row focuses the grid.
        XRefOutlineOf(w.Window())->setFocus();
        QWidget* client = grid->parentWidget();
        const QPoint below(40, grid->geometry().bottom() + 10);
        QVERIFY(below.y() < client->height());
        QCOMPARE(client->childAt(below), nullptr);
        QTest::mouseClick(client, Qt::LeftButton, {}, below);
        QVERIFY(grid->hasFocus());
    }
};

static RegisterTest<SourceWindowTest> registered;

}  // namespace lumorca::gui::test

#include "SourceWindowTest.moc"
