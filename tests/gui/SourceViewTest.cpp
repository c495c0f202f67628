#include <QAction>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include "StartedWindow.h"
#include "WindowControls.h"
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
        QVERIFY(w->SourceView().Grid()->ColWidth(0) > 0 && w->SourceView().Grid()->ColWidth(1) > 0 && w->SourceView().Grid()->ColWidth(3) > 0);
        const int sourceWidth = w->SourceView().Grid()->ColWidth(2);

        Control<QAction>(w->window(), "ActionZnrTotal")->trigger();
        QCOMPARE(w->SourceView().Grid()->ColWidth(0), 0);
        QVERIFY(w->SourceView().Grid()->ColWidth(2) > sourceWidth);
        Control<QAction>(w->window(), "ActionZnrTrigger")->trigger();
        Control<QAction>(w->window(), "ActionContinue")->trigger();
        QCOMPARE(w->SourceView().Grid()->ColWidth(1), 0);
        QCOMPARE(w->SourceView().Grid()->ColWidth(3), 0);

        // Upper case text is wider than lower case text in this font.
        w->SourceView().GotoPosition(2, -1, false);
        const int lowerWidth = w->SourceView().Position().MaxLineWidth;
        Control<QAction>(w->window(), "ActionLowercase")->trigger();
        QVERIFY(w->SourceView().Position().MaxLineWidth > lowerWidth);
        Control<QAction>(w->window(), "ActionNonPropFont")->trigger();
        QCOMPARE(w->SourceView().Grid()->DrawFont().family(), QStringLiteral("Courier New"));
        Control<QAction>(w->window(), "ActionNonPropFont")->trigger();
        QCOMPARE(w->SourceView().Grid()->DrawFont().family(), w->Options().SourceWin.Font.Name);
    }

    void TheLineNumberColumnFitsTheListingLength() {
        TStarted w;
        const QFontMetrics metrics(w->SourceView().Grid()->DrawFont());
        // 998 lines: "999"; 1500 lines: "9999".
        auto lines = SmallListing();
        w->LoadFile(w.Sandbox.Write(QStringLiteral("short.pro"), SmallListing(998 - static_cast<int>(lines.size()))));
        QCOMPARE(w->Listing().size(), size_t(998));
        QCOMPARE(w->SourceView().Grid()->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
        w->LoadFile(w.Sandbox.Write(QStringLiteral("long.pro"), SmallListing(1500 - static_cast<int>(lines.size()))));
        QCOMPARE(w->SourceView().Grid()->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("9999")) + 4);
        QCOMPARE(w->SourceView().Grid()->ColWidth(1), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
    }

    void TheHorizontalBarAppearsOnlyWhenALineIsWiderThanTheColumn() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        w->SourceView().GotoPosition(4, -1, false);  // <STOR>: short lines only... but a ruler line
        w->resize(2400, 700);
        QApplication::processEvents();
        const int available = w->SourceView().SourceColumnWidth();
        QVERIFY(available >= w->SourceView().Position().MaxLineWidth);
        QVERIFY(!Control<QScrollBar>(w->window(), "SourceGridHScroll")->isVisible());

        w->resize(500, 700);
        QApplication::processEvents();
        const int narrow = w->SourceView().SourceColumnWidth();
        QVERIFY(narrow < w->SourceView().Position().MaxLineWidth);
        QVERIFY(Control<QScrollBar>(w->window(), "SourceGridHScroll")->isVisible());
        QCOMPARE(Control<QScrollBar>(w->window(), "SourceGridHScroll")->maximum(), w->SourceView().Position().MaxLineWidth - narrow + 2);
        QCOMPARE(Control<QScrollBar>(w->window(), "SourceGridHScroll")->value(), 0);
        // It sits under the source column only.
        QCOMPARE(Control<QScrollBar>(w->window(), "SourceGridHScroll")->width(), w->SourceView().Grid()->ColWidth(2));
        Control<QScrollBar>(w->window(), "SourceGridHScroll")->setValue(15);
        QCOMPARE(w->SourceView().Grid()->HScrollPosition(), 15);
        // Every layout scrolls back to the left edge.
        w->SourceView().ShowStructure();
        QCOMPARE(w->SourceView().Grid()->HScrollPosition(), 0);
    }

    void ScrollingAPageRepaintsOnlyTheVisibleRows() {
        TStarted w;
        w->LoadFile(w.Sandbox.Write(QStringLiteral("big.pro"), SmallListing(5000)));
        QApplication::processEvents();
        QElapsedTimer timer;
        const int pages = 20;
        timer.start();
        for (int i = 0; i < pages; ++i) {
            QTest::keyClick(w->SourceView().Grid(), Qt::Key_PageDown);
            w->SourceView().Grid()->viewport()->repaint();
        }
        const double perPage = double(timer.nsecsElapsed()) / 1e6 / pages;
        qInfo("page scroll repaint: %.2f ms", perPage);
        QVERIFY(w->SourceView().Grid()->Row() > 0);
        // The figure itself is the benchmark's; here only a repaint that
        // draws far more than the visible rows would show.
        QVERIFY2(perPage < 100.0, qPrintable(QString::number(perPage)));
    }
};

lumorca::gui::test::RegisterTest<SourceViewTest> registered;

}  // namespace

#include "SourceViewTest.moc"
