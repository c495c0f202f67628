// The recent-files menu "Last opened files": its entries after loads and
// restarts, the separator, the numbering, and loading by a click.

#include "StartedWindow.h"

namespace lumorca::gui::test {
namespace {

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* a : menu->actions()) captions.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return captions;
}

}  // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TSandbox> sandbox_;
    TScriptedMessages messages_;
    std::unique_ptr<TMain> main_;

    QMenu* Menu() { return Control<QMenu>(main_->window(), "MenuItemFileList"); }

private slots:
    void init() {
        sandbox_ = std::make_unique<TSandbox>();
        messages_.Boxes.clear();
        main_ = StartMain(*sandbox_, messages_);
    }
    void cleanup() {
        main_.reset();
        sandbox_.reset();
    }

    void theEleventhFileDropsTheOldestAndEntryTenLoadsTheTenthFile() {
        QStringList files;
        for (int i = 1; i <= 11; ++i) {
            files.append(sandbox_->Write(QStringLiteral("file%1.pro").arg(i), SmallListing()));
            main_->LoadFile(files.last());
        }
        main_->ApplyOptions();  // rebuilds rather than adds
        const QList<QAction*> items = Menu()->actions();
        QCOMPARE(items.size(), 11);
        QCOMPARE(items[1]->text(), QStringLiteral("&1 ") + files[10]);
        QCOMPARE(items[10]->text(), QStringLiteral("1&0 ") + files[1]);

        items[10]->trigger();
        QCOMPARE(main_->ShownFile(), files[1]);
        QCOMPARE(Menu()->actions()[1]->text(), QStringLiteral("&1 ") + files[1]);
        QCOMPARE(Menu()->actions().size(), 11);

        // By keys in the open menu: 1 opens the newest file at once (shown
        // already, so it asks to reopen it), 0 the tenth.
        messages_.Boxes.clear();
        Menu()->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(Menu()));
        QTest::keyClick(Menu(), Qt::Key_1);
        QTRY_COMPARE(int(messages_.Boxes.size()), 1);
        QVERIFY(messages_.LastText().contains(files[1]));
        QTRY_VERIFY(!Menu()->isVisible());
        Menu()->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(Menu()));
        QTest::keyClick(Menu(), Qt::Key_0);
        QTRY_COMPARE(main_->ShownFile(), files[2]);
    }

    // An empty list shows the separator only; the entries survive a
    // restart, and an ampersand in a path is shown and loaded as it is.
    void theEntriesSurviveARestartAsTheyAre() {
        main_->ApplyOptions();
        QCOMPARE(Captions(Menu()), QStringList({QStringLiteral("-")}));
        const QString odd = sandbox_->Write(QStringLiteral("R&D.pro"), SmallListing());
        main_->LoadFile(odd);
        main_->close();
        main_.reset();
        main_ = StartMain(*sandbox_, messages_);
        const QString shown = QStringLiteral("&1 ") + QString(odd).replace(u'&', QStringLiteral("&&"));
        QCOMPARE(Captions(Menu()), QStringList({QStringLiteral("-"), shown}));
        Menu()->actions()[1]->trigger();
        QCOMPARE(main_->ShownFile(), odd);
    }
};

namespace {
const RegisterTest<RecentFilesTest> registration;
}

}  // namespace lumorca::gui::test

#include "RecentFilesTest.moc"
