// The About box as the main window's action shows it.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "dialogs/Aboutbox.h"
#include "texts/Texts.h"

namespace lumorca::gui::test {

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProgramAndOpensAMailLink() {
        TSandbox sandbox;
        TAnsweringMessages messages;
        auto main = StartMain(sandbox, messages);
        main->Options().Language = 0;

        bool shown = false;
        QList<QUrl> opened;
        main->AboutBoxOpened = [&](TAbout& about) {
            shown = true;
            about.OpenUrl = [&opened](const QUrl& url) {
                opened.append(url);
                return true;
            };
            QCOMPARE(about.windowTitle(), QStringLiteral("Infos"));
            QCOMPARE(about.ProductName->text(), QStringLiteral("Corvane Source-Analyzer"));
            QCOMPARE(about.Version->text(), QStringLiteral("Lumorca 7"));
            QCOMPARE(about.Beta->text(), QStringLiteral("BETA-Version"));
            QVERIFY(about.BuildDate->text().contains(QString::number(QDate::currentDate().year())) ||
                    about.BuildDate->text().contains(QStringLiteral("20")));
            const std::string& comment = Text(191, 0);
            QCOMPARE(about.Comments->text(), QString::fromLatin1(comment.data(), static_cast<qsizetype>(comment.size())));
            QCOMPARE(about.LabelMail->text(), QStringLiteral("lumorca@example.org"));
            QCOMPARE(about.LabelMail->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(about.ProgramIcon->pixmap().size() == QSize(64, 64));
            QVERIFY(about.windowModality() != Qt::NonModal);
            // Once shown: click the address, then OK.
            QMetaObject::invokeMethod(&about, [&about] {
                QTest::mouseClick(about.LabelMail, Qt::LeftButton);
                QTest::mouseClick(about.OKButton, Qt::LeftButton);
            }, Qt::QueuedConnection);
        };
        main->ActionAbout->trigger();
        QVERIFY(shown);
        QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("mailto:lumorca@example.org"))}));
        QCOMPARE(main->ActionAbout->text(), QStringLiteral("&About"));
    }

    void theMailLinkIsReachedWithTabAndOpenedWithEnter() {
        TSandbox sandbox;
        TAnsweringMessages messages;
        auto main = StartMain(sandbox, messages);
        QList<QUrl> opened;
        QStringList focused;  // the focus before Enter, and whether the box stayed
        main->AboutBoxOpened = [&](TAbout& about) {
            about.OpenUrl = [&opened](const QUrl& url) {
                opened.append(url);
                return true;
            };
            QMetaObject::invokeMethod(&about, [&] {
                (void)QTest::qWaitFor([&about] { return QApplication::activeWindow() == &about; });
                for (int i = 0; i < 3 && QApplication::focusWidget() != about.LabelMail; ++i)
                    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &about, Qt::Key_Tab);
                focused.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                focused.append(about.isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
                QTest::keyClick(&about, Qt::Key_Escape);
            }, Qt::QueuedConnection);
        };
        main->ActionAbout->trigger();
        QCOMPARE(focused, QStringList({QStringLiteral("LabelMail"), QStringLiteral("open")}));
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
