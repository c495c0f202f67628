// Marking with the mouse, the copy commands and the find dialog.

#include <QClipboard>

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

void Drag(TStarted& w, const QPoint& from, const std::vector<QPoint>& via, const QPoint& to) {
    QWidget* viewport = w.Viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    for (const QPoint& p : via) QTest::mouseMove(viewport, p);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    QApplication::processEvents();
}

void SetTextOptions(TStarted& w, bool lowercase, bool autoIndent) {
    w->Options().Lowercase = lowercase;
    w->Options().AutoIndent = autoIndent;
    w->Options().Indent = 4;
    w.View().ShowStructure();
}

void PressFindNext(TStarted& w) {
    QTest::mouseClick(Control<QPushButton>(FindDialogOf(w.Window()), "FindNext"), Qt::LeftButton);
    QApplication::processEvents();
}

}  // namespace

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    // A click marks nothing; an upward drag over three lines copies three
    // pieces in the listing's case; a right click keeps the selection.
    void upwardDragOverThreeLinesCopiesThreePiecesInListingCase() {
        TStarted w;
        w.Load(WorkListing());
        SetTextOptions(w, true, true);
        const int l12 = w.LineOf("V_SUM = P_A");
        const int l11 = w.LineOf("endvariables");
        const int l10 = w.LineOf("numeric V_SUM");
        w.Show(l12);
        QTest::mouseClick(w.Viewport(), Qt::LeftButton, {}, w.At(l10, 3));
        QVERIFY(!w.View().Marked().HasMark() && !w.Action("ActionCopy")->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        w.Action("ActionCopy")->trigger();
        QCOMPARE(w.Clipboard(), QStringLiteral("kept"));

        QCOMPARE(w.Shown(l10), std::string("    numeric v_sum"));
        Drag(w, w.At(l12, w.CharOf(l12, "p_a")), {w.At(l11, 3)}, w.At(l10, w.CharOf(l10, "v_sum")));
        QVERIFY(w.Action("ActionCopy")->isEnabled());
        QCOMPARE(w.View().CurrentLine(), l10);
        // The middle line is marked over its whole width.
        int from = -1;
        int to = -1;
        QVERIFY(w.View().Marked().MarkedRange(l11, from, to));
        QCOMPARE(std::make_pair(from, to), std::make_pair(0, int(TMark::LineEnd)));
        QVERIFY(!w.View().Marked().MarkedRange(l12 + 1, from, to));
        const QImage image = w.Viewport()->grab().toImage();
        const int row = l11 - w.View().Position().TopLine - w.Grid()->TopRow();
        const QRgb base = w.Grid()->palette().color(QPalette::Base).rgb();
        const QRgb marked = QColor(w.Grid()->Settings().ColorSourceMarked).rgb();
        const int x = w.Grid()->ColWidth(0) + w.Grid()->ColWidth(1) + w.Grid()->ColWidth(2) - 20;
        const qreal scale = image.width() / qreal(w.Viewport()->width());
        QCOMPARE(QColor(image.pixel(int(x * scale), int((row * w.Grid()->RowHeight() + 1) * scale))),
                 QColor((base ^ marked ^ 0xFFFFFF) | 0xFF000000));
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(w.Clipboard(), QStringLiteral("V_SUM\r\nendvariables\r\nV_SUM = "));

        // The right click makes its row current.
        QTest::mouseClick(w.Viewport(), Qt::RightButton, {}, w.At(l12, 3));
        QApplication::processEvents();
        QCOMPARE(w.View().CurrentLine(), l12);
        QVERIFY(w.View().Marked().HasMark());
        w.Find<QMenu>("PopupmenuSource")->close();
    }

    void copyAllCopyLineAndBreakpoint() {
        TStarted w;
        w.Load(WorkListing());
        const int history = w.View().History().Count();
        SetTextOptions(w, true, false);
        const int body = w.LineOf("V_SUM = P_A");
        w.Show(body);
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_A, Qt::ControlModifier);
        const QString all = w.Clipboard();
        QVERIFY2(all.startsWith(QStringLiteral("; local procs\r\n; sums two numbers\r\n"
                                               "; and keeps the sum\r\nentry LP_SUM\r\n")),
                 qPrintable(all));
        QVERIFY(all.endsWith(QStringLiteral("\r\nreturn (V_SUM)")));

        w.Action("MenuItemZeileKopieren")->trigger();
        QCOMPARE(w.Clipboard(), QStringLiteral("V_SUM = P_A + P_B"));

        // Ctrl+B in the grid copies a breakpoint and leaves the selection.
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(w.Clipboard(), QStringLiteral("br LP_SUM:12"));
        QVERIFY(w.View().Marked().HasMark());
        QCOMPARE(w.View().CurrentLine(), body);
        QCOMPARE(w.View().History().Count(), history);  // not Back as well

        // Elsewhere Ctrl+B is Back.
        const int call = w.LineOf("call LP_SUM");
        w.Show(call);
        QTest::mouseDClick(w.Viewport(), Qt::LeftButton, {}, w.At(call, 2));
        QCOMPARE(w.View().History().Count(), history + 1);
        XRefOutlineOf(w.Window())->setFocus();
        QTest::keyClick(XRefOutlineOf(w.Window()), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(w.View().CurrentLine(), call);
        QCOMPARE(w.Clipboard(), QStringLiteral("br LP_SUM:12"));
    }

    // Find records the departure, wraps around, says when nothing is found
    // and asks before a series that comes back repeats; F3 searches at once.
    void findWrapsAroundAndAsksBeforeRepeating() {
        TStarted w;
        w.Load(WorkListing());
        const int history = w.View().History().Count();
        w.Show(static_cast<int>(w->Listing().size()) - 1);
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(FindDialogOf(w.Window()) != nullptr && FindDialogOf(w.Window())->Down());
        Control<QLineEdit>(FindDialogOf(w.Window()), "FindText")->setText(QStringLiteral("lp_sum"));
        PressFindNext(w);
        QCOMPARE(w.View().CurrentLine(), w.LineOf("call LP_SUM"));
        QCOMPARE(w.View().History().Count(), history + 1);  // the departure from the field trigger
        // Upwards from the first hit wraps to the end of the listing.
        Control<QRadioButton>(FindDialogOf(w.Window()), "Up")->setChecked(true);
        PressFindNext(w);
        QCOMPARE(w.View().CurrentLine(), w.LineOf("entry LP_SUM"));
        Control<QCheckBox>(FindDialogOf(w.Window()), "MatchCase")->setChecked(true);
        PressFindNext(w);
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Searchstring not found."));
        QCOMPARE(w.View().CurrentLine(), w.LineOf("entry LP_SUM"));

        Control<QRadioButton>(FindDialogOf(w.Window()), "Down")->setChecked(true);
        const int hit1 = w.LineOf("numeric P_B");
        const int hit2 = w.LineOf("V_SUM = P_A + P_B");
        w.Show(0);
        w.View().setFindDialogText(QStringLiteral("P_B"));
        PressFindNext(w);
        PressFindNext(w);
        QCOMPARE(w.View().CurrentLine(), hit2);
        w.Messages.Answers.push_back(TAnswer::No);
        PressFindNext(w);
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Couldn't find another occurence. Repeat search?"));
        QCOMPARE(w.View().CurrentLine(), hit2);
        w.Messages.Answers.push_back(TAnswer::Yes);
        PressFindNext(w);
        QCOMPARE(w.View().CurrentLine(), hit1);
        const size_t boxes = w.Messages.Boxes.size();
        QCOMPARE(w.Action("ActionFindNext")->shortcut(), QKeySequence(Qt::Key_F3));
        w.Action("ActionFindNext")->trigger();
        QCOMPARE(w.View().CurrentLine(), hit2);
        QCOMPARE(w.Messages.Boxes.size(), boxes);
    }

    void ctrlFTakesAOneLineSelection() {
        TStarted w;
        w.Load(WorkListing());
        SetTextOptions(w, true, true);
        const int line = w.LineOf("numeric V_SUM");
        w.Show(line);
        const int c = w.CharOf(line, "v_sum");
        Drag(w, w.At(line, c + 5), {}, w.At(line, c));  // right to left
        QVERIFY(w.View().Marked().IsReversed());
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(FindDialogOf(w.Window())->FindText(), QStringLiteral("V_SUM"));

        // A selection over two lines leaves the text alone.
        FindDialogOf(w.Window())->hide();
        Drag(w, w.At(line, c), {}, w.At(line + 1, 3));
        w.Action("ActionFind")->trigger();
        QCOMPARE(FindDialogOf(w.Window())->FindText(), QStringLiteral("V_SUM"));
        QVERIFY(FindDialogOf(w.Window())->isVisible());
    }
};

static RegisterTest<SelectionTest> registerSelection;

}  // namespace lumorca::gui::test

#include "SelectionTest.moc"
