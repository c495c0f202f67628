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
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->LoadFile(sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        QVERIFY(main->SourceGrid->ColWidth(0) > 0);
        QVERIFY(main->SourceGrid->ColWidth(1) > 0);
        QVERIFY(main->SourceGrid->ColWidth(3) > 0);
        const int sourceWidth = main->SourceGrid->ColWidth(2);

        main->ActionZnrTotal->trigger();
        QVERIFY(!main->Options().DisplayLineNrTotal);
        QCOMPARE(main->SourceGrid->ColWidth(0), 0);
        QVERIFY(main->SourceGrid->ColWidth(2) > sourceWidth);
        main->ActionZnrTrigger->trigger();
        main->ActionContinue->trigger();
        QCOMPARE(main->SourceGrid->ColWidth(1), 0);
        QCOMPARE(main->SourceGrid->ColWidth(3), 0);

        // Upper case text is wider than lower case text in this font.
        main->GotoPosition(2, -1, false);
        const int lowerWidth = main->MaxLineWidth;
        main->ActionLowercase->trigger();
        QVERIFY(!main->Options().Lowercase);
        QVERIFY(!main->SourceGrid->Settings().Lowercase);
        QVERIFY(main->MaxLineWidth > lowerWidth);

        main->ActionAutoIndent->trigger();
        QCOMPARE(main->SourceGrid->Settings().Indent.AutoIndent, main->Options().AutoIndent);
        main->ActionNonPropFont->trigger();
        QCOMPARE(main->SourceGrid->DrawFont().family(), QStringLiteral("Courier New"));
        main->ActionNonPropFont->trigger();
        QCOMPARE(main->SourceGrid->DrawFont().family(), main->Options().SourceWin.Font.Name);
    }

    void TheLineNumberColumnFitsTheListingLength() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        const QFontMetrics metrics(main->SourceGrid->DrawFont());
        // 998 lines: "999"; 1500 lines: "9999".
        auto lines = SmallListing();
        main->LoadFile(sandbox.Write(QStringLiteral("short.pro"), SmallListing(998 - static_cast<int>(lines.size()))));
        QCOMPARE(main->ListingLines_.size(), size_t(998));
        QCOMPARE(main->SourceGrid->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
        main->LoadFile(sandbox.Write(QStringLiteral("long.pro"), SmallListing(1500 - static_cast<int>(lines.size()))));
        QCOMPARE(main->SourceGrid->ColWidth(0), metrics.horizontalAdvance(QStringLiteral("9999")) + 4);
        QCOMPARE(main->SourceGrid->ColWidth(1), metrics.horizontalAdvance(QStringLiteral("999")) + 4);
    }

    void TheHorizontalBarAppearsOnlyWhenALineIsWiderThanTheColumn() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->LoadFile(sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        main->GotoPosition(4, -1, false);  // <STOR>: short lines only... but a ruler line
        main->resize(2400, 700);
        QApplication::processEvents();
        const int available = main->SourceColumnWidth(main->VScrollNeeded);
        QVERIFY(available >= main->MaxLineWidth);
        QVERIFY(!main->SourceGridHScroll->isVisible());

        main->resize(500, 700);
        QApplication::processEvents();
        const int narrow = main->SourceColumnWidth(main->VScrollNeeded);
        QVERIFY(narrow < main->MaxLineWidth);
        QVERIFY(main->SourceGridHScroll->isVisible());
        QCOMPARE(main->SourceGridHScroll->maximum(), main->MaxLineWidth - narrow + 2);
        QCOMPARE(main->SourceGridHScroll->value(), 0);
        // It sits under the source column only.
        QCOMPARE(main->SourceGridHScroll->width(), main->SourceGrid->ColWidth(2));
        main->SourceGridHScroll->setValue(15);
        QCOMPARE(main->SourceGrid->HScrollPosition(), 15);
        // Every layout scrolls back to the left edge.
        main->ShowStructure();
        QCOMPARE(main->SourceGrid->HScrollPosition(), 0);
    }

    void ScrollingAPageRepaintsOnlyTheVisibleRows() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->LoadFile(sandbox.Write(QStringLiteral("big.pro"), SmallListing(5000)));
        QApplication::processEvents();
        QElapsedTimer timer;
        const int pages = 20;
        timer.start();
        for (int i = 0; i < pages; ++i) {
            QTest::keyClick(main->SourceGrid, Qt::Key_PageDown);
            main->SourceGrid->viewport()->repaint();
        }
        const double perPage = double(timer.nsecsElapsed()) / 1e6 / pages;
        qInfo("page scroll repaint: %.2f ms", perPage);
        QVERIFY(main->SourceGrid->Row() > 0);
        // The figure itself is the benchmark's; here only a repaint that
        // draws far more than the visible rows would show.
        QVERIFY2(perPage < 100.0, qPrintable(QString::number(perPage)));
    }
};

lumorca::gui::test::RegisterTest<SourceViewTest> registered;

}  // namespace

#include "SourceViewTest.moc"
