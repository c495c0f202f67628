// The options dialog driven through its controls, against the real main
// window: what OK, Cancel and "Reset to defaults" do to the options and views.
#include <QKeyEvent>
#include <QTabBar>
#include <QTest>
#include <QTreeView>

#include "../options/OptionsText.h"
#include "app/SourceView.h"
#include "WindowControls.h"
#include "StartedWindow.h"
#include "options/OptionWin.h"
#include "options/Overloaded.h"
#include "texts/Texts.h"
#include "ui_OptionWin.h"

namespace lumorca::gui::test {
namespace {

using lumorca::test::OptionsText;

QString Latin1Text(int entry, int language) {
    const std::string& t = Text(entry, language);
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace

class OptionWinTest : public QObject {
    Q_OBJECT

    TSandbox* sandbox_ = nullptr;
    TScriptedMessages* messages_ = nullptr;
    std::unique_ptr<TMain> main_;
    TOptionWin* dlg_ = nullptr;
    std::deque<QFont> fonts_;
    std::deque<QColor> colors_;

    Ui::TOptionWin& ui() { return dlg_->Form(); }
    TLumorcaOptions& options() { return main_->Options(); }

    void Open() {
        dlg_->open();
        QApplication::processEvents();
        QVERIFY(dlg_->isVisible());
    }
    void DoubleClick(QWidget* panel) { QTest::mouseDClick(panel, Qt::LeftButton); }

private slots:
    void init() {
        sandbox_ = new TSandbox;
        messages_ = new TScriptedMessages(true);
        main_ = StartMain(*sandbox_, *messages_, {QStringLiteral("Lumorca7")}, TAnalysis::Real);
        dlg_ = main_->findChild<TOptionWin*>();
        fonts_.clear();
        colors_.clear();
        // The common dialogs answer from the queues; an empty queue cancels.
        TOptionChoosers choosers = dlg_->Choosers();
        choosers.ChooseFont = [this](QWidget*, const QFont&) -> std::optional<QFont> {
            if (fonts_.empty()) return std::nullopt;
            QFont f = fonts_.front();
            fonts_.pop_front();
            return f;
        };
        choosers.ChooseColor = [this](QWidget*, const QColor&) -> std::optional<QColor> {
            if (colors_.empty()) return std::nullopt;
            QColor c = colors_.front();
            colors_.pop_front();
            return c;
        };
        choosers.ChooseDirectory = [](QWidget*, const QString&) { return QStringLiteral("/data/listings"); };
        dlg_->SetChoosers(std::move(choosers));
    }

    void cleanup() {
        if (dlg_ && dlg_->isVisible()) dlg_->reject();
        main_.reset();
        delete messages_;
        delete sandbox_;
    }

    void formShowsItsTextsAsDecided() {
        Open();
        QCOMPARE(ui().PageControlOptions->currentIndex(), 0);
        QCOMPARE(ui().PageControlOptions->tabText(4), QStringLiteral("XRefWin "));
        QVERIFY(ui().ButtonOK->isDefault());
        QVERIFY(ui().CheckBoxUseINI->text().contains(QStringLiteral("Lumorca7.INI")));
        // A doubled ampersand is one ampersand on a label.
        QCOMPARE(ui().LabelColorSourceNames->text(), QStringLiteral("Trigger / Entry & Operation names"));
        QVERIFY(!ui().CheckBoxSameColor->isVisibleTo(dlg_));
        QVERIFY(!ui().PanelCallWinColor->isVisibleTo(dlg_));
        QVERIFY(ui().LabelHintReload2->font().bold());
    }

    // Every control the settings table names, changed and confirmed, reaches
    // its option (a box disabled by another keeps its value) and survives a restart.
    void everyControlOfTheTableReachesItsOption() {
        const TLumorcaOptions before = options();
        Open();
        QSet<QString> changed;
        for (const TOptionRow& row : OptionRows()) {
            if (auto* box = dlg_->findChild<QCheckBox*>(row.Control)) {
                if (box->isEnabled()) changed << row.Key;
                box->click();
            } else if (auto* memo = dlg_->findChild<QPlainTextEdit*>(row.Control)) {
                memo->setPlainText(QStringLiteral("LP_*\n\nINIT"));
            } else if (auto* panel = dlg_->findChild<QLabel*>(row.Control)) {
                colors_.push_back(QColor(0x12, 0x34, 0x56));
                DoubleClick(panel);
            }
        }
        QVERIFY(changed.size() > 20);
        // Autosize off disables the doubled source size; a mark switched off, its exceptions.
        QVERIFY(!ui().CheckBoxSourceSize2x->isEnabled());
        QVERIFY(!ui().MemoMarkLocalVarsException->isEnabled());
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        const TLumorcaOptions& o = options();
        for (const TOptionRow& row : OptionRows()) {
            if (row.Control.isEmpty()) continue;
            std::visit(Overloaded{[&](bool TLumorcaOptions::*m) {
                                      QVERIFY2(o.*m == (before.*m != changed.contains(row.Key)), qPrintable(row.Key));
                                  },
                                  [&](QStringList TLumorcaOptions::*m) {
                                      QCOMPARE(o.*m, QStringList({QStringLiteral("LP_*"), QStringLiteral("INIT")}));
                                  },
                                  [&](TColor TLumorcaOptions::*m) { QCOMPARE(o.*m, TColor(0x563412)); },
                                  [](auto) {}},
                       row.Member);
        }
        const QStringList confirmed = OptionsText(o);
        main_->close();
        main_.reset();
        main_ = StartMain(*sandbox_, *messages_, {QStringLiteral("Lumorca7")}, TAnalysis::Real);
        dlg_ = main_->findChild<TOptionWin*>();
        QCOMPARE(OptionsText(main_->Options()), confirmed);
        Open();
        QVERIFY(!ui().CheckBoxSourceSize2x->isEnabled());
        QVERIFY(!ui().MemoMarkLocalVarsException->isEnabled());
    }

    void okCopiesTheOtherControlsAndTheViewsFollow() {
        Open();
        ui().RadioButtonGerman->click();
        QTest::mouseClick(ui().ButtonSelectDir, Qt::LeftButton);
        QCOMPARE(ui().EditProcListingDir->text(), QStringLiteral("/data/listings"));
        ui().CheckBoxCallWinVisible->click();  // off by default: now on
        ui().CheckBoxXRefWinVisible->click();  // on by default: now off
        fonts_.push_back(QFont(QStringLiteral("DejaVu Serif"), 11));
        DoubleClick(ui().PanelSourceWinFont);
        ui().RadioButtonHow2showXref0->click();
        ui().RadioButtonSortCalls1->click();
        ui().ComboBoxIndentVal->setCurrentText(QStringLiteral("7"));
        colors_.push_back(QColor(0x10, 0x20, 0x30));
        DoubleClick(ui().PanelColorSourceMarked);
        // Dark marked background: the sample is drawn in the inverted colour.
        QCOMPARE(dlg_->PanelTextColor(ui().PanelColorSourceMarked), TColor(0xCFDFEF));
        QCOMPARE(dlg_->PanelBackColor(ui().PanelColorSourceMarked), TColor(0x302010));

        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(dlg_->result(), int(QDialog::Accepted));

        const TLumorcaOptions& o = options();
        QCOMPARE(o.Language, std::uint8_t(0));
        QCOMPARE(o.ProcListingDir, QStringLiteral("/data/listings"));
        QCOMPARE(o.CallWin.State, StateNormal);
        QCOMPARE(o.XRefWin.State, StateMinimized);
        QCOMPARE(o.SourceWin.Font.Name, QStringLiteral("DejaVu Serif"));
        QCOMPARE(o.SourceWin.Font.Size, 11);
        QCOMPARE(o.StructureWin.Font.Name, QStringLiteral("Arial"));
        QCOMPARE(o.How2ShowXRef, 0);
        QCOMPARE(o.SortCalls, std::uint8_t(1));
        QCOMPARE(o.Indent, 7);
        QCOMPARE(o.ColorSourceMarked, TColor(0x302010));

        // The views follow at once.
        QCOMPARE(Control<QAction>(main_->window(), "ActionOpen")->text(), Latin1Text(1, 0));
        QCOMPARE(Control<TChildForm>(main_->window(), "StructureWin")->windowTitle(), QStringLiteral("Struktur"));
        QCOMPARE(main_->SourceView().Grid()->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Control<TChildForm>(main_->window(), "CallWin")->CurrentState(), StateNormal);
        QCOMPARE(Control<TChildForm>(main_->window(), "XRefWin")->CurrentState(), StateMinimized);
        QVERIFY(Control<QAction>(main_->window(), "ActionCallWin")->isChecked());
        QVERIFY(!Control<QAction>(main_->window(), "ActionXRefWin")->isChecked());
    }

    void cancelChangesNothing() {
        const QStringList before = OptionsText(options());
        Open();
        ui().RadioButtonGerman->click();
        ui().CheckBoxListStatus->click();
        ui().CheckBoxStructWinVisible->click();
        fonts_.push_back(QFont(QStringLiteral("DejaVu Sans"), 14));
        DoubleClick(ui().PanelXRefWinFont);
        colors_.push_back(QColor(Qt::green));
        DoubleClick(ui().PanelColorZnrAbs);
        ui().ComboBoxIndentVal->setCurrentText(QStringLiteral("9"));
        ui().CheckBoxUseINI->click();
        QTest::mouseClick(ui().ButtonCancel, Qt::LeftButton);
        QCOMPARE(dlg_->result(), int(QDialog::Rejected));
        QCOMPARE(OptionsText(options()), before);
        QVERIFY(main_->Settings().UseRegistry());
        QCOMPARE(Control<QAction>(main_->window(), "ActionOpen")->text(), Latin1Text(1, 1));

        // Opening again starts from the options, not from the cancelled edits.
        Open();
        QVERIFY(ui().RadioButtonEnglish->isChecked());
        QCOMPARE(ui().PanelXRefWinFont->text(), QStringLiteral("Arial"));
        QCOMPARE(ui().ComboBoxIndentVal->currentText(), QStringLiteral("4"));
        QVERIFY(!ui().CheckBoxUseINI->isChecked());
    }

    void resetToDefaultsThenCancelChangesNothing() {
        TLumorcaOptions& o = options();
        o.Language = 0;
        o.StructureWin.Font = {QStringLiteral("Courier New"), 12, 0x0000FF, true, false};
        o.SourceWin.Font = {QStringLiteral("DejaVu Sans Mono"), 10, 0, false, true};
        o.Indent = 2;
        o.ColorSource = 0x123456;
        o.MarkSuspCompVarsEx = {QStringLiteral("$X$")};
        main_->ApplyOptions();
        const QStringList before = OptionsText(o);

        Open();
        messages_->Answers = {TAnswer::No};
        QTest::mouseClick(ui().ButtonDefaults, Qt::LeftButton);
        // The question speaks the options' language.
        QCOMPARE(messages_->LastText(), Latin1Text(109, 0));
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Courier New"));

        messages_->Answers = {TAnswer::Yes};
        QTest::mouseClick(ui().ButtonDefaults, Qt::LeftButton);
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Arial"));
        QCOMPARE(dlg_->PanelFont(ui().PanelSourceWinFont).Name, QStringLiteral("Times New Roman"));
        QCOMPARE(ui().ComboBoxIndentVal->currentText(), QStringLiteral("4"));
        QVERIFY(ui().RadioButtonEnglish->isChecked());
        QCOMPARE(ui().MemoMarkCompVarsException->toPlainText(), QString());
        // The captions follow the defaults' language.
        QCOMPARE(dlg_->windowTitle(), Latin1Text(104, 1));

        QTest::mouseClick(ui().ButtonCancel, Qt::LeftButton);
        QCOMPARE(OptionsText(o), before);
        QCOMPARE(main_->SourceView().Grid()->font().family(), QStringLiteral("DejaVu Sans Mono"));
    }

    void theLanguageGroupTakesTheKeysAndBlanksAreNoDirectory() {
        const QString directory = options().ProcListingDir;
        Open();
        QTRY_COMPARE(QApplication::activeWindow(), dlg_);
        // Tab enters the group on the checked item, the arrows move the check.
        auto* tabs = ui().PageControlOptions->findChild<QTabBar*>();
        tabs->setFocus();
        QTest::keyClick(tabs, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ui().RadioButtonEnglish);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), ui().RadioButtonGerman);
        QVERIFY(ui().RadioButtonGerman->isChecked());
        // The dialog speaks the new language at once; the main window waits for OK.
        QCOMPARE(dlg_->windowTitle(), QStringLiteral("Optionen"));
        QCOMPARE(ui().RadioButtonHow2showXref0->text(), Latin1Text(157, 0));
        QCOMPARE(Control<QAction>(main_->window(), "ActionOpen")->text(), QStringLiteral("&Open"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(ui().RadioButtonEnglish->isChecked());
        QCOMPARE(dlg_->windowTitle(), QStringLiteral("Options"));

        ui().EditProcListingDir->setText(QStringLiteral("   "));
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QCOMPARE(options().ProcListingDir, directory);
    }

    void sameFontGivesEveryWindowTheChosenFont() {
        Open();
        // Before any font was chosen the chooser holds its initial font.
        ui().CheckBoxSameFont->click();
        for (QLabel* panel : {ui().PanelStructWinFont, ui().PanelXRefWinFont, ui().PanelCallWinFont,
                              ui().PanelSourceWinFont}) {
            QCOMPARE(panel->text(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(dlg_->PanelFont(panel).Size, 8);
        }
        fonts_.push_back(QFont(QStringLiteral("DejaVu Sans"), 30));
        DoubleClick(ui().PanelCallWinFont);
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        const TLumorcaOptions& o = options();
        QVERIFY(o.SameWindowFont);
        for (const TWinOptions* w : {&o.StructureWin, &o.XRefWin, &o.CallWin, &o.SourceWin}) {
            QCOMPARE(w->Font.Name, QStringLiteral("DejaVu Sans"));
            QCOMPARE(w->Font.Size, 24);  // the chooser offers 6 to 24 points
        }
        QCOMPARE(main_->findChild<QTreeView*>(QStringLiteral("StrukturOutline"))->font().family(), QStringLiteral("DejaVu Sans"));
    }

    void withoutSameFontOnlyTheClickedPanelChangesAndTheChooserRemembersIt() {
        Open();
        fonts_.push_back(QFont(QStringLiteral("DejaVu Serif"), 9));
        DoubleClick(ui().PanelXRefWinFont);
        QCOMPARE(ui().PanelXRefWinFont->text(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Arial"));
        // A cancelled choice changes nothing, but the chooser now holds the
        // panel's font; ticking the box spreads that one.
        DoubleClick(ui().PanelSourceWinFont);
        QCOMPARE(ui().PanelSourceWinFont->text(), QStringLiteral("Times New Roman"));
        ui().CheckBoxSameFont->click();
        QCOMPARE(ui().PanelXRefWinFont->text(), QStringLiteral("Times New Roman"));
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Times New Roman"));
    }

    void exceptionMemosUpperCaseTyping() {
        Open();
        ui().PageControlOptions->setCurrentWidget(ui().TabSheetAnalyze2);
        QPlainTextEdit* memo = ui().MemoMarkLocalVarsException;
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("v_tmp*"));
        QTest::keyClick(memo, Qt::Key_Return);
        // A letter beyond ASCII, typed as the keyboard sends it.
        QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("\u00e4"));
        QApplication::sendEvent(memo, &umlaut);
        QTest::keyClicks(memo, QStringLiteral("x"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("V_TMP*\n\u00c4X"));
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QCOMPARE(options().MarkSuspLocalVarsEx, QStringList({QStringLiteral("V_TMP*"), QStringLiteral("\u00c4X")}));
    }

    void indentThatIsNoWholeNumberKeepsThePreviousIndent() {
        options().Indent = 3;
        for (const QString& text : {QStringLiteral("abc"), QStringLiteral("2.5"), QString()}) {
            Open();
            ui().ComboBoxIndentVal->setCurrentText(text);
            QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
            QCOMPARE(options().Indent, 3);
        }
        Open();
        ui().ComboBoxIndentVal->setCurrentText(QStringLiteral("10"));
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QCOMPARE(options().Indent, 10);
    }

    void storeSwitchDeletesThePerUserStoreOnlyOnOk() {
        QVERIFY(main_->Settings().UseRegistry());
        QVERIFY(!main_->Settings().SaveOptions().has_value());
        QVERIFY(sandbox_->RegistryHasKeys());

        Open();
        ui().CheckBoxUseINI->click();
        QVERIFY(sandbox_->RegistryHasKeys());
        QTest::mouseClick(ui().ButtonCancel, Qt::LeftButton);
        QVERIFY(sandbox_->RegistryHasKeys());
        QVERIFY(main_->Settings().UseRegistry());

        Open();
        ui().CheckBoxUseINI->click();
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QVERIFY(!sandbox_->RegistryHasKeys());
        QVERIFY(!main_->Settings().UseRegistry());
        QCOMPARE(main_->Settings().StoreName(), main_->Settings().IniFileName());
        QVERIFY(!main_->Settings().SaveOptions().has_value());
        QVERIFY(!sandbox_->RegistryHasKeys());
    }
};

namespace {
const RegisterTest<OptionWinTest> registration;
}

}  // namespace lumorca::gui::test

#include "OptionWinTest.moc"
