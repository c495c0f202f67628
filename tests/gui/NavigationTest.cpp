
#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

constexpr int Padding = 200;

class NavigationTest : public QObject {
    Q_OBJECT

    TSandbox sandbox_;
    TScriptedMessages messages_;
    std::unique_ptr<TMain> main_;

private slots:
    void init() {
        main_ = StartMain(sandbox_, messages_);
        main_->LoadFile(sandbox_.Write(QStringLiteral("nav.pro"), SmallListing(Padding)));
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        // Showing the first structure records nothing, so Back stays off.
        QCOMPARE(main_->SourceView().History().Count(), 0);
        QVERIFY(!Control<QAction>(main_.get(), "ActionHistoryBack")->isEnabled());
    }
    void cleanup() { main_.reset(); }

    void SelectingAStructureNodeShowsItsHeaderAndRecordsWhereItCameFrom() {
        const TreeNode* lpB = FindNode(main_->Analysed().Structure, "entry LP_B");
        main_->SourceView().Grid()->SetRow(3);
        Select(StrukturOutlineOf(main_.get()), lpB);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        QCOMPARE(main_->SourceView().CurrentLine(), lpB->Record.Line);
        QCOMPARE(main_->SourceView().History().Slot(0), std::string("1/3"));
        QVERIFY(Control<QAction>(main_.get(), "ActionHistoryBack")->isEnabled());

        // The node of the structure already shown: header row, no record.
        main_->SourceView().Grid()->SetRow(2);
        main_->StrukturOutlineChange(const_cast<TreeNode*>(lpB));
        QCOMPARE(main_->SourceView().CurrentLine(), lpB->Record.Line);
        QCOMPARE(main_->SourceView().History().Count(), 1);

        // The form node moves nothing.
        Select(StrukturOutlineOf(main_.get()), main_->Analysed().Structure.FirstRoot());
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
    }

    void OnlyReferenceLeavesOfTheXRefTreeMoveTheView() {
        const TreeNode* symbol = FindNode(main_->Analysed().XRef, "lp_b");
        QVERIFY(symbol && !symbol->Children.empty());
        Select(XRefOutlineOf(main_.get()), symbol);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        QCOMPARE(main_->SourceView().History().Count(), 0);

        const TreeNode* lastCall = symbol->Children.back();
        Select(XRefOutlineOf(main_.get()), lastCall);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 4);
        QCOMPARE(main_->SourceView().CurrentLine(), lastCall->Record.Line);
        QCOMPARE(main_->SourceView().Grid()->TopLine(), main_->Analysed().StructureStarts[4]);
    }

    void PreviousAndNextStopAtTheEnds() {
        for (int i = 0; i < 4; ++i) main_->SourceView().ActionNextExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 4);
        QCOMPARE(main_->SourceView().History().Count(), 3);
        for (int i = 0; i < 6; ++i) main_->SourceView().ActionPrevExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 0);
        // The prelude of this listing (its first title on line 0) is empty.
        QCOMPARE(main_->SourceView().Grid()->RowCount(), 0);
        QCOMPARE(Control<QLabel>(main_.get(), "LabelTriggerName")->text(), QStringLiteral("top"));
    }

    void AJumpIntoThePreludeIsNotRecordedAndBackReturnsToTheEarlierPlace() {
        main_->SourceView().ActionNextExecute();  // 1 -> 2, records 1
        QCOMPARE(main_->SourceView().History().Count(), 1);
        main_->SourceView().ActionPrevExecute();  // 2 -> 1, records 2
        main_->SourceView().ActionPrevExecute();  // 1 -> 0, records nothing
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 0);
        QCOMPARE(main_->SourceView().History().Count(), 2);
        main_->SourceView().ActionHistoryBackExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 2);
        main_->SourceView().ActionHistoryBackExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        QVERIFY(!Control<QAction>(main_.get(), "ActionHistoryBack")->isEnabled());
        main_->SourceView().ActionHistoryBackExecute();  // empty history: nothing
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
    }

    void BackReturnsToTheLineTheJumpLeft() {
        const int line = 200;
        QCOMPARE(StructureOfLine(main_->Analysed().StructureStarts, line), 1);
        main_->SourceView().GotoPosition(-1, line, true);
        QCOMPARE(main_->SourceView().CurrentLine(), line);
        QCOMPARE(main_->SourceView().History().Count(), 0);  // a move within the structure
        const TreeNode* symbol = FindNode(main_->Analysed().XRef, "lp_b");
        Select(XRefOutlineOf(main_.get()), symbol->Children.back());
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 4);
        main_->SourceView().ActionHistoryBackExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        QCOMPARE(main_->SourceView().CurrentLine(), line);
        // The row is visible in the grid.
        const int top = main_->SourceView().Grid()->TopRow();
        QVERIFY(main_->SourceView().Grid()->Row() >= top && main_->SourceView().Grid()->Row() < top + main_->SourceView().Grid()->FullyVisibleRows());
    }

    void AnEntryShowsTheCommentsAboveItsHeader() {
        const TreeNode* lpA = FindNode(main_->Analysed().Structure, "entry LP_A");
        Select(StrukturOutlineOf(main_.get()), lpA);
        QCOMPARE(main_->SourceView().Position().LeadInRows, 1);
        QCOMPARE(main_->SourceView().Position().TopLine, lpA->Record.Line - 1);
        QCOMPARE(main_->SourceView().Grid()->Row(), 1);
        QCOMPARE(Control<TChildForm>(main_.get(), "SourceWin")->windowTitle(), QStringLiteral("entry LP_A"));
        QVERIFY(Control<QLabel>(main_.get(), "LabelEntryName")->isVisibleTo(Control<TChildForm>(main_.get(), "SourceWin")));
        QCOMPARE(Control<QLabel>(main_.get(), "LabelTriggerName")->text(), QStringLiteral("<EXEC>"));
    }
};

RegisterTest<NavigationTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "NavigationTest.moc"
