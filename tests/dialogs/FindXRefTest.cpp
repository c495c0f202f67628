// Find in XRef against the real analysis of a small listing: the group list,
// exact and substring matches, Find next, and when the list is rebuilt.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include "StartedWindow.h"
#include "WindowControls.h"
#include "ModalBoxes.h"
#include "analyzer/XRefTree.h"
#include "app/TreeModel.h"
#include "dialogs/FindXRefDialog.h"
#include "texts/Texts.h"

namespace lumorca::gui::test {

class FindXRefTest : public QObject {
    Q_OBJECT

    TSandbox* sandbox_ = nullptr;
    TScriptedMessages* messages_ = nullptr;
    std::unique_ptr<TMain> main_;
    TFormFindXRef* dlg_ = nullptr;

    QLineEdit* EditFindWhat() const { return Control<QLineEdit>(dlg_, "EditFindWhat"); }
    QCheckBox* CheckBoxSearchAll() const { return Control<QCheckBox>(dlg_, "CheckBoxSearchAll"); }
    QCheckBox* CheckBoxFindExact() const { return Control<QCheckBox>(dlg_, "CheckBoxFindExact"); }
    QGroupBox* RadioGroupFindWhat() const { return Control<QGroupBox>(dlg_, "RadioGroupFindWhat"); }
    QPushButton* ButtonFind() const { return Control<QPushButton>(dlg_, "ButtonFind"); }
    QPushButton* ButtonFindNext() const { return Control<QPushButton>(dlg_, "ButtonFindNext"); }
    QPushButton* ButtonClose() const { return Control<QPushButton>(dlg_, "ButtonClose"); }

    QString Selected() {
        // As the tree shows it.
        return XRefOutlineOf(main_.get())->currentIndex().data().toString();
    }
    void Find(const QString& text, bool exact) {
        EditFindWhat()->setText(text);
        CheckBoxFindExact()->setChecked(exact);
        QTest::mouseClick(ButtonFind(), Qt::LeftButton);
    }
    void FindNext() { QTest::mouseClick(ButtonFindNext(), Qt::LeftButton); }
    QStringList PopupGroups() {
        QStringList captions;
        for (const QAction* a : PopupmenuXRefOf(main_.get())->actions()) captions.append(a->text());
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
    void Load(const std::vector<std::string>& lines, const QString& name) {
        main_->LoadFile(sandbox_->Write(name, lines));
        QVERIFY(main_->HasListing());
    }

private slots:
    void init() {
        sandbox_ = new TSandbox;
        messages_ = new TScriptedMessages(true);
        main_ = StartMain(*sandbox_, *messages_, {QStringLiteral("Lumorca7")}, TAnalysis::Real);
        dlg_ = main_->findChild<TFormFindXRef*>();
        Load(CounterListing(), QStringLiteral("counter.pro"));
        main_->XRefFindDialogClick();
        QApplication::processEvents();
    }

    void cleanup() {
        main_.reset();
        delete messages_;
        delete sandbox_;
    }

    void aToolWindowWithTheGroupsOfThePopup() {
        QVERIFY(dlg_->isVisible());
        QVERIFY(!dlg_->isModal());
        // In front of the main window, not of every window.
        QCOMPARE(dlg_->windowFlags() & Qt::Tool, Qt::Tool);
        QCOMPARE(dlg_->parentWidget(), main_.get());
        QVERIFY(!PopupGroups().isEmpty());
        QCOMPARE(DialogGroups(), PopupGroups());
        QCOMPARE(dlg_->GroupColumns(), DialogGroups().size() > 8 ? 2 : 1);
        QVERIFY(CheckBoxSearchAll()->isChecked());
        QVERIFY(!RadioGroupFindWhat()->isEnabled());
        CheckBoxSearchAll()->click();
        QVERIFY(RadioGroupFindWhat()->isEnabled());
    }

    void moreThanEightGroupsTakeTwoColumns() {
        main_->LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(main_->HasListing());
        dlg_->FormActivate();
        QVERIFY(DialogGroups().size() > 8);
        QCOMPARE(DialogGroups(), PopupGroups());
        QCOMPARE(dlg_->GroupColumns(), 2);
    }

    void substringAndExactMatches() {
        Find(QStringLiteral("mycount"), false);
        QVERIFY(Selected().contains(QStringLiteral("MYCOUNTER"), Qt::CaseInsensitive));
        QVERIFY(XRefOutlineOf(main_.get())->isExpanded(XRefOutlineOf(main_.get())->currentIndex()));

        messages_->Boxes.clear();
        Find(QStringLiteral("count"), true);
        QCOMPARE(messages_->Texts(), QStringList({QStringLiteral("Symbol not found")}));

        const QString exact = Selected();
        Find(exact.toUpper(), true);
        QCOMPARE(Selected(), exact);
        QCOMPARE(int(messages_->Boxes.size()), 1);

        // An empty search text does nothing at all.
        XRefOutlineOf(main_.get())->setCurrentIndex(QModelIndex());
        Find(QString(), false);
        QCOMPARE(int(messages_->Boxes.size()), 1);
        QCOMPARE(Selected(), QString());
    }

    void onlySymbolNodesWithReferencesMatch() {
        // The root ("Form COUNTERS") and the references below the symbols
        // ("... from Form: COUNTERS") hold the first text, two groups the others.
        messages_->Boxes.clear();
        for (const QString& text : {QStringLiteral("COUNTERS"), QStringLiteral("component"),
                                    QStringLiteral("commands")}) {
            Find(text, false);
            QCOMPARE(messages_->LastText(), QStringLiteral("Symbol not found"));
        }
        QCOMPARE(int(messages_->Boxes.size()), 3);
        // A group moved below a symbol is a node with children like any other.
        Find(QStringLiteral("variables"), false);
        QCOMPARE(Selected(), QStringLiteral("Local variables"));
        QCOMPARE(CurrentNodeOf(XRefOutlineOf(main_.get()))->Level(), 3);
    }

    void findNextWalksOnInDepthFirstOrder() {
        Find(QStringLiteral("count"), false);
        QStringList hits = {Selected()};
        messages_->Boxes.clear();
        for (int i = 0; i < 5 && messages_->Boxes.empty(); ++i) {
            FindNext();
            if (messages_->Boxes.empty()) hits.append(Selected());
        }
        QCOMPARE(hits, QStringList({QStringLiteral("lp_count"), QStringLiteral("v_counter"),
                                    QStringLiteral("$mycounter$")}));
        QCOMPARE(messages_->Texts(), QStringList({QStringLiteral("Symbol not found")}));

        // With nothing selected, Find next starts at the first node.
        XRefOutlineOf(main_.get())->setCurrentIndex(QModelIndex());
        FindNext();
        QCOMPARE(Selected(), hits.first());
    }

    void aGroupLimitsTheSearch() {
        CheckBoxSearchAll()->click();
        QRadioButton* group = Group(QStringLiteral("$Component variables$"));
        QVERIFY(group != nullptr);
        group->click();
        Find(QStringLiteral("count"), false);
        QCOMPARE(Selected(), QStringLiteral("$mycounter$"));
        messages_->Boxes.clear();
        FindNext();
        QCOMPARE(messages_->Texts(), QStringList({QStringLiteral("Symbol not found")}));

        // Find next from a node before the group still only finds inside it.
        Find(QStringLiteral("tally"), false);
        QCOMPARE(Selected(), QStringLiteral("$b_tally$"));
        CheckBoxSearchAll()->click();
        Find(QStringLiteral("count"), false);
        QCOMPARE(Selected(), QStringLiteral("lp_count"));
        CheckBoxSearchAll()->click();
        FindNext();
        QCOMPARE(Selected(), QStringLiteral("$mycounter$"));
    }

    void aGroupMissingFromTheTreeFindsNothing() {
        CheckBoxSearchAll()->click();
        Group(QStringLiteral("$Component variables$"))->click();
        // Another listing without that group, while the dialog keeps its list.
        main_->LoadFile(sandbox_->Write(QStringLiteral("plain.pro"), PlainListing()));
        messages_->Boxes.clear();
        Find(QStringLiteral("e"), false);
        QCOMPARE(messages_->Texts(), QStringList({QStringLiteral("Symbol not found")}));
    }

    void aNewListingOrLanguageRebuildsTheGroupList() {
        CheckBoxSearchAll()->click();
        QVERIFY(!CheckBoxSearchAll()->isChecked());
        dlg_->FormActivate();  // nothing changed: the list stays as it is
        QVERIFY(!CheckBoxSearchAll()->isChecked());

        Load(PlainListing(), QStringLiteral("plain.pro"));
        QVERIFY(!dlg_->ListBuilt());
        dlg_->FormActivate();
        QVERIFY(dlg_->ListBuilt());
        QVERIFY(CheckBoxSearchAll()->isChecked());
        QCOMPARE(DialogGroups(), PopupGroups());

        CheckBoxSearchAll()->click();
        main_->Options().Language = 0;
        main_->ApplyOptions();
        dlg_->FormActivate();
        QCOMPARE(dlg_->DialogLanguage(), 0);
        QVERIFY(CheckBoxSearchAll()->isChecked());
        QCOMPARE(DialogGroups(), PopupGroups());
        QVERIFY(DialogGroups().contains(QStringLiteral("Kommandos")));
    }

    void thePopupOpensTheDialogAndTogglesItsGroups() {
        dlg_->hide();
        const QList<QAction*> items = PopupmenuXRefOf(main_.get())->actions();
        QVERIFY(items.size() >= 3);
        QVERIFY(items[items.size() - 2]->isSeparator());
        items.last()->trigger();
        QVERIFY(dlg_->isVisible());

        QAction* commands = nullptr;
        for (QAction* item : items)
            if (item->text() == QStringLiteral("Commands")) commands = item;
        QVERIFY(commands != nullptr);
        const QModelIndex group =
            ModelOf(XRefOutlineOf(main_.get()))->IndexOf(FindXRefNode(main_->Analysed().XRef, {"Commands"}, lumorca::LanguageEnglish));
        QVERIFY(!XRefOutlineOf(main_.get())->isExpanded(group));
        commands->trigger();
        QVERIFY(XRefOutlineOf(main_.get())->isExpanded(group));
        QVERIFY(commands->isChecked());
        commands->trigger();
        QVERIFY(!XRefOutlineOf(main_.get())->isExpanded(group));
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

        QTest::mouseClick(ButtonClose(), Qt::LeftButton);
        QVERIFY(!dlg_->isVisible());
    }

    void aFileDialogOpensInFrontWhileTheDialogIsOpen() {
        TMessageBoxes boxes;
        main_->SetServices({.Messages = &boxes});
        // Ctrl+O in the main window while the dialog stays open.
        main_->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), main_.get());
        TBoxWatch open(Qt::Key_Escape);
        QTest::keyClick(main_.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(open.Seen.Shown);
        QVERIFY(open.Seen.InFront);
        QVERIFY(dlg_->isVisible());
        main_->SetServices({.Messages = messages_});
    }
};

namespace {
const RegisterTest<FindXRefTest> registration;
}

}  // namespace lumorca::gui::test

#include "FindXRefTest.moc"
