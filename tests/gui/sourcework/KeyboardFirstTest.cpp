// Working with the keys first: boxes that hand the keys back, whole long
// lines copied, Ctrl+Tab over the windows that are on, the find dialog out
// of the way, and a walk through the example in German without the mouse.
#include <QContextMenuEvent>
#include <QWindow>

#include "StartedWindow.h"
#include "dialogs/FindXRefDialog.h"
#include "ModalBoxes.h"

namespace lumorca::gui::test {

namespace {

// A line's row of the grid on the screen.
QRect RowOnScreen(TStarted& w, int line) {
    const TSourceGrid* grid = w.Grid();
    const int y = (line - w.View().Position().TopLine - grid->TopRow()) * grid->RowHeight();
    return QRect(grid->viewport()->mapToGlobal(QPoint(0, y)), QSize(grid->viewport()->width(), grid->RowHeight()));
}

// A key where the user's keys go: the focus, else the active window.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

// Enter brings up a box in front, over `opener`, that Enter answers; the
// keys go back to `opener`. An empty `title` is not checked.
void EnterMeetsABox(QWidget* opener, const QString& text, const QString& title = {}) {
    TBoxWatch box(Qt::Key_Return);
    Key(Qt::Key_Return);
    QVERIFY(box.Seen.InFront);
    QCOMPARE(box.Seen.Text, text);
    if (!title.isEmpty()) QCOMPARE(box.Seen.Title, title);
    QCOMPARE(box.Seen.Opener, opener);
    QTRY_COMPARE(QApplication::activeWindow(), opener);
}

// A closed dialog leaves the main window in front, as the window manager does.
void BackToMain(TStarted& w) {
    if (QApplication::activeWindow() == w.Window()) return;
    w->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), w.Window());
}

}  // namespace

class KeyboardFirstTest : public QObject {
    Q_OBJECT
private slots:
    void longLinesAreCopiedWholeAndADragPastTheEdgeScrollsAlong() {
        TStarted w;
        w.Load(ListingOf("long.pro"));
        // The texts of the lines as the listing holds them.
        const int long1 = w.LineOf("$LONG1$");
        const int long2 = w.LineOf("$LONG2$");
        const QString text1 = QString::fromLatin1(w->Listing()[long1].substr(TextColumn));
        const QString text2 = QString::fromLatin1(w->Listing()[long2].substr(TextColumn));
        w.Show(long2);
        w.Action("MenuItemZeileKopieren")->trigger();
        QCOMPARE(w.Clipboard().trimmed(), text2);
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(w.Clipboard().contains(text1 + QStringLiteral("\r\n")));
        // The highlight covers the whole of a long line in the middle too.
        int from = 0;
        int to = 0;
        QVERIFY(w.View().Marked().MarkedRange(long1, from, to));
        QVERIFY(to >= w.Grid()->TextWidth(w.Shown(long1)));

        QCOMPARE(w.Grid()->HScrollPosition(), 0);
        const QPoint past(w.Viewport()->width() + 30, w.At(long2, 3).y());
        QTest::mousePress(w.Viewport(), Qt::LeftButton, {}, w.At(long2, 3));
        QTest::mouseMove(w.Viewport(), past);
        QTest::qWait(400);
        QTest::mouseRelease(w.Viewport(), Qt::LeftButton, {}, past);
        QVERIFY(w.Grid()->HScrollPosition() > 0);
        w.Action("ActionCopy")->trigger();
        QVERIFY(w.Clipboard().size() > w.Grid()->ColWidth(2) / w.Grid()->TextWidth("W"));
    }

    // The dialog keeps out of the hit's way and its place; after a box the
    // keys go back to it.
    void theFindDialogLeavesTheHitInViewAndGetsTheKeysBackAfterABox() {
        TStarted w;
        w.Load(WorkListing());
        w->Options().Language = 0;
        TMessageBoxes boxes;
        w->SetServices({.Messages = &boxes});
        const int hit = w.LineOf("V_SUM = P_A");
        w.Show(w.LineOf("entry LP_SUM"));
        w.Grid()->setFocus();
        Key(Qt::Key_F, Qt::ControlModifier);
        TFindDialog* dialog = FindDialogOf(w.Window());
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        // The user has moved the dialog over the row the search stops on.
        const QRect row = RowOnScreen(w, hit);
        dialog->windowHandle()->setFramePosition(QPoint(row.left(), row.top() - 5));
        QTRY_VERIFY(dialog->frameGeometry().intersects(row));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("V_SUM = P_A"));
        Key(Qt::Key_Return);
        QCOMPARE(w.View().CurrentLine(), hit);
        QVERIFY(!dialog->frameGeometry().intersects(RowOnScreen(w, hit)));
        const QPoint place = dialog->pos();

        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("zzzq"));
        for (int round = 0; round < 2; ++round) {
            // The next Enter searches again instead of jumping in the source.
            EnterMeetsABox(dialog, QStringLiteral("Suchtext nicht gefunden"));
            QCOMPARE(QApplication::focusWidget()->window(), dialog);
            QCOMPARE(w.View().CurrentLine(), hit);
        }
        // "Repeat search?" carries the program's title, and Yes gives the keys back too.
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("LP_MISSING"));
        Key(Qt::Key_Return);
        QCOMPARE(w.View().CurrentLine(), w.LineOf("LP_MISSING"));
        EnterMeetsABox(dialog, QStringLiteral("Keine weitere Stelle gefunden. Suche wiederholen?"),
                       QStringLiteral("Corvane Source Analyzer"));

        // Closed and opened again it comes back where it was.
        Key(Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        BackToMain(w);
        w.Grid()->setFocus();
        Key(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->pos(), place);
        w->SetServices({.Messages = &w.Messages});
    }

    void ctrlTabLeavesOutASwitchedOffWindowAndFocusesItsControl() {
        TStarted w;
        w.Load(WorkListing());
        w->toggleWin(w.Find<TChildForm>("CallWin"), false);
        w.Find<QMdiArea>("MdiArea")->setActiveSubWindow(w.Find<TChildForm>("StructureWin"));
        StrukturOutlineOf(w.Window())->setFocus();
        const std::pair<QMdiSubWindow*, QWidget*> round[] = {
            {w.Find<TChildForm>("XRefWin"), XRefOutlineOf(w.Window())}, {w.Find<TChildForm>("SourceWin"), w.Grid()}, {w.Find<TChildForm>("StructureWin"), StrukturOutlineOf(w.Window())}};
        for (const auto& [child, control] : round) {
            Key(Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(w.Find<QMdiArea>("MdiArea")->activeSubWindow(), child);
            QCOMPARE(QApplication::focusWidget(), control);
        }
        Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.Grid());
        // The grid takes Down at once.
        const int line = w.View().CurrentLine();
        Key(Qt::Key_Down);
        QCOMPARE(w.View().CurrentLine(), line + 1);

        // The Menu key's menu of a tree opens at its current row.
        Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), XRefOutlineOf(w.Window()));
        XRefOutlineOf(w.Window())->setCurrentIndex(XRefOutlineOf(w.Window())->model()->index(0, 0));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(XRefOutlineOf(w.Window()), &menuKey);
        QTRY_VERIFY(PopupmenuXRefOf(w.Window())->isVisible());
        const QRect current = XRefOutlineOf(w.Window())->visualRect(XRefOutlineOf(w.Window())->currentIndex());
        QCOMPARE(PopupmenuXRefOf(w.Window())->pos(), XRefOutlineOf(w.Window())->viewport()->mapToGlobal(current.bottomLeft()));
        QTest::keyClick(PopupmenuXRefOf(w.Window()), Qt::Key_Escape);
    }

    void aWalkThroughTheExampleInGermanWithKeysOnly() {
        const QString path = QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro");
        TStarted w;
        w->Options().Language = 0;
        w->ApplyOptions();
        TMessageBoxes boxes;
        w->SetServices({.Messages = &boxes});

        // Open: Ctrl+O, the name, Enter.
        {
            TBoxWatch open(Qt::Key_Return, [&path](QWidget*) {
                QTest::keyClicks(QApplication::focusWidget(), path);
                Key(Qt::Key_Return);
            });
            Key(Qt::Key_O, Qt::ControlModifier);
            QVERIFY(open.Seen.Shown);
            QVERIFY(open.Seen.InFront);
        }
        QCOMPARE(w->ShownFile(), path);
        BackToMain(w);

        // Find in XRef what is not there: Ctrl+Tab to the XRef tree, its
        // pop-up by Shift+F10, the last item opens the dialog.
        for (int i = 0; i < 4 && QApplication::focusWidget() != XRefOutlineOf(w.Window()); ++i)
            Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), XRefOutlineOf(w.Window()));
        Key(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(PopupmenuXRefOf(w.Window())->isVisible());
        QTest::keyClick(PopupmenuXRefOf(w.Window()), Qt::Key_Up);
        QTest::keyClick(PopupmenuXRefOf(w.Window()), Qt::Key_Return);
        QTRY_COMPARE(QApplication::activeWindow(), w->findChild<TFormFindXRef*>());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("*"));
        EnterMeetsABox(w->findChild<TFormFindXRef*>(), QStringLiteral("Symbol not found"));
        Key(Qt::Key_Escape);
        QVERIFY(!w->findChild<TFormFindXRef*>()->isVisible());
        BackToMain(w);

        // Ctrl+Tab on to the grid.
        for (int i = 0; i < 4 && QApplication::focusWidget() != w.Grid(); ++i)
            Key(Qt::Key_Tab, Qt::ControlModifier);

        // Copy a line: find it, then "Zeile kopieren" from the pop-up.
        Key(Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::activeWindow(), FindDialogOf(w.Window()));
        Key(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("$title = V_TITLE"));
        Key(Qt::Key_Return);
        QCOMPARE(w.View().CurrentLine(), w.LineOf("$title = V_TITLE"));
        Key(Qt::Key_Escape);
        BackToMain(w);
        QCOMPARE(QApplication::focusWidget(), w.Grid());
        Key(Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(w.Find<QMenu>("PopupmenuSource")->isVisible());
        QTest::keyClick(w.Find<QMenu>("PopupmenuSource"), Qt::Key_Down);
        QTest::keyClick(w.Find<QMenu>("PopupmenuSource"), Qt::Key_Down);
        QTest::keyClick(w.Find<QMenu>("PopupmenuSource"), Qt::Key_Return);
        QTRY_COMPARE(w.Clipboard().trimmed(), QStringLiteral("$title = V_TITLE"));
        w->SetServices({.Messages = &w.Messages});
    }
};

static RegisterTest<KeyboardFirstTest> registerKeyboardFirst;

}  // namespace lumorca::gui::test

#include "KeyboardFirstTest.moc"
