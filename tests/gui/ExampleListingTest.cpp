#include <QAction>
#include <QComboBox>
#include <QMdiArea>
#include <QRadioButton>
#include <QAbstractItemModelTester>
#include <QTest>
#include <QTreeView>

#include "GuiTestSupport.h"
#include "WindowControls.h"
#include "TestRegistry.h"
#include "analyzer/LineModel.h"
#include "app/TreeModel.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

namespace {

// The example listing through the real analysis.
class ExampleListingTest : public QObject {
    Q_OBJECT

    TSandbox sandbox_;
    TScriptedMessages messages_;
    std::unique_ptr<TMain> main_;

    int32_t StructureNamed(const std::string& name) {
        for (int32_t s = 0; s < static_cast<int32_t>(main_->StructureStarts.size()); ++s) {
            if (StructureName(main_->ListingLines_, main_->StructureStarts, s).Name == name) return s;
        }
        return -1;
    }

private slots:
    void init() {
        main_ = StartMain(sandbox_, messages_);
        main_->Analyzer = [](ListingLines& lines, const AnalysisSettings& settings,
                             AnalysisObserver* observer, TraceSink* trace) {
            return AnalyzeListing(lines, settings, observer, trace);
        };
        main_->LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(messages_.Boxes.empty());
    }
    void cleanup() { main_.reset(); }

    void ShowLocalAndShowParamsSelectTheGroupsOfTheShownEntry() {
        const int32_t entry = StructureNamed("entry LP_CHECK_CUSTOMER");
        QVERIFY(entry > 0);
        main_->GotoPosition(entry, -1, true);
        main_->MenuItemShowLocalClick(true);
        const TreeNode* locals = CurrentNodeOf(XRefOutlineOf(main_.get()));
        QVERIFY(locals);
        QCOMPARE(locals->Caption, std::string("Local variables"));
        QCOMPARE(locals->Parent->Caption, std::string("lp_check_customer"));
        QVERIFY(XRefOutlineOf(main_.get())->isExpanded(ModelOf(XRefOutlineOf(main_.get()))->IndexOf(locals)));
        QCOMPARE(main_->MdiArea->activeSubWindow(), main_->XRefWin);
        // Selecting a group moves nothing.
        QCOMPARE(main_->CurrentStructure, entry);

        main_->MenuItemShowLocalClick(false);
        const TreeNode* params = CurrentNodeOf(XRefOutlineOf(main_.get()));
        QCOMPARE(params->Caption, std::string("Parameters"));
        QCOMPARE(params->Parent, locals->Parent);
    }

    void TheCallWindowFollowsSelectorAndDirection() {
        main_->toggleWin(main_->CallWin, true);
        auto* calls = Control<QTreeView>(main_.get(), "CallOutline");
        Control<QComboBox>(main_.get(), "ComboBoxEntryList")->setCurrentText(QStringLiteral("LP_CALC_TOTAL"));
        const TreeNode* root = RootOf(calls);
        QVERIFY(root);
        QCOMPARE(root->Caption, std::string("entry LP_CALC_TOTAL"));
        QVERIFY(!root->Children.empty());
        QVERIFY(IsExpanded(calls, root));
        const std::string firstCaller = root->Children.front()->Caption;

        Control<QRadioButton>(main_.get(), "RadioButtonCalling")->click();
        const TreeNode* callingRoot = RootOf(calls);
        QCOMPARE(callingRoot->Caption, std::string("entry LP_CALC_TOTAL"));
        for (const TreeNode* child : callingRoot->Children)
            QVERIFY2(child->Caption.rfind("entry ", 0) == 0, child->Caption.c_str());
        QVERIFY(callingRoot->Children.empty() || callingRoot->Children.front()->Caption != firstCaller);

        // Every call node leads to its line.
        Control<QRadioButton>(main_.get(), "RadioButtonCalledFrom")->click();
        const TreeNode* caller = RootOf(calls)->Children.front();
        Select(calls, caller);
        QCOMPARE(main_->CurrentLine(), caller->Record.Line);
    }

    void ExpandAndCollapseTheWholeCallTree() {
        main_->toggleWin(main_->CallWin, true);
        main_->Options().ExpandCallTree = false;
        auto* calls = Control<QTreeView>(main_.get(), "CallOutline");
        QAbstractItemModelTester tester(calls->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Control<QComboBox>(main_.get(), "ComboBoxEntryList")->setCurrentText(QStringLiteral("LP_FORMAT_AMOUNT"));
        const TreeNode* root = RootOf(calls);
        QVERIFY(root && !root->Children.empty());
        Control<QAction>(main_.get(), "MenuItemExpandCalltree")->trigger();
        root = RootOf(calls);
        for (const TreeNode* child : root->Children) {
            if (!child->Children.empty()) QVERIFY(IsExpanded(calls, child));
        }
        Control<QAction>(main_.get(), "MenuItemCollapseCalltree")->trigger();
        QVERIFY(IsExpanded(calls, root));
        for (const TreeNode* child : root->Children) QVERIFY(!IsExpanded(calls, child));
    }
};

lumorca::gui::test::RegisterTest<ExampleListingTest> registered;

}  // namespace

#include "ExampleListingTest.moc"
