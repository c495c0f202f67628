// Double-click, Enter and the pop-up's jumps in the source view.
#include <QCursor>

#include "StartedWindow.h"
#include "analyzer/LineModel.h"

namespace lumorca::gui::test {

namespace {

// Caption path of the node selected in the XRef tree, below the form.
QStringList SelectedXRef(TStarted& w) {
    // As the tree shows it, below the root.
    QStringList path;
    for (QModelIndex index = XRefOutlineOf(w.Window())->currentIndex(); index.parent().isValid();
         index = index.parent())
        path.prepend(index.data().toString().toUpper());
    return path;
}

void DoubleClick(TStarted& w, int line, int c, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseDClick(w.Viewport(), Qt::LeftButton, mods, w.At(line, c));
    QApplication::processEvents();
}

QAction* GotoItem(TStarted& w, const char* caption) {
    for (QAction* item : w.Find<QMenu>("MenuItemGoto")->actions()) {
        if (item->text() == QLatin1String(caption)) return item;
    }
    return nullptr;
}

}  // namespace

class JumpsTest : public QObject {
    Q_OBJECT
private slots:
    void callJumpsToTheEntryWithItsLeadIn() {
        TStarted w;
        w.Load(WorkListing());
        const int history = w.View().History().Count();
        const int call = w.LineOf("call LP_SUM");
        w.Show(call);
        DoubleClick(w, call, 2);
        const int entry = w.LineOf("entry LP_SUM");
        QCOMPARE(w.View().CurrentLine(), entry);
        QCOMPARE(w.View().History().Count(), history + 1);
        // The entry is shown with its lead-in comments above it. Backspace
        // back is the example walk's, Back itself the navigation test's.
        QCOMPARE(w.View().Position().TopLine, entry - 3);

        // With Shift the word is looked up instead of followed.
        w.Show(call);
        DoubleClick(w, call, w.CharOf(call, "lp_sum") + 1, Qt::ShiftModifier);
        QCOMPARE(w.View().CurrentLine(), call);
        QCOMPARE(SelectedXRef(w), QStringList({"ENTRIES", "LP_SUM"}));
    }

    void aDoubleClickJumpsToThePartnerOrStays_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("at");  // the word clicked, else the line's start
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("to");  // empty: the row stays
        QTest::addColumn<int>("historyAdded");  // -1: not checked
        QTest::addColumn<int>("beeps");  // -1: not checked
        QTest::addColumn<QString>("box");
        QTest::newRow("entry without definition") << "call LP_MISSING" << "" << 2 << "" << 0 << 0
                                                  << "Coudn't find entry in source code";
        QTest::newRow("own component by name") << "activate \"ORDERS\"" << "" << 2 << "operation SAVE_ALL" << -1 << 0 << "";
        QTest::newRow("own instance") << "activate $instancename" << "" << 2 << "operation SAVE_ALL" << -1 << 0 << "";
        QTest::newRow("another component: looked up")
            << "activate \"OTHERS\"" << "save_all" << 1 << "" << 0 << -1 << "";
        QTest::newRow("REPEAT without UNTIL") << "repeat" << "" << 1 << "" << 0 << 1 << "";
    }
    void aDoubleClickJumpsToThePartnerOrStays() {
        QFETCH(QString, from);
        QFETCH(QString, at);
        QFETCH(int, offset);
        QFETCH(QString, to);
        QFETCH(int, historyAdded);
        QFETCH(int, beeps);
        QFETCH(QString, box);
        TStarted w;
        w.Load(WorkListing());
        const int history = w.View().History().Count();
        const int line = w.LineOf(from.toStdString());
        w.Show(line);
        DoubleClick(w, line, (at.isEmpty() ? 0 : w.CharOf(line, at.toStdString())) + offset);
        QCOMPARE(w.View().CurrentLine(), to.isEmpty() ? line : w.LineOf(to.toStdString()));
        if (historyAdded >= 0) QCOMPARE(w.View().History().Count(), history + historyAdded);
        if (beeps >= 0) QCOMPARE(w.Beeps, beeps);
        QCOMPARE(w.Messages.LastText(), box);
    }

    // Double-click and Enter look words up; Alt+double-click copies them.
    void wordsUnderThePointerAreSelectedInTheXRefTree() {
        TStarted w;
        w.Load(WorkListing());
        const int assign = w.LineOf("$TOTAL$ = AMOUNT.ORDER");
        w.Show(assign);
        // A blank between two words: nothing at all.
        DoubleClick(w, assign, w.CharOf(assign, " = "));
        QCOMPARE(SelectedXRef(w), QStringList());
        // field.entity: the field under its entity; a symbol moves nothing.
        DoubleClick(w, assign, w.CharOf(assign, "amount") + 2);
        QCOMPARE(SelectedXRef(w), QStringList({"ENTITIES AND FIELDS", "ENTITY ORDER", "AMOUNT.ORDER"}));
        QCOMPARE(w.View().CurrentLine(), assign);
        // Inside a %% substitution of a string: the substituted name alone.
        const int message = w.LineOf("message \"Total");
        w.Show(message);
        DoubleClick(w, message, w.CharOf(message, "$TOTAL$") + 2);
        QCOMPARE(SelectedXRef(w), QStringList({"$COMPONENT VARIABLES$", "$TOTAL$"}));

        // With Alt the word is copied as the listing has it.
        w->Options().Lowercase = true;
        w.View().ShowStructure();
        w.Show(assign);
        DoubleClick(w, assign, w.CharOf(assign, "order") + 1, Qt::AltModifier);
        QCOMPARE(w.Clipboard(), QStringLiteral("AMOUNT.ORDER"));
        QVERIFY(w.View().Marked().HasMark());
        QCOMPARE(w.View().CurrentLine(), assign);

        // Enter looks up the word under the pointer, only over the source.
        QTest::mouseClick(w.Viewport(), Qt::LeftButton, {}, w.At(assign, 1));  // no mark
        const QPoint total = w.At(assign, w.CharOf(assign, "$total$") + 1);
        QCursor::setPos(w.Viewport()->mapToGlobal(total));
        if (w.Viewport()->mapFromGlobal(QCursor::pos()) != total) QSKIP("the platform does not move the pointer");
        QTest::keyClick(w.Grid(), Qt::Key_Enter);
        QCOMPARE(SelectedXRef(w), QStringList({"$COMPONENT VARIABLES$", "$TOTAL$"}));
        XRefOutlineOf(w.Window())->setCurrentIndex(QModelIndex());
        w.Grid()->setFocus();
        QCursor::setPos(w.Viewport()->mapToGlobal(QPoint(2, total.y())));
        QTest::keyClick(w.Grid(), Qt::Key_Enter);
        QCOMPARE(SelectedXRef(w), QStringList());
        QCOMPARE(w.Beeps, 0);
    }

    void popupOffersTheJumpsOfTheLine() {
        TStarted w;
        w.Load(WorkListing());
        const int firstIf = w.LineOf("if ($status");
        w.Show(firstIf);
        w.View().PopupmenuSourcePopup();
        QVERIFY(w.Find<QMenu>("MenuItemGoto")->menuAction()->isEnabled());
        QVERIFY(!w.Action("MenuItemGotoEntry")->isEnabled());
        QVERIFY(GotoItem(w, "ELSE")->isVisible() && !GotoItem(w, "IF")->isVisible());
        GotoItem(w, "ELSE")->trigger();
        QCOMPARE(w.View().CurrentLine(), w.LineOf("     9 1      else"));

        const int call = w.LineOf("call LP_SUM");
        w.Show(call);
        w.View().PopupmenuSourcePopup();
        QVERIFY(!w.Find<QMenu>("MenuItemGoto")->menuAction()->isEnabled());
        QVERIFY(w.Action("MenuItemGotoEntry")->isEnabled());
        QVERIFY(!w.Find<QMenu>("MenuItemAufruf")->menuAction()->isEnabled());  // a trigger has no call sites
        QCOMPARE(w.Action("MenuItemGotoEntry")->text(), QStringLiteral("Entry LP_SUM"));
        w.Action("MenuItemGotoEntry")->trigger();
        QCOMPARE(w.View().CurrentLine(), w.LineOf("entry LP_SUM"));

        const int plain = w.LineOf("clear/e");
        w.Show(plain);
        w.View().PopupmenuSourcePopup();
        QVERIFY(!w.Find<QMenu>("MenuItemGoto")->menuAction()->isEnabled());
        w.Action("MenuItemZoomLine")->trigger();
        QCOMPARE(w.Messages.Boxes.back().Caption, QStringLiteral("Zoom SourceLine"));
        QCOMPARE(w.Messages.Boxes.back().Text,
                 QString::fromLatin1(w->Listing()[static_cast<size_t>(plain)].c_str()));
    }

    // The entry's own call sites, though an operation has its name.
    void callSitesAreTheEntrysOwn() {
        TStarted w;
        const std::string title(78, '=');
        w.Load({"Trigger <EXEC> from Form: F", title, Numbered(1, ' ', "call LP_X()"), "",
                "Trigger <LPMX> from Form: F", title, "******        operation LP_X", Numbered(2, ' ', "return (0)"),
                "******        entry LP_X", Numbered(4, ' ', "return (0)")});
        w.Show(w.LineOf("entry LP_X") + 1);
        const QList<QAction*> sites = w.Find<QMenu>("MenuItemAufruf")->actions();
        QCOMPARE(sites.size(), 1);
        sites.front()->trigger();
        QCOMPARE(w.View().CurrentLine(), w.LineOf("call LP_X"));
    }

    void badPlacesDoNothingOrBeep() {
        TStarted w;
        // Nothing loaded yet.
        QTest::mouseDClick(w.Viewport(), Qt::LeftButton, {}, QPoint(60, 5));
        w.Grid()->setFocus();
        QTest::keyClick(w.Grid(), Qt::Key_Return);
        w.View().PopupmenuSourcePopup();
        for (QAction* a : {w.Action("MenuItemAllesKopieren"), w.Action("MenuItemZeileKopieren"),
                           w.Action("MenuItemCopyBreakpoint"), w.Action("MenuItemZoomLine"), w.Action("MenuItemGotoEntry")})
            a->trigger();
        w.View().MenuItemGotoClick(4);
        w.View().gotoBookMarkClick(0);
        w.View().setBookMarkClick(0);
        QVERIFY(w.Messages.Boxes.empty());

        w.Load(WorkListing());
        const int empty = w.LineOf("    19        ");
        w.Show(empty);
        DoubleClick(w, empty, 1);
        QCOMPARE(w.View().CurrentLine(), empty);
        const int last = static_cast<int>(w->Listing().size()) - 1;
        w.Show(last);
        DoubleClick(w, last, 1);
        DoubleClick(w, last, 40);  // past the end of the text
        w.View().PopupmenuSourcePopup();
        for (int kind = -1; kind <= 14; ++kind) w.View().MenuItemGotoClick(kind);
        QCOMPARE(w.View().CurrentLine(), last);
    }
};

static RegisterTest<JumpsTest> registerJumps;

}  // namespace lumorca::gui::test

#include "JumpsTest.moc"
