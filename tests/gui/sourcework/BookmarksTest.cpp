// The ten bookmarks: keys, Ctrl+click, menus, tool buttons and the marker.
#include <QAction>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

#include "SourceWorkSupport.h"
#include "WindowControls.h"
#include "app/SourceGrid.h"

namespace lumorca::gui::test {

namespace {

std::pair<int, int> BookmarkAt(TWindow& w, int n) {
    int32_t structure = -1;
    int32_t line = -1;
    w->Bookmarks.GetPosition(n, structure, line);
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
        const int history = w->JumpHistory.Count();
        const int line = w.LineOf("V_SUM = P_A");
        w.Show(line);
        const int structure = w->CurrentStructure;
        w->SourceGrid->setFocus();
        QTest::keyClick(w->SourceGrid, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BookmarkAt(w, 3), std::make_pair(structure, line));
        QCOMPARE(w->SourceGrid->BookmarkOfLine(line), 3);
        QVERIFY(w->SetBookmarkItems[3]->isChecked());
        QVERIFY(w->GotoBookmarkItems[3]->isEnabled());
        QCOMPARE(w->GotoBookmarkItems[3]->text(), QStringLiteral("Bookmark &3 :entry LP_SUM"));

        // Setting it again elsewhere moves it.
        const int other = w.LineOf("numeric P_A");
        w.Show(other);
        QTest::keyClick(w->SourceGrid, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(BookmarkAt(w, 3), std::make_pair(structure, other));
        QCOMPARE(w->SourceGrid->BookmarkOfLine(line), -1);

        w.Show(w.LineOf("call LP_SUM"));
        XRefOutlineOf(&w.Main())->setFocus();
        QTest::keyClick(XRefOutlineOf(&w.Main()), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(w->CurrentLine(), other);
        QCOMPARE(w->JumpHistory.Count(), history + 1);

        // An unset bookmark is not offered and goes nowhere.
        QVERIFY(!w->GotoBookmarkItems[4]->isEnabled());
        QTest::keyClick(w->SourceGrid, Qt::Key_4, Qt::ControlModifier);
        w->gotoBookMarkClick(4);
        QCOMPARE(w->CurrentLine(), other);
    }

    void ctrlClickTogglesTheLowestFreeBookmark() {
        TWindow w;
        w.Load(WorkListing());
        const int first = w.LineOf("call LP_SUM");
        const int second = w.LineOf("call LP_MISSING");
        w.Show(first);
        CtrlClick(w, first);
        CtrlClick(w, second);
        QCOMPARE(w->SourceGrid->BookmarkOfLine(first), 0);
        QCOMPARE(w->SourceGrid->BookmarkOfLine(second), 1);
        QVERIFY(!w->Selection->HasMark());
        CtrlClick(w, first);
        QCOMPARE(w->SourceGrid->BookmarkOfLine(first), -1);
        QVERIFY(!w->GotoBookmarkItems[0]->isEnabled());
        CtrlClick(w, w.LineOf("activate \"ORDERS\""));
        QCOMPARE(w->SourceGrid->BookmarkOfLine(w.LineOf("activate \"ORDERS\"")), 0);

        // With all ten in use a further Ctrl+click stores nothing.
        for (int line = w.LineOf("activate $instancename"); w->Bookmarks.FindPosition(w->CurrentStructure, line) < 0 &&
                                                            BookmarkAt(w, 9).first < 0;
             ++line)
            CtrlClick(w, line);
        QCOMPARE(BookmarkAt(w, 9).first, w->CurrentStructure);
        const int full = w.LineOf("repeat");
        CtrlClick(w, full);
        QCOMPARE(w->SourceGrid->BookmarkOfLine(full), -1);
    }

    void menusAndButtonsNameTheBookmarksInBothLanguages() {
        TWindow w;
        w.Load(WorkListing());
        QCOMPARE(w->GotoBookmarkItems[5]->text(), QStringLiteral("Bookmark &5"));
        QVERIFY(!w->GotoBookmarkItems[5]->isEnabled());
        QVERIFY(!w->ToolButtonGotoBookmark[0]->isEnabled());
        QVERIFY(w->ToolBarSource->widgetForAction(w->ToolButtonGotoBookmark[0])->toolTip().isEmpty());

        const int line = w.LineOf("clear/e");
        w.Show(line);
        w->SetBookmarkItems[0]->trigger();
        QVERIFY(w->ToolButtonGotoBookmark[0]->isEnabled());
        QCOMPARE(w->ToolBarSource->widgetForAction(w->ToolButtonGotoBookmark[0])->toolTip(),
                 QStringLiteral("Bookmark 0 :<EXEC> from Form: ORDERS"));
        w.Show(w.LineOf("return (V_SUM)"));
        w->ToolButtonGotoBookmark[0]->trigger();
        QCOMPARE(w->CurrentLine(), line);

        w->Options().Language = 0;
        w->LoadLanguageStrings();
        QCOMPARE(w->GotoBookmarkItems[5]->text(), QStringLiteral("Lesezeichen &5"));
        QVERIFY(w->GotoBookmarkItems[0]->text().startsWith(QStringLiteral("Lesezeichen &0 :")));

        // A new listing forgets them.
        w.Load(WorkListing(), QStringLiteral("again.pro"));
        QVERIFY(!w->ToolButtonGotoBookmark[0]->isEnabled());
        QVERIFY(!w->SetBookmarkItems[0]->isChecked());
    }

    void theMarkerIsADogEaredPageInTheFirstNumberColumn() {
        TWindow w;
        w.Load(WorkListing());
        const int line = w.LineOf("clear/e");
        w.Show(line);
        w->SetBookmarkItems[7]->trigger();
        auto pagePixel = [&w, line](int column) {
            QApplication::processEvents();
            const QImage image = w.Viewport()->grab().toImage();
            int left = 0;
            for (int c = 0; c < column; ++c) left += w->SourceGrid->ColWidth(c);
            const int row = line - w->TopLine - w->SourceGrid->TopRow();
            const int bottom = (row + 1) * w->SourceGrid->RowHeight() - 1;
            const QPoint p(left + 4 + 11, bottom - 2);  // inside the page, clear of the digit
            const qreal scale = image.width() / qreal(w.Viewport()->width());
            return QColor(image.pixel(int(p.x() * scale), int(p.y() * scale)));
        };
        QCOMPARE(pagePixel(0), QColor(Qt::white));
        w->Options().DisplayLineNrTotal = false;
        w->Options().DisplayLineNrTrigger = false;
        w->Options().DisplayContinueFlag = false;
        w->ShowStructure();
        w->SourceGrid->SetSettings(w->GridSettings());
        QCOMPARE(pagePixel(2), QColor(0, 0xFF, 0));
    }
};

static RegisterTest<BookmarksTest> registerBookmarks;

}  // namespace lumorca::gui::test

#include "BookmarksTest.moc"
