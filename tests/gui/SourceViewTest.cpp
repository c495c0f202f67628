#include <QFontMetrics>

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

class SourceViewTest : public QObject {
    Q_OBJECT
private slots:
    void TogglesChangeTheColumnsAndTheTextAtOnce() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        QVERIFY(w.Grid()->ColWidth(0) > 0 && w.Grid()->ColWidth(1) > 0 && w.Grid()->ColWidth(3) > 0);
        const int sourceWidth = w.Grid()->ColWidth(2);

        w.Action("ActionZnrTotal")->trigger();
        QCOMPARE(w.Grid()->ColWidth(0), 0);
        QVERIFY(w.Grid()->ColWidth(2) > sourceWidth);
        w.Action("ActionZnrTrigger")->trigger();
        w.Action("ActionContinue")->trigger();
        QCOMPARE(w.Grid()->ColWidth(1), 0);
        QCOMPARE(w.Grid()->ColWidth(3), 0);

        // Upper case text is wider than lower case text in this font.
        w.View().GotoPosition(2, -1, false);
        const int lowerWidth = w.View().Position().MaxLineWidth;
        w.Action("ActionLowercase")->trigger();
        QVERIFY(w.View().Position().MaxLineWidth > lowerWidth);
        w.Action("ActionNonPropFont")->trigger();
        QCOMPARE(w.Grid()->DrawFont().family(), QStringLiteral("Courier New"));
        w.Action("ActionNonPropFont")->trigger();
        QCOMPARE(w.Grid()->DrawFont().family(), w->Options().SourceWin.Font.Name);

        // The horizontal bar appears only when a line is wider than the column.
        w.Action("ActionZnrTotal")->trigger();
        w.View().GotoPosition(4, -1, false);  // <STOR>: short lines only... but a ruler line
        w->resize(2400, 700);
        QApplication::processEvents();
        const int available = w.View().SourceColumnWidth();
        QVERIFY(available >= w.View().Position().MaxLineWidth);
        QVERIFY(!w.Find<QScrollBar>("SourceGridHScroll")->isVisible());

        w->resize(500, 700);
        QApplication::processEvents();
        const int narrow = w.View().SourceColumnWidth();
        QVERIFY(narrow < w.View().Position().MaxLineWidth);
        QVERIFY(w.Find<QScrollBar>("SourceGridHScroll")->isVisible());
        QCOMPARE(w.Find<QScrollBar>("SourceGridHScroll")->maximum(), w.View().Position().MaxLineWidth - narrow + 2);
        QCOMPARE(w.Find<QScrollBar>("SourceGridHScroll")->value(), 0);
        // It sits under the source column only.
        QCOMPARE(w.Find<QScrollBar>("SourceGridHScroll")->width(), w.Grid()->ColWidth(2));
        w.Find<QScrollBar>("SourceGridHScroll")->setValue(15);
        QCOMPARE(w.Grid()->HScrollPosition(), 15);
        // Every layout scrolls back to the left edge.
        w.View().ShowStructure();
        QCOMPARE(w.Grid()->HScrollPosition(), 0);
    }

    void TheLineNumberColumnFitsTheListingLength() {
        TStarted w;
        const QFontMetrics metrics(w.Grid()->DrawFont());
        // 998 lines: "999"; 1500 lines: "9999".
        auto lines = SmallListing();
        w->LoadFile(w.Sandbox.Write(QStringLiteral("short.pro"), SmallListing(998 - static_cast<int>(lines.size()))));
        QCOMPARE(w->Listing().size(), size_t(998));
        QCOMPARE(w.Grid()->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
        w->LoadFile(w.Sandbox.Write(QStringLiteral("long.pro"), SmallListing(1500 - static_cast<int>(lines.size()))));
        QCOMPARE(w.Grid()->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("9999")) + 4);
        QCOMPARE(w.Grid()->ColWidth(1), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
    }

    void ScrollingAPageRepaintsOnlyTheVisibleRows() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("big.pro"), SmallListing(5000)));
        QApplication::processEvents();
        QElapsedTimer timer;
        const int pages = 20;
        timer.start();
        for (int i = 0; i < pages; ++i) {
            QTest::keyClick(w.Grid(), Qt::Key_PageDown);
            w.Grid()->viewport()->repaint();
        }
        const double perPage = double(timer.nsecsElapsed()) / 1e6 / pages;
        qInfo("page scroll repaint: %.2f ms", perPage);
        QVERIFY(w.Grid()->Row() > 0);
        // The figure itself is the benchmark's; here only a repaint that
        // draws far more than the visible rows would show.
        QVERIFY2(perPage < 100.0, qPrintable(QString::number(perPage)));
    }
};

RegisterTest<SourceViewTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "SourceViewTest.moc"
