#include <QGuiApplication>
#include <QScreen>

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

std::unique_ptr<TMain> StartShown(const TSandbox& sandbox, TScriptedMessages& messages) {
    auto main = StartMain(sandbox, messages);
    main->Settings().OpenSettingsStore(false);  // the INI file beside the program
    if (!QTest::qWaitForWindowExposed(main.get())) return main;
    QTest::qWait(300);  // a window manager frames the window after it is shown
    return main;
}

// Run under a window manager too (see window_manager.sh).
class WindowRestoreTest : public QObject {
    Q_OBJECT
private slots:
    void AWindowThatWasNotMovedComesBackWhereItWas() {
        TSandbox sandbox;
        TScriptedMessages messages;
        QRect first;
        for (int run = 0; run < 3; ++run) {
            auto main = StartShown(sandbox, messages);
            const QRect now(main->pos(), main->size());
            QVERIFY(main->frameGeometry() != main->geometry());  // framed, or the test proves nothing
            if (run == 0) first = now;
            QCOMPARE(now, first);
            QVERIFY(main->close());
        }
    }

    void AWindowLargerThanTheScreenGetsTheDefaultPlace() {
        TSandbox sandbox;
        TScriptedMessages messages;
        // The INI file beside the program.
        QVERIFY(QFile::exists(sandbox.Write(QStringLiteral("Lumorca7.INI"),
            {"[Options]", "Language=1", "[MainWin]", "Left=0", "Width=99999999", "Top=0", "Height=99999999",
             "[StructureWin]", "Left=0", "Width=99999999", "Top=0", "Height=99999999"})));
        auto main = StartShown(sandbox, messages);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(main->width() <= screen.width() && main->height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(main->width()).arg(main->height())));
        QCOMPARE(main->pos(), screen.topLeft() + QPoint(screen.width() / 10, screen.height() / 10));
        QVERIFY(Control<TChildForm>(main.get(), "StructureWin")->width() <= Control<QMdiArea>(main.get(), "MdiArea")->width());
        QCOMPARE(Control<TChildForm>(main.get(), "StructureWin")->pos(), QPoint(0, 0));
        QVERIFY(main->close());
        auto again = StartShown(sandbox, messages);
        QVERIFY(again->width() <= screen.width());
    }
};

RegisterTest<WindowRestoreTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "WindowRestoreTest.moc"
