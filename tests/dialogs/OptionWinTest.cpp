// The options dialog driven through its controls, against the real main
// window: what OK, Cancel and "Reset to defaults" do to the options and views.
#include <QKeyEvent>
#include <QTabBar>

#include "../options/OptionsText.h"
#include "StartedWindow.h"
#include "app/Latin1.h"
#include "options/OptionWin.h"
#include "texts/Texts.h"
#include "ui_OptionWin.h"

namespace lumorca::gui::test {

using lumorca::test::OptionsText;

// The common dialogs answer from a queue; an empty queue cancels.
template <typename T>
std::optional<T> Next(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T value = queue.front();
    queue.pop_front();
    return value;
}

class OptionWinTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TSandbox> sandbox_;
    TScriptedMessages messages_;
    std::unique_ptr<TMain> main_;
    TOptionWin* dlg_ = nullptr;
    std::deque<QFont> fonts_;
    std::deque<QColor> colors_;

    Ui::TOptionWin& ui() { return dlg_->Form(); }
    TLumorcaOptions& options() { return main_->Options(); }

    void Start() {
        main_.reset();
        main_ = StartMain(*sandbox_, messages_);
        dlg_ = main_->findChild<TOptionWin*>();
        TOptionChoosers choosers = dlg_->Choosers();
        choosers.ChooseFont = [this](QWidget*, const QFont&) { return Next(fonts_); };
        choosers.ChooseColor = [this](QWidget*, const QColor&) { return Next(colors_); };
        choosers.ChooseDirectory = [](QWidget*, const QString&) { return QStringLiteral("/data/listings"); };
        dlg_->SetChoosers(std::move(choosers));
    }
    void Open() {
        dlg_->open();
        QApplication::processEvents();
        QVERIFY(dlg_->isVisible());
    }

private slots:
    void init() {
        sandbox_ = std::make_unique<TSandbox>();
        messages_.Boxes.clear();
        Start();
    }
    void cleanup() {
        if (dlg_ && dlg_->isVisible()) dlg_->reject();
        main_.reset();
        sandbox_.reset();
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
                QTest::mouseDClick(panel, Qt::LeftButton);
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
        Start();
        QCOMPARE(OptionsText(main_->Options()), confirmed);
        Open();
        QVERIFY(!ui().CheckBoxSourceSize2x->isEnabled());
        QVERIFY(!ui().MemoMarkLocalVarsException->isEnabled());
    }

    void okCopiesTheOtherControlsAndTheViewsFollow() {
        Open();
        // A doubled ampersand is one ampersand on a label.
        QCOMPARE(ui().LabelColorSourceNames->text(), QStringLiteral("Trigger / Entry & Operation names"));
        ui().RadioButtonGerman->click();
        QTest::mouseClick(ui().ButtonSelectDir, Qt::LeftButton);
        QCOMPARE(ui().EditProcListingDir->text(), QStringLiteral("/data/listings"));
        ui().CheckBoxCallWinVisible->click();  // off by default: now on
        ui().CheckBoxXRefWinVisible->click();  // on by default: now off
        fonts_.push_back(QFont(QStringLiteral("DejaVu Serif"), 11));
        QTest::mouseDClick(ui().PanelSourceWinFont, Qt::LeftButton);
        ui().RadioButtonHow2showXref0->click();
        ui().RadioButtonSortCalls1->click();
        colors_.push_back(QColor(0x10, 0x20, 0x30));
        QTest::mouseDClick(ui().PanelColorSourceMarked, Qt::LeftButton);
        // Dark marked background: the sample is drawn in the inverted colour.
        QCOMPARE(dlg_->PanelTextColor(ui().PanelColorSourceMarked), TColor(0xCFDFEF));
        QCOMPARE(dlg_->PanelBackColor(ui().PanelColorSourceMarked), TColor(0x302010));

        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        const TLumorcaOptions& o = options();
        QCOMPARE(o.Language, std::uint8_t(0));
        QCOMPARE(o.ProcListingDir, QStringLiteral("/data/listings"));
        QCOMPARE(o.SourceWin.Font.Size, 11);
        QCOMPARE(o.How2ShowXRef, 0);
        QCOMPARE(o.SortCalls, std::uint8_t(1));

        // The views follow at once.
        QCOMPARE(Control<QAction>(main_->window(), "ActionOpen")->text(), Latin1(Text(1, 0)));
        QCOMPARE(main_->SourceView().Grid()->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Control<TChildForm>(main_->window(), "CallWin")->CurrentState(), StateNormal);
        QCOMPARE(Control<TChildForm>(main_->window(), "XRefWin")->CurrentState(), StateMinimized);
    }

    // Cancel keeps the options, also after "Reset to defaults", and the
    // dialog opens again on the options, not on the cancelled edits.
    void cancelChangesNothingEvenAfterAReset() {
        TLumorcaOptions& o = options();
        o.Language = 0;
        o.StructureWin.Font = {QStringLiteral("Courier New"), 12, 0x0000FF, true, false};
        o.SourceWin.Font = {QStringLiteral("DejaVu Sans Mono"), 10, 0, false, true};
        o.Indent = 2;
        o.MarkSuspCompVarsEx = {QStringLiteral("$X$")};
        main_->ApplyOptions();
        const QStringList before = OptionsText(o);

        Open();
        ui().CheckBoxListStatus->click();
        fonts_.push_back(QFont(QStringLiteral("DejaVu Sans"), 14));
        QTest::mouseDClick(ui().PanelXRefWinFont, Qt::LeftButton);
        colors_.push_back(QColor(Qt::green));
        QTest::mouseDClick(ui().PanelColorZnrAbs, Qt::LeftButton);
        ui().CheckBoxUseINI->click();
        messages_.Answers = {TAnswer::No};
        QTest::mouseClick(ui().ButtonDefaults, Qt::LeftButton);
        // The question speaks the options' language.
        QCOMPARE(messages_.LastText(), Latin1(Text(109, 0)));
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Courier New"));

        messages_.Answers = {TAnswer::Yes};
        QTest::mouseClick(ui().ButtonDefaults, Qt::LeftButton);
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Arial"));
        QCOMPARE(dlg_->PanelFont(ui().PanelSourceWinFont).Name, QStringLiteral("Times New Roman"));
        QCOMPARE(ui().ComboBoxIndentVal->currentText(), QStringLiteral("4"));
        QVERIFY(ui().RadioButtonEnglish->isChecked());
        QCOMPARE(ui().MemoMarkCompVarsException->toPlainText(), QString());
        // The captions follow the defaults' language.
        QCOMPARE(dlg_->windowTitle(), Latin1(Text(104, 1)));

        QTest::mouseClick(ui().ButtonCancel, Qt::LeftButton);
        QCOMPARE(dlg_->result(), int(QDialog::Rejected));
        QCOMPARE(OptionsText(o), before);
        QVERIFY(main_->Settings().UseRegistry());
        QCOMPARE(main_->SourceView().Grid()->font().family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(Control<QAction>(main_->window(), "ActionOpen")->text(), Latin1(Text(1, 0)));

        Open();
        QVERIFY(ui().RadioButtonGerman->isChecked());
        QCOMPARE(ui().PanelXRefWinFont->text(), QStringLiteral("Arial"));
        QCOMPARE(ui().ComboBoxIndentVal->currentText(), QStringLiteral("2"));
        QVERIFY(!ui().CheckBoxUseINI->isChecked());
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
        QCOMPARE(Control<QAction>(main_->window(), "ActionOpen")->text(), QStringLiteral("&Open"));

        ui().EditProcListingDir->setText(QStringLiteral("   "));
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QCOMPARE(options().ProcListingDir, directory);
        QCOMPARE(main_->windowTitle(), QStringLiteral("Corvane Source Analyzer (keine Form geladen)"));
    }

    // Without "same font" only the clicked panel changes and the chooser
    // remembers the panel's font; with it every window gets the chosen font.
    void fontPanelsAloneAndTheSameFontForEveryWindow() {
        Open();
        fonts_.push_back(QFont(QStringLiteral("DejaVu Serif"), 9));
        QTest::mouseDClick(ui().PanelXRefWinFont, Qt::LeftButton);
        QCOMPARE(ui().PanelXRefWinFont->text(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Arial"));
        // A cancelled choice changes nothing, but the chooser now holds the
        // panel's font; ticking the box spreads that one.
        QTest::mouseDClick(ui().PanelSourceWinFont, Qt::LeftButton);
        QCOMPARE(ui().PanelSourceWinFont->text(), QStringLiteral("Times New Roman"));
        ui().CheckBoxSameFont->click();
        QCOMPARE(ui().PanelXRefWinFont->text(), QStringLiteral("Times New Roman"));
        QCOMPARE(ui().PanelStructWinFont->text(), QStringLiteral("Times New Roman"));

        fonts_.push_back(QFont(QStringLiteral("DejaVu Sans"), 30));
        QTest::mouseDClick(ui().PanelCallWinFont, Qt::LeftButton);
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        const TLumorcaOptions& o = options();
        QVERIFY(o.SameWindowFont);
        for (const TWinOptions* w : {&o.StructureWin, &o.XRefWin, &o.CallWin, &o.SourceWin}) {
            QCOMPARE(w->Font.Name, QStringLiteral("DejaVu Sans"));
            QCOMPARE(w->Font.Size, 24);  // the chooser offers 6 to 24 points
        }
        QCOMPARE(StrukturOutlineOf(main_.get())->font().family(), QStringLiteral("DejaVu Sans"));
    }

    // Before any font was chosen the chooser holds its initial font.
    void sameFontAtFirstSpreadsTheChoosersInitialFont() {
        Open();
        ui().CheckBoxSameFont->click();
        for (QLabel* panel : {ui().PanelStructWinFont, ui().PanelXRefWinFont, ui().PanelCallWinFont,
                              ui().PanelSourceWinFont}) {
            QCOMPARE(dlg_->PanelFont(panel).Name, QStringLiteral("MS Sans Serif"));
            QCOMPARE(dlg_->PanelFont(panel).Size, 8);
        }
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
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QCOMPARE(options().MarkSuspLocalVarsEx, QStringList({QStringLiteral("V_TMP*"), QStringLiteral("\u00c4X")}));
    }

    void indentThatIsNoWholeNumberKeepsThePreviousIndent() {
        options().Indent = 3;
        for (const auto& [text, indent] : {std::pair{"abc", 3}, {"2.5", 3}, {"", 3}, {"10", 10}}) {
            Open();
            ui().ComboBoxIndentVal->setCurrentText(QString::fromLatin1(text));
            QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
            QCOMPARE(options().Indent, indent);
        }
    }

    void storeSwitchDeletesThePerUserStoreOnlyOnOk() {
        QVERIFY(main_->Settings().UseRegistry());
        QVERIFY(!main_->Settings().SaveOptions().has_value());
        QVERIFY(sandbox_->RegistryHasKeys());

        Open();
        ui().CheckBoxUseINI->click();
        QTest::mouseClick(ui().ButtonOK, Qt::LeftButton);
        QVERIFY(!sandbox_->RegistryHasKeys());
        QVERIFY(!main_->Settings().UseRegistry());
        QCOMPARE(main_->Settings().StoreName(), main_->Settings().IniFileName());
        QVERIFY(!main_->Settings().SaveOptions().has_value());
    }
};

namespace {
const RegisterTest<OptionWinTest> registration;
}

}  // namespace lumorca::gui::test

#include "OptionWinTest.moc"
