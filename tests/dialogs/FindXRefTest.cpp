// Find in XRef against the real analysis of a small listing: the group list,
// exact and substring matches, Find next, and when the list is rebuilt.
#include <QGroupBox>

#include "StartedWindow.h"
#include "ModalBoxes.h"
#include "dialogs/FindXRefDialog.h"
#include "texts/Texts.h"

namespace lumorca::gui::test {

class FindXRefTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TStarted> started_;
    TMain* main_ = nullptr;
    TFormFindXRef* dlg_ = nullptr;

    QLineEdit* EditFindWhat() const { return Control<QLineEdit>(dlg_, "EditFindWhat"); }
    QCheckBox* CheckBoxSearchAll() const { return Control<QCheckBox>(dlg_, "CheckBoxSearchAll"); }

    // The caption selected after a click on the button, "-" after a box.
    QString Press(const char* button) {
        const size_t boxes = started_->Messages.Boxes.size();
        QTest::mouseClick(Control<QPushButton>(dlg_, button), Qt::LeftButton);
        if (started_->Messages.Boxes.size() > boxes) return QStringLiteral("-");
        // As the tree shows it.
        return XRefOutlineOf(main_)->currentIndex().data().toString();
    }
    QStringList PopupGroups() {
        QStringList captions;
        for (const QAction* a : PopupmenuXRefOf(main_)->actions()) captions.append(a->text());
        return captions.mid(0, captions.size() - 2);
    }
    QStringList DialogGroups() {
        QStringList captions;
        for (const QRadioButton* b : dlg_->GroupItems()) captions.append(b->text());
        return captions;
    }
    QRadioButton* Group(const QString& caption) {
        for (QRadioButton* b : dlg_->GroupItems())
            if (b->text() == caption) return b;
        return nullptr;
    }

private slots:
    void init() {
        started_ = std::make_unique<TStarted>();
        main_ = started_->Window();
        dlg_ = main_->findChild<TFormFindXRef*>();
        main_->LoadFile(started_->Sandbox.Write(QStringLiteral("counter.pro"), ListingOf("counters.pro")));
        QVERIFY(main_->HasListing());
        main_->XRefFindDialogClick();
        QApplication::processEvents();
    }

    void cleanup() { started_.reset(); }

    void aToolWindowWithTheGroupsOfThePopup() {
        QVERIFY(dlg_->isVisible());
        QVERIFY(!dlg_->isModal());
        // In front of the main window, not of every window.
        QCOMPARE(dlg_->windowFlags() & Qt::Tool, Qt::Tool);
        QCOMPARE(dlg_->parentWidget(), main_);
        QCOMPARE(dlg_->GroupColumns(), 1);
        EditFindWhat()->clear();
        QCOMPARE(Press("ButtonFind"), QStringLiteral("Form COUNTERS"));  // no text: no box, no move
        QVERIFY(CheckBoxSearchAll()->isChecked());
        QVERIFY(!Control<QGroupBox>(dlg_, "RadioGroupFindWhat")->isEnabled());
        CheckBoxSearchAll()->click();
        QVERIFY(Control<QGroupBox>(dlg_, "RadioGroupFindWhat")->isEnabled());
    }

    // What Find, then Find next until a box says "Symbol not found" ("-"),
    // select: symbols with references only, depth first, within a group.
    void findAndFindNextSelectSymbols_data() {
        QTest::addColumn<QString>("group");  // empty: all groups
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("language");  // switched to after the group was chosen; -1: none
        const QStringList counts = {"lp_count", "v_counter", "$mycounter$", "-"};
        QTest::newRow("part of a name") << "" << "count" << false << counts << -1;
        QTest::newRow("exact, in any case") << "" << "$MYCOUNTER$" << true << QStringList{"$mycounter$", "-"} << -1;
        QTest::newRow("exact, not a part") << "" << "count" << true << QStringList{"-"} << -1;
        // The root and the references hold the form's name; groups are no symbols.
        QTest::newRow("root and references") << "" << "COUNTERS" << false << QStringList{"-"} << -1;
        QTest::newRow("groups") << "" << "component" << false << QStringList{"-"} << -1;
        QTest::newRow("a group below a symbol") << "" << "variables" << false << QStringList{"Local variables", "-"} << -1;
        QTest::newRow("in one group") << "$Component variables$" << "count" << false << QStringList{"$mycounter$", "-"}
                                      << -1;
        // The item names its group in the language it was made in.
        QTest::newRow("in one group, language switched")
            << "$Component variables$" << "count" << false << QStringList{"$mycounter$", "-"} << 0;
    }
    void findAndFindNextSelectSymbols() {
        QFETCH(QString, group);
        QFETCH(QString, text);
        QFETCH(bool, exact);
        QFETCH(QStringList, selected);
        QFETCH(int, language);
        if (!group.isEmpty()) {
            CheckBoxSearchAll()->click();
            Group(group)->click();
        }
        if (language >= 0) {
            main_->Options().Language = language;
            main_->ApplyOptions();
        }
        XRefOutlineOf(main_)->setCurrentIndex({});
        EditFindWhat()->setText(text);
        Control<QCheckBox>(dlg_, "CheckBoxFindExact")->setChecked(exact);
        QStringList seen = {Press("ButtonFind")};
        QTreeView* xref = XRefOutlineOf(main_);
        QVERIFY(seen.front() == "-" || xref->isExpanded(xref->currentIndex()));
        while (seen.last() != "-" && seen.size() <= selected.size())
            seen << Press("ButtonFindNext");
        QCOMPARE(seen, selected);
        // With nothing selected, Find next starts at the first node; from a
        // node before the group it still only finds inside it.
        xref->setCurrentIndex({});
        QCOMPARE(Press("ButtonFindNext"), selected.front());
        Select(xref, RootOf(xref));
        QCOMPARE(Press("ButtonFindNext"), selected.front());
    }

    void aNewListingOrLanguageRebuildsTheGroupList() {
        CheckBoxSearchAll()->click();
        Group(QStringLiteral("$Component variables$"))->click();
        dlg_->FormActivate();  // nothing changed: the list stays as it is
        QVERIFY(!CheckBoxSearchAll()->isChecked());
        // Another listing without that group, while the dialog keeps its list.
        main_->LoadFile(started_->Sandbox.Write(QStringLiteral("small.pro"), SmallListing()));
        EditFindWhat()->setText(QStringLiteral("e"));
        QCOMPARE(Press("ButtonFind"), QStringLiteral("-"));

        // More than eight groups take two columns.
        main_->LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(!dlg_->ListBuilt());
        dlg_->FormActivate();
        QVERIFY(dlg_->ListBuilt());
        QVERIFY(CheckBoxSearchAll()->isChecked());
        QVERIFY(DialogGroups().size() > 8);
        QCOMPARE(DialogGroups(), PopupGroups());
        QCOMPARE(dlg_->GroupColumns(), 2);

        CheckBoxSearchAll()->click();
        main_->Options().Language = 0;
        main_->ApplyOptions();
        dlg_->FormActivate();
        QCOMPARE(dlg_->DialogLanguage(), 0);
        QVERIFY(CheckBoxSearchAll()->isChecked());
        QCOMPARE(DialogGroups(), PopupGroups());
        QVERIFY(DialogGroups().contains(QStringLiteral("Kommandos")));
    }

    void pasteGoesIntoTheSearchTextWhileTheDialogIsInFront() {
        main_->SetServices({.ClipboardText = [] { return std::string("MYCOUNTER"); }});
        EditFindWhat()->clear();
        dlg_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg_));
        const QString before = main_->ShownFile();
        main_->ActionPasteExecute();
        QCOMPARE(EditFindWhat()->text(), QStringLiteral("MYCOUNTER"));
        QCOMPARE(main_->ShownFile(), before);

        QTest::mouseClick(Control<QPushButton>(dlg_, "ButtonClose"), Qt::LeftButton);
        QVERIFY(!dlg_->isVisible());
    }

    void aFileDialogOpensInFrontWhileTheDialogIsOpen() {
        TMessageBoxes boxes;
        main_->SetServices({.Messages = &boxes});
        // Ctrl+O in the main window while the dialog stays open.
        main_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), main_);
        TBoxWatch open(Qt::Key_Escape);
        QTest::keyClick(main_, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(open.Seen.Shown);
        QVERIFY(open.Seen.InFront);
        QVERIFY(dlg_->isVisible());
        main_->SetServices({.Messages = &started_->Messages});
    }
};

namespace {
const RegisterTest<FindXRefTest> registration;
}

}  // namespace lumorca::gui::test

#include "FindXRefTest.moc"
