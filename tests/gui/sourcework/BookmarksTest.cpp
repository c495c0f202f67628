// The ten bookmarks: keys, Ctrl+click, menus, tool buttons and the marker.

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

std::pair<int, int> BookmarkAt(TWindow& w, int n) {
    int32_t structure = -1;
    int32_t line = -1;
    w.View().BookmarkPositions().GetPosition(n, structure, line);
    return {structure, line};
}

void CtrlClick(TWindow& w, int line) {
    QTest::mouseClick(w.Viewport(), Qt::LeftButton, Qt::ControlModifier, w.At(line, 2));
    QApplication::processEvents();
}

}  // namespace

class BookmarksTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlShiftDigitSetsAndCtrlDigitComesBackFromAnywhere() {
        TWindow w;
        w.Load(WorkListing());
        const int history = w.View().History().Count();
        const int line = w.LineOf("V_SUM = P_A");
        w.Show(line);
        const int structure = w.View().Position().CurrentStructure;
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BookmarkAt(w, 3), std::make_pair(structure, line));
        QCOMPARE(w.Grid()->BookmarkOfLine(line), 3);
        QVERIFY(NumberedAction(w.Window(), "SetBookmark", 3)->isChecked());
        QVERIFY(NumberedAction(w.Window(), "GotoBookmark", 3)->isEnabled());
        QCOMPARE(NumberedAction(w.Window(), "GotoBookmark", 3)->text(), QStringLiteral("Bookmark &3 :entry LP_SUM"));

        // Setting it again elsewhere moves it.
        const int other = w.LineOf("numeric P_A");
        w.Show(other);
        QTest::keyClick(w.Grid(), Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BookmarkAt(w, 3), std::make_pair(structure, other));
        QCOMPARE(w.Grid()->BookmarkOfLine(line), -1);

        w.Show(w.LineOf("call LP_SUM"));
        XRefOutlineOf(w.Window())->setFocus();
        QTest::keyClick(XRefOutlineOf(w.Window()), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(w.View().CurrentLine(), other);
        QCOMPARE(w.View().History().Count(), history + 1);

        // An unset bookmark is not offered and goes nowhere.
        QVERIFY(!NumberedAction(w.Window(), "GotoBookmark", 4)->isEnabled());
        QTest::keyClick(w.Grid(), Qt::Key_4, Qt::ControlModifier);
        w.View().gotoBookMarkClick(4);
        QCOMPARE(w.View().CurrentLine(), other);
    }

    void ctrlClickTogglesTheLowestFreeBookmark() {
        TWindow w;
        w.Load(WorkListing());
        const int first = w.LineOf("call LP_SUM");
        const int second = w.LineOf("call LP_MISSING");
        w.Show(first);
        CtrlClick(w, first);
        CtrlClick(w, second);
        QCOMPARE(w.Grid()->BookmarkOfLine(first), 0);
        QCOMPARE(w.Grid()->BookmarkOfLine(second), 1);
        QVERIFY(!w.View().Marked().HasMark());
        CtrlClick(w, first);
        QCOMPARE(w.Grid()->BookmarkOfLine(first), -1);
        QVERIFY(!NumberedAction(w.Window(), "GotoBookmark", 0)->isEnabled());
        CtrlClick(w, w.LineOf("activate \"ORDERS\""));
        QCOMPARE(w.Grid()->BookmarkOfLine(w.LineOf("activate \"ORDERS\"")), 0);

        // With all ten in use a further Ctrl+click stores nothing.
        for (int line = w.LineOf("activate $instancename"); w.View().BookmarkPositions().FindPosition(w.View().Position().CurrentStructure, line) < 0 &&
                                                            BookmarkAt(w, 9).first < 0;
             ++line)
            CtrlClick(w, line);
        QCOMPARE(BookmarkAt(w, 9).first, w.View().Position().CurrentStructure);
        const int full = w.LineOf("repeat");
        CtrlClick(w, full);
        QCOMPARE(w.Grid()->BookmarkOfLine(full), -1);
    }

    void menusAndButtonsNameTheBookmarksInBothLanguages() {
        TWindow w;
        w.Load(WorkListing());
        QVERIFY(!NumberedAction(w.Window(), "ToolButtonGotoBookmark", 0)->isEnabled());
        QVERIFY(w.Find<QToolBar>("ToolBarSource")->widgetForAction(NumberedAction(w.Window(), "ToolButtonGotoBookmark", 0))->toolTip().isEmpty());

        const int line = w.LineOf("clear/e");
        w.Show(line);
        NumberedAction(w.Window(), "SetBookmark", 0)->trigger();
        QVERIFY(NumberedAction(w.Window(), "ToolButtonGotoBookmark", 0)->isEnabled());
        QCOMPARE(w.Find<QToolBar>("ToolBarSource")->widgetForAction(NumberedAction(w.Window(), "ToolButtonGotoBookmark", 0))->toolTip(),
                 QStringLiteral("Bookmark 0 :<EXEC> from Form: ORDERS"));
        w.Show(w.LineOf("return (V_SUM)"));
        NumberedAction(w.Window(), "ToolButtonGotoBookmark", 0)->trigger();
        QCOMPARE(w.View().CurrentLine(), line);

        w->Options().Language = 0;
        w->ApplyOptions();
        QVERIFY(NumberedAction(w.Window(), "GotoBookmark", 0)->text().startsWith(QStringLiteral("Lesezeichen &0 :")));

        // A new listing forgets them.
        w.Load(WorkListing(), QStringLiteral("again.pro"));
        QVERIFY(!NumberedAction(w.Window(), "ToolButtonGotoBookmark", 0)->isEnabled());
        QVERIFY(!NumberedAction(w.Window(), "SetBookmark", 0)->isChecked());
    }

    void theMarkerIsADogEaredPageInTheFirstNumberColumn() {
        TWindow w;
        w.Load(WorkListing());
        const int line = w.LineOf("clear/e");
        w.Show(line);
        NumberedAction(w.Window(), "SetBookmark", 7)->trigger();
        auto pagePixel = [&w, line](int column) {
            QApplication::processEvents();
            const QImage image = w.Viewport()->grab().toImage();
            int left = 0;
            for (int c = 0; c < column; ++c) left += w.Grid()->ColWidth(c);
            const int row = line - w.View().Position().TopLine - w.Grid()->TopRow();
            const int bottom = (row + 1) * w.Grid()->RowHeight() - 1;
            const QPoint p(left + 4 + 11, bottom - 2);  // inside the page, clear of the digit
            const qreal scale = image.width() / qreal(w.Viewport()->width());
            return QColor(image.pixel(int(p.x() * scale), int(p.y() * scale)));
        };
        QCOMPARE(pagePixel(0), QColor(Qt::white));
        w->Options().DisplayLineNrTotal = false;
        w->Options().DisplayLineNrTrigger = false;
        w->Options().DisplayContinueFlag = false;
        w.View().OptionsApplied();
        QCOMPARE(pagePixel(2), QColor(0, 0xFF, 0));
    }
};

static RegisterTest<BookmarksTest> registerBookmarks;

}  // namespace lumorca::gui::test

#include "BookmarksTest.moc"
