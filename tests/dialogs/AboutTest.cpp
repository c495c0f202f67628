// The About box's mail link, by mouse and by keys, and its build date.
#include <QDate>

#include "StartedWindow.h"
#include "dialogs/Aboutbox.h"

namespace lumorca::gui::test {

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void theMailLinkOpensAndLeavesTheBoxOpen_data() {
        QTest::addColumn<bool>("byKeys");
        QTest::newRow("click") << false;
        QTest::newRow("Tab, then Enter") << true;
    }
    void theMailLinkOpensAndLeavesTheBoxOpen() {
        QFETCH(bool, byKeys);
        TStarted main;
        QList<QUrl> opened;
        bool openAfterLink = false;
        main->SetServices({.AboutBoxOpened = [&](TAbout& about) {
            about.SetOpenUrl([&opened](const QUrl& url) {
                opened.append(url);
                return true;
            });
            QMetaObject::invokeMethod(&about, [&] {
                QLabel* mail = Control<QLabel>(&about, "LabelMail");
                (void)QTest::qWaitFor([&about] { return QApplication::activeWindow() == &about; });
                if (byKeys) {
                    for (int i = 0; i < 3 && QApplication::focusWidget() != mail; ++i)
                        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &about, Qt::Key_Tab);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                } else {
                    QTest::mouseClick(mail, Qt::LeftButton);
                }
                openAfterLink = about.isVisible();
                QTest::mouseClick(Control<QPushButton>(&about, "OKButton"), Qt::LeftButton);
            }, Qt::QueuedConnection);
        }});
        main.Action("ActionAbout")->trigger();
        QVERIFY(openAfterLink);
        QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("mailto:lumorca@example.org"))}));
    }

    void theBuildDateIsAnIsoDate() {
        const QString text = BuildDateText();
        QVERIFY(text.startsWith(QStringLiteral("Build ")));
        QVERIFY(QDate::fromString(text.mid(6), Qt::ISODate).isValid());
    }
};

namespace {
const RegisterTest<AboutTest> registration;
}

}  // namespace lumorca::gui::test

#include "AboutTest.moc"
