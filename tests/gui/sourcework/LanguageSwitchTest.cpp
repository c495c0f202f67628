// Look-ups in the source view after the language was switched.

#include "StartedWindow.h"

namespace lumorca::gui::test {

class LanguageSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void localsAndParametersAreFoundInEitherLanguage() {
        TStarted w;
        w.LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        const int use = w.LineOf("$title = V_TITLE");
        const struct {
            int Language;
            const char* Locals;
        } steps[] = {{0, "Lokale Variable"}, {1, "Local variables"}, {0, "Lokale Variable"}};
        for (const auto& step : steps) {
            w->Options().Language = step.Language;
            w->ApplyOptions();
            w.Show(use);
            w.View().PopupmenuSourcePopup();
            QVERIFY2(w.Action("MenuItemShowLocal")->isEnabled(), step.Locals);
            QVERIFY(w.Action("MenuItemShowParam")->isEnabled() == false);  // LP_INIT_FORM has none

            XRefOutlineOf(w.Window())->setCurrentIndex({});
            QTest::mouseDClick(w.Viewport(), Qt::LeftButton, {}, w.At(use, w.CharOf(use, "v_title") + 1));
            // The tree shows the group in the new language.
            const QModelIndex found = XRefOutlineOf(w.Window())->currentIndex();
            QVERIFY2(found.isValid(), step.Locals);
            QCOMPARE(found.data().toString().toUpper(), QStringLiteral("V_TITLE"));
            QCOMPARE(found.parent().data().toString(), QString::fromLatin1(step.Locals));
        }
    }
};

static RegisterTest<LanguageSwitchTest> registered;

}  // namespace lumorca::gui::test

#include "LanguageSwitchTest.moc"
