// The About box's mail link, by mouse and by keys, and its build date.
#include <QDate>

#include "ModalBoxes.h"
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
        TBoxWatch about(Qt::Key_Escape, [&](QWidget* box) {
            qobject_cast<TAbout*>(box)->SetOpenUrl([&opened](const QUrl& url) {
                opened.append(url);
                return true;
            });
            QLabel* mail = Control<QLabel>(box, "LabelMail");
            if (byKeys) {
                for (int i = 0; i < 3 && QApplication::focusWidget() != mail; ++i)
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            } else {
                QTest::mouseClick(mail, Qt::LeftButton);
            }
            openAfterLink = box->isVisible();
            QTest::mouseClick(Control<QPushButton>(box, "OKButton"), Qt::LeftButton);
        });
        main.Action("ActionAbout")->trigger();
        QVERIFY(about.Seen.InFront && openAfterLink);
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
