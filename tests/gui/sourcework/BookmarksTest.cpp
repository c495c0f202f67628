// The ten bookmarks: keys, Ctrl+click, menus, tool buttons and the marker.

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

std::pair<int, int> BookmarkAt(TStarted& w, int n) {
    int32_t structure = -1;
    int32_t line = -1;
    w.View().BookmarkPositions().GetPosition(n, structure, line);
    return {structure, line};
}

void CtrlClick(TStarted& w, int line) {
    QTest::mouseClick(w.Viewport(), Qt::LeftButton, Qt::ControlModifier, w.At(line, 2));
    QApplication::processEvents();
}

}  // namespace

class BookmarksTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlShiftDigitSetsAndCtrlDigitComesBackFromAnywhere() {
        TStarted w;
        w.Load(WorkListing());
        const int history = w.View().History().Count();
        const int line = w.LineOf("V_SUM = P_A");
        w.Show(line);
        const int structure = w.View().Position().CurrentStructure;
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BookmarkAt(w, 2), std::make_pair(structure, line));
        QCOMPARE(w.Grid()->BookmarkOfLine(line), 2);
        QVERIFY(NumberedAction(w.Window(), "SetBookmark", 2)->isChecked());
        QVERIFY(NumberedAction(w.Window(), "GotoBookmark", 2)->isEnabled());
        QCOMPARE(NumberedAction(w.Window(), "GotoBookmark", 2)->text(), QStringLiteral("Bookmark &2 :entry LP_SUM"));

        // Setting it again elsewhere moves it.
        const int other = w.LineOf("numeric P_A");
        w.Show(other);
        QTest::keyClick(w.Grid(), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BookmarkAt(w, 2), std::make_pair(structure, other));
        QCOMPARE(w.Grid()->BookmarkOfLine(line), -1);

        w.Show(w.LineOf("call LP_SUM"));
        XRefOutlineOf(w.Window())->setFocus();
        QTest::keyClick(XRefOutlineOf(w.Window()), Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(w.View().CurrentLine(), other);
        QCOMPARE(w.View().History().Count(), history + 1);

        // An unset bookmark is not offered and goes nowhere.
        QVERIFY(!NumberedAction(w.Window(), "GotoBookmark", 1)->isEnabled());
        QCOMPARE(NumberedAction(w.Window(), "GotoBookmark", 1)->text(), QStringLiteral("Bookmark &1"));
        QTest::keyClick(w.Grid(), Qt::Key_1, Qt::ControlModifier);
        w.View().gotoBookMarkClick(1);
        QCOMPARE(w.View().CurrentLine(), other);

        // The tool buttons name the structure and go there too; the names
        // follow the language; a new listing forgets the bookmarks.
        QToolBar* bar = w.Find<QToolBar>("ToolBarSource");
        QCOMPARE(bar->widgetForAction(NumberedAction(w.Window(), "ToolButtonGotoBookmark", 2))->toolTip(),
                 QStringLiteral("Bookmark 2 :entry LP_SUM"));
        QVERIFY(bar->widgetForAction(NumberedAction(w.Window(), "ToolButtonGotoBookmark", 1))->toolTip().isEmpty());
        w.Show(w.LineOf("clear/e"));
        NumberedAction(w.Window(), "ToolButtonGotoBookmark", 2)->trigger();
        QCOMPARE(w.View().CurrentLine(), other);
        w->Options().Language = 0;
        w->ApplyOptions();
        QVERIFY(NumberedAction(w.Window(), "GotoBookmark", 2)->text().startsWith(QStringLiteral("Lesezeichen &2 :")));
        w.Load(WorkListing(), QStringLiteral("again.pro"));
        QVERIFY(!NumberedAction(w.Window(), "ToolButtonGotoBookmark", 2)->isEnabled());
        QVERIFY(!NumberedAction(w.Window(), "SetBookmark", 2)->isChecked());
    }

    void ctrlClickTogglesTheLowestFreeBookmark() {
        TStarted w;
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

    void theMarkerIsADogEaredPageInTheFirstNumberColumn() {
        TStarted w;
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
