#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "WindowControls.h"
#include "TestRegistry.h"
#include "app/TreeModel.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

class LanguageSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void SwitchingTheLanguageRecaptionsTheWindow() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        QCOMPARE(main->ActionOpen->text(), QStringLiteral("&Open"));
        QCOMPARE(main->StructureWin->windowTitle(), QStringLiteral("Structure"));
        main->Options().Language = 0;
        main->ApplyOptions();
        QCOMPARE(main->windowTitle(), QStringLiteral("Corvane Source Analyzer (keine Form geladen)"));
        QCOMPARE(main->ActionOpen->text(), QString::fromUtf8("&Öffnen"));
        QCOMPARE(main->ActionOpen->toolTip(), QString::fromUtf8("Corvane-Proclisting öffnen"));
        QCOMPARE(Control<QRadioButton>(main.get(), "RadioButtonCalling")->text(), QStringLiteral("Aufrufe durch Entry"));
        QCOMPARE(main->CallWin->windowTitle(), QStringLiteral("Entry-Calls"));
        QCOMPARE(main->GotoBookmarkItems[3]->text(), QStringLiteral("Lesezeichen &3"));
        QVERIFY(!main->GotoBookmarkItems[3]->isEnabled());

        main->Options().Language = 1;
        main->ApplyOptions();
        QCOMPARE(main->GotoBookmarkItems[3]->text(), QStringLiteral("Bookmark &3"));
        QCOMPARE(main->MenuItemFileList->title(), QStringLiteral("&Last opened files"));
        main->LoadFile(sandbox.Write(QStringLiteral("a.pro"), SmallListing()));
        main->Options().Language = 0;
        main->ApplyOptions();
        QCOMPARE(main->windowTitle(), QStringLiteral("[ORDERS] Corvane Source Analyzer"));
    }

    void TheExampleListingFollowsTheLanguageToo() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->Analyzer = [](ListingLines& lines, const AnalysisSettings& settings,
                            AnalysisObserver* observer, TraceSink* trace) {
            return AnalyzeListing(lines, settings, observer, trace);
        };
        main->LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(messages.Boxes.empty());
        QCOMPARE(main->windowTitle(), QStringLiteral("[ORDERS] Corvane Source Analyzer"));
        auto categories = [&] {
            QStringList captions;
            for (const TreeNode* node : main->Analysis.XRef.FirstRoot()->Children) {
                const QModelIndex index = ModelOf(XRefOutlineOf(main.get()))->IndexOf(node);
                captions << index.data().toString();
            }
            return captions;
        };
        QVERIFY(categories().contains(QStringLiteral("Local variables")));
        QVERIFY(PopupmenuXRefOf(main.get())->actions().size() > 2);
        main->Options().Language = 0;
        main->ApplyOptions();
        QVERIFY(categories().contains(QStringLiteral("Lokale Variable")));
        QVERIFY(!categories().contains(QStringLiteral("Local variables")));
        bool inMenu = false;
        for (QAction* item : PopupmenuXRefOf(main.get())->actions())
            inMenu = inMenu || item->text() == QStringLiteral("Lokale Variable");
        QVERIFY(inMenu);
    }

    void SettingsAreSavedAtExitAndRestoredAtTheNextStart() {
        TSandbox sandbox;
        TScriptedMessages messages;
        const QString file = sandbox.Write(QStringLiteral("a.pro"), SmallListing());
        {
            auto main = StartMain(sandbox, messages);
            main->OptionWin->OpenSettingsStore(false);  // the INI file beside the program
            main->LoadFile(file);
            main->ActionNextExecute();
            main->SourceGrid->SetRow(1);
            main->ActionLowercase->trigger();
            main->XRefWin->close();
            QVERIFY(main->close());
        }
        QVERIFY(QFile::exists(sandbox.IniPath()));
        auto again = StartMain(sandbox, messages);
        QVERIFY(!again->Options().Lowercase);
        QVERIFY(!again->ActionLowercase->isChecked());
        QVERIFY(!again->ActionXRefWin->isChecked());
        QVERIFY(again->XRefWin->isMinimized());
        QCOMPARE(again->OptionWin->LastTrigger, QStringLiteral("entry LP_A"));
        QCOMPARE(again->OptionWin->LastLineNr, 1);
        QCOMPARE(again->OptionWin->History[0], file);
        // Reload goes back there.
        again->ActionReloadExecute();
        QCOMPARE(again->CurrentStructure, 2);
        QCOMPARE(again->SourceGrid->Row(), 1);
    }

    void WindowPlacesSurviveARestartWithoutAutomaticArrangement() {
        TSandbox sandbox;
        TScriptedMessages messages;
        QRect placed;
        {
            auto main = StartMain(sandbox, messages);
            main->OptionWin->OpenSettingsStore(false);
            main->ActionAutoArrange->trigger();
            main->StructureWin->setGeometry(12, 8, 310, 280);
            placed = main->StructureWin->geometry();
            QVERIFY(main->close());
        }
        auto again = StartMain(sandbox, messages);
        QVERIFY(!again->Options().AutoSize);
        QVERIFY(!again->ActionAutoArrange->isChecked());
        QCOMPARE(again->StructureWin->geometry(), placed);

        // A stored child far outside the frame is placed by the arrangement.
        again->StructureWin->setGeometry(5000, 0, 300, 300);
        QVERIFY(again->close());
        auto third = StartMain(sandbox, messages);
        QCOMPARE(third->StructureWin->geometry().topLeft(), QPoint(0, 0));
        QVERIFY(third->StructureWin->width() > 40);
    }

    void WithSaveIniUncheckedNothingIsWritten() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->OptionWin->OpenSettingsStore(false);
        main->ActionLowercase->trigger();
        main->CheckBoxINI->setChecked(false);
        QVERIFY(main->close());
        QVERIFY(!QFile::exists(sandbox.IniPath()));
    }

    void ResetAsksAndRestoresTheFactorySettings() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->ActionLowercase->trigger();
        messages.Answers = {TAnswer::No};
        main->ActionResetOptions->trigger();
        QVERIFY(!main->Options().Lowercase);
        QCOMPARE(messages.LastText(), QStringLiteral("Are you sure to reset the options\r\nback to the default options ?"));
        messages.Answers = {TAnswer::Yes};
        main->ActionResetOptions->trigger();
        QVERIFY(main->Options().Lowercase);
    }
};

lumorca::gui::test::RegisterTest<LanguageSettingsTest> registered;

}  // namespace

#include "LanguageSettingsTest.moc"
