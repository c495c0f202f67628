
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
        const TreeNode* lpB = FindNode(main_->Analysed().Structure, "Entry LP_B");
        main_->SourceView().Grid()->SetRow(3);
        Select(StrukturOutlineOf(main_.get()), lpB);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        QCOMPARE(main_->SourceView().CurrentLine(), lpB->Record.Line);
        QCOMPARE(main_->SourceView().History().Slot(0), std::string("1/3"));
        QCOMPARE(Control<TChildForm>(main_.get(), "SourceWin")->windowTitle(), QStringLiteral("entry LP_B"));
        QCOMPARE(Control<QLabel>(main_.get(), "LabelTriggerName")->text(), QStringLiteral("<EXEC>"));
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

    // Only reference leaves of the XRef tree move the view; Back returns to
    // the line the jump left.
    void AReferenceLeafJumpsAndBackReturnsToTheLineItLeft() {
        const TreeNode* symbol = FindNode(main_->Analysed().XRef, "lp_b");
        QVERIFY(symbol && !symbol->Children.empty());
        Select(XRefOutlineOf(main_.get()), symbol);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        QCOMPARE(main_->SourceView().History().Count(), 0);

        const int line = 200;
        main_->SourceView().GotoPosition(-1, line, true);
        QCOMPARE(main_->SourceView().History().Count(), 0);  // a move within the structure
        const TreeNode* lastCall = symbol->Children.back();
        Select(XRefOutlineOf(main_.get()), lastCall);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 4);
        QCOMPARE(main_->SourceView().CurrentLine(), lastCall->Record.Line);
        QCOMPARE(main_->SourceView().Grid()->TopLine(), main_->Analysed().StructureStarts[4]);
        main_->SourceView().ActionHistoryBackExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        QCOMPARE(main_->SourceView().CurrentLine(), line);
        const TSourceGrid* grid = main_->SourceView().Grid();
        QVERIFY(grid->Row() >= grid->TopRow() && grid->Row() < grid->TopRow() + grid->FullyVisibleRows());
    }

    // Previous and Next stop at the ends; a jump into the prelude is not
    // recorded and Back returns to the earlier place.
    void PreviousNextAndBackOverThePrelude() {
        main_->SourceView().ActionNextExecute();  // 1 -> 2, records 1
        main_->SourceView().ActionPrevExecute();  // 2 -> 1, records 2
        for (int i = 0; i < 3; ++i) main_->SourceView().ActionPrevExecute();  // 1 -> 0, records nothing
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 0);
        QCOMPARE(main_->SourceView().History().Count(), 2);
        // The prelude of this listing (its first title on line 0) is empty.
        QCOMPARE(main_->SourceView().Grid()->RowCount(), 0);
        QCOMPARE(Control<QLabel>(main_.get(), "LabelTriggerName")->text(), QStringLiteral("top"));
        main_->SourceView().ActionHistoryBackExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 2);
        main_->SourceView().ActionHistoryBackExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        QVERIFY(!Control<QAction>(main_.get(), "ActionHistoryBack")->isEnabled());
        main_->SourceView().ActionHistoryBackExecute();  // empty history: nothing
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 1);
        for (int i = 0; i < 6; ++i) main_->SourceView().ActionNextExecute();
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 4);
    }
};

RegisterTest<NavigationTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "NavigationTest.moc"
