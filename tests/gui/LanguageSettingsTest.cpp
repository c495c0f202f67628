
#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

class LanguageSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void SettingsAreSavedAtExitAndRestoredAtTheNextStart() {
        TSandbox sandbox;
        TScriptedMessages messages;
        const QString file = sandbox.Write(QStringLiteral("a.pro"), SmallListing());
        {
            auto main = StartMain(sandbox, messages);
            main->Settings().OpenSettingsStore(false);  // the INI file beside the program
            main->LoadFile(file);
            main->SourceView().ActionNextExecute();
            main->SourceView().Grid()->SetRow(1);
            Control<QAction>(main.get(), "ActionLowercase")->trigger();
            Control<TChildForm>(main.get(), "XRefWin")->close();
            QVERIFY(main->close());
        }
        QVERIFY(QFile::exists(sandbox.IniPath()));
        auto again = StartMain(sandbox, messages);
        QVERIFY(!again->Options().Lowercase);
        QVERIFY(!Control<QAction>(again.get(), "ActionLowercase")->isChecked());
        QVERIFY(!Control<QAction>(again.get(), "ActionXRefWin")->isChecked());
        QVERIFY(Control<TChildForm>(again.get(), "XRefWin")->isMinimized());
        QCOMPARE(again->Settings().LastTrigger(), QStringLiteral("entry LP_A"));
        QCOMPARE(again->Settings().LastLineNr(), 1);
        QCOMPARE(again->Settings().History()[0], file);
        // Reload goes back there.
        again->ActionReloadExecute();
        QCOMPARE(again->SourceView().Position().CurrentStructure, 2);
        QCOMPARE(again->SourceView().Grid()->Row(), 1);
    }

    void WindowPlacesSurviveARestartWithoutAutomaticArrangement() {
        TSandbox sandbox;
        TScriptedMessages messages;
        QRect placed;
        {
            auto main = StartMain(sandbox, messages);
            main->Settings().OpenSettingsStore(false);
            Control<QAction>(main.get(), "ActionAutoArrange")->trigger();
            Control<TChildForm>(main.get(), "StructureWin")->setGeometry(12, 8, 310, 280);
            placed = Control<TChildForm>(main.get(), "StructureWin")->geometry();
            QVERIFY(main->close());
        }
        auto again = StartMain(sandbox, messages);
        QVERIFY(!again->Options().AutoSize);
        QVERIFY(!Control<QAction>(again.get(), "ActionAutoArrange")->isChecked());
        QCOMPARE(Control<TChildForm>(again.get(), "StructureWin")->geometry(), placed);

        // A stored child far outside the frame is placed by the arrangement.
        Control<TChildForm>(again.get(), "StructureWin")->setGeometry(5000, 0, 300, 300);
        QVERIFY(again->close());
        auto third = StartMain(sandbox, messages);
        QCOMPARE(Control<TChildForm>(third.get(), "StructureWin")->geometry().topLeft(), QPoint(0, 0));
        QVERIFY(Control<TChildForm>(third.get(), "StructureWin")->width() > 40);
    }

    // Reset asks and restores the factory settings; with "Save INI"
    // unchecked nothing is written at exit.
    void ResetAsksAndWithSaveIniUncheckedNothingIsWritten() {
        TStarted w;
        w->Settings().OpenSettingsStore(false);
        w.Action("ActionLowercase")->trigger();
        w.Messages.Answers = {TAnswer::No};
        w.Action("ActionResetOptions")->trigger();
        QVERIFY(!w->Options().Lowercase);
        QCOMPARE(w.Messages.LastText(), QStringLiteral("Are you sure to reset the options\r\nback to the default options ?"));
        w.Messages.Answers = {TAnswer::Yes};
        w.Action("ActionResetOptions")->trigger();
        QVERIFY(w->Options().Lowercase);
        w.Find<QCheckBox>("CheckBoxINI")->setChecked(false);
        QVERIFY(w->close());
        QVERIFY(!QFile::exists(w.Sandbox.IniPath()));
    }
};

RegisterTest<LanguageSettingsTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "LanguageSettingsTest.moc"
