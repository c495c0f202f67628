#include <QAction>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include "GuiTestSupport.h"
#include "TestRegistry.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

class SourceViewTest : public QObject {
    Q_OBJECT
private slots:
    void TogglesChangeTheColumnsAndTheTextAtOnce() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        QVERIFY(w->SourceGrid->ColWidth(0) > 0 && w->SourceGrid->ColWidth(1) > 0 && w->SourceGrid->ColWidth(3) > 0);
        const int sourceWidth = w->SourceGrid->ColWidth(2);

        w->ActionZnrTotal->trigger();
        QCOMPARE(w->SourceGrid->ColWidth(0), 0);
        QVERIFY(w->SourceGrid->ColWidth(2) > sourceWidth);
        w->ActionZnrTrigger->trigger();
        w->ActionContinue->trigger();
        QCOMPARE(w->SourceGrid->ColWidth(1), 0);
        QCOMPARE(w->SourceGrid->ColWidth(3), 0);

        // Upper case text is wider than lower case text in this font.
        w->GotoPosition(2, -1, false);
        const int lowerWidth = w->MaxLineWidth;
        w->ActionLowercase->trigger();
        QVERIFY(w->MaxLineWidth > lowerWidth);
        w->ActionNonPropFont->trigger();
        QCOMPARE(w->SourceGrid->DrawFont().family(), QStringLiteral("Courier New"));
        w->ActionNonPropFont->trigger();
        QCOMPARE(w->SourceGrid->DrawFont().family(), w->Options().SourceWin.Font.Name);
    }

    void TheLineNumberColumnFitsTheListingLength() {
        TStarted w;
        const QFontMetrics metrics(w->SourceGrid->DrawFont());
        // 998 lines: "999"; 1500 lines: "9999".
        auto lines = SmallListing();
        w->LoadFile(w.Sandbox.Write(QStringLiteral("short.pro"), SmallListing(998 - static_cast<int>(lines.size()))));
        QCOMPARE(w->ListingLines_.size(), size_t(998));
        QCOMPARE(w->SourceGrid->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
        w->LoadFile(w.Sandbox.Write(QStringLiteral("long.pro"), SmallListing(1500 - static_cast<int>(lines.size()))));
        QCOMPARE(w->SourceGrid->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("9999")) + 4);
        QCOMPARE(w->SourceGrid->ColWidth(1), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
    }

    void TheHorizontalBarAppearsOnlyWhenALineIsWiderThanTheColumn() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        w->GotoPosition(4, -1, false);  // <STOR>: short lines only... but a ruler line
        w->resize(2400, 700);
        QApplication::processEvents();
        const int available = w->SourceColumnWidth(w->VScrollNeeded);
        QVERIFY(available >= w->MaxLineWidth);
        QVERIFY(!w->SourceGridHScroll->isVisible());

        w->resize(500, 700);
        QApplication::processEvents();
        const int narrow = w->SourceColumnWidth(w->VScrollNeeded);
        QVERIFY(narrow < w->MaxLineWidth);
        QVERIFY(w->SourceGridHScroll->isVisible());
        QCOMPARE(w->SourceGridHScroll->maximum(), w->MaxLineWidth - narrow + 2);
        QCOMPARE(w->SourceGridHScroll->value(), 0);
        // It sits under the source column only.
        QCOMPARE(w->SourceGridHScroll->width(), w->SourceGrid->ColWidth(2));
        w->SourceGridHScroll->setValue(15);
        QCOMPARE(w->SourceGrid->HScrollPosition(), 15);
        // Every layout scrolls back to the left edge.
        w->ShowStructure();
        QCOMPARE(w->SourceGrid->HScrollPosition(), 0);
    }

    void ScrollingAPageRepaintsOnlyTheVisibleRows() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("big.pro"), SmallListing(5000)));
        QApplication::processEvents();
        QElapsedTimer timer;
        const int pages = 20;
        timer.start();
        for (int i = 0; i < pages; ++i) {
            QTest::keyClick(w->SourceGrid, Qt::Key_PageDown);
            w->SourceGrid->viewport()->repaint();
        }
        const double perPage = double(timer.nsecsElapsed()) / 1e6 / pages;
        qInfo("page scroll repaint: %.2f ms", perPage);
        QVERIFY(w->SourceGrid->Row() > 0);
        // The figure itself is the benchmark's; here only a repaint that
        // draws far more than the visible rows would show.
        QVERIFY2(perPage < 100.0, qPrintable(QString::number(perPage)));
    }
};

lumorca::gui::test::RegisterTest<SourceViewTest> registered;

}  // namespace

#include "SourceViewTest.moc"
