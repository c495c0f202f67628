#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>

#include "StartedWindow.h"
#include "options/OptionWin.h"

namespace lumorca::gui::test {

namespace {

// Focus that comes back to a tree by itself shows nothing again.
class FocusReturnTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TStarted> started_;
    TMain* main_ = nullptr;

private slots:
    void init() {
        started_ = std::make_unique<TStarted>();
        main_ = started_->Window();
        main_->LoadFile(started_->Sandbox.Write(QStringLiteral("focus.pro"), SmallListing(30)));
        // The structure tree on the first trigger, the view moved on from
        // there by a reference of the XRef tree.
        StrukturOutlineOf(main_)->setFocus(Qt::MouseFocusReason);
        Select(StrukturOutlineOf(main_), FindNode(main_->Analysed().Structure, "Trigger EXEC"));
        const TreeNode* lpB = FindNode(main_->Analysed().XRef, "lp_b");
        QVERIFY(lpB);
        XRefOutlineOf(main_)->setFocus(Qt::MouseFocusReason);
        Select(XRefOutlineOf(main_), lpB->Children[2]);  // its definition
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        main_->SourceView().Grid()->SetRow(2);
    }
    void cleanup() { started_.reset(); }

    void ConfirmingTheOptionsKeepsStructureAndRow() {
        const int history = main_->SourceView().History().Count();
        QTimer::singleShot(0, this, [this] {
            QTest::mouseClick(main_->findChild<TOptionWin*>()->findChild<QPushButton*>(QStringLiteral("ButtonOK")), Qt::LeftButton);
        });
        main_->ActionShowOptionsExecute();
        QApplication::processEvents();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        QCOMPARE(main_->SourceView().Grid()->Row(), 2);
        QCOMPARE(main_->SourceView().History().Count(), history);
    }

    void SwitchingAWindowOffKeepsTheRow() {
        main_->SourceView().Grid()->setFocus(Qt::MouseFocusReason);
        // A click on the structure window's close box first activates it.
        TChildForm* win = Control<TChildForm>(main_, "StructureWin");
        QStyleOptionTitleBar bar;
        bar.initFrom(win);
        bar.subControls = QStyle::SC_All;
        bar.titleBarFlags = win->windowFlags();
        bar.titleBarState = static_cast<int>(win->windowState());
        bar.rect = QRect(0, 0, win->width(), win->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, win));
        const QRect box = win->style()->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarCloseButton, win);
        QTest::mouseMove(win, box.center());
        QTest::mouseClick(win, Qt::LeftButton, {}, box.center());
        QApplication::processEvents();
        QVERIFY(win->isMinimized());
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        QCOMPARE(main_->SourceView().Grid()->Row(), 2);
        main_->SourceView().Grid()->setFocus(Qt::MouseFocusReason);
        Control<QMdiArea>(main_, "MdiArea")->setActiveSubWindow(Control<TChildForm>(main_, "StructureWin"));
        Control<TChildForm>(main_, "StructureWin")->close();
        QApplication::processEvents();
        main_->toggleWin(Control<TChildForm>(main_, "StructureWin"), true);
        QApplication::processEvents();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        QCOMPARE(main_->SourceView().Grid()->Row(), 2);

        // The user's own click into the tree shows its node.
        main_->SourceView().Grid()->setFocus(Qt::MouseFocusReason);
        QTreeView* tree = StrukturOutlineOf(main_);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(tree->currentIndex()).center());
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
    }
};

RegisterTest<FocusReturnTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "FocusReturnTest.moc"
