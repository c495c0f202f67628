#include <QAbstractItemModelTester>

#include "StartedWindow.h"
#include "analyzer/LineModel.h"

namespace lumorca::gui::test {

namespace {

// The example listing through the real analysis.
class ExampleListingTest : public QObject {
    Q_OBJECT

    TSandbox sandbox_;
    TScriptedMessages messages_;
    std::unique_ptr<TMain> main_;

    int32_t StructureNamed(const std::string& name) {
        for (int32_t s = 0; s < static_cast<int32_t>(main_->Analysed().Structures.size()); ++s) {
            if (StructureNameAt(main_->Analysed().Structures, s) == name) return s;
        }
        return -1;
    }

private slots:
    void init() {
        main_ = StartMain(sandbox_, messages_);
        main_->LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        QVERIFY(messages_.Boxes.empty());
    }
    void cleanup() { main_.reset(); }

    void ShowLocalAndShowParamsSelectTheGroupsOfTheShownEntry() {
        const int32_t entry = StructureNamed("entry LP_CHECK_CUSTOMER");
        QVERIFY(entry > 0);
        main_->SourceView().GotoPosition(entry, -1, true);
        Control<QAction>(main_.get(), "MenuItemShowLocal")->trigger();
        const TreeNode* locals = CurrentNodeOf(XRefOutlineOf(main_.get()));
        QVERIFY(locals);
        QCOMPARE(XRefOutlineOf(main_.get())->currentIndex().data().toString(), QStringLiteral("Local variables"));
        QCOMPARE(locals->Parent->Caption, std::string("lp_check_customer"));
        QVERIFY(IsExpanded(XRefOutlineOf(main_.get()), locals));
        QCOMPARE(Control<QMdiArea>(main_.get(), "MdiArea")->activeSubWindow(), Control<TChildForm>(main_.get(), "XRefWin"));
        // Selecting a group moves nothing.
        QCOMPARE(main_->SourceView().Position().CurrentStructure, entry);

        Control<QAction>(main_.get(), "MenuItemShowParam")->trigger();
        const TreeNode* params = CurrentNodeOf(XRefOutlineOf(main_.get()));
        QCOMPARE(XRefOutlineOf(main_.get())->currentIndex().data().toString(), QStringLiteral("Parameters"));
        QCOMPARE(params->Parent, locals->Parent);
    }

    // The call window follows selector and direction, leads to the lines of
    // the calls, and expands and collapses as a whole.
    void TheCallWindowFollowsSelectorAndDirection() {
        main_->toggleWin(Control<TChildForm>(main_.get(), "CallWin"), true);
        main_->Options().ExpandCallTree = false;
        QTreeView* calls = Control<QTreeView>(main_.get(), "CallOutline");
        QAbstractItemModelTester tester(calls->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Control<QComboBox>(main_.get(), "ComboBoxEntryList")->setCurrentText(QStringLiteral("LP_CALC_TOTAL"));
        QCOMPARE(RootOf(calls)->Caption, std::string("entry LP_CALC_TOTAL"));
        QVERIFY(IsExpanded(calls, RootOf(calls)));
        const TreeNode* caller = RootOf(calls)->Children.front();
        const std::string firstCaller = caller->Caption;
        Select(calls, caller);
        QCOMPARE(main_->SourceView().CurrentLine(), caller->Record.Line);

        Control<QRadioButton>(main_.get(), "RadioButtonCalling")->click();
        const TreeNode* root = RootOf(calls);
        QCOMPARE(root->Caption, std::string("entry LP_CALC_TOTAL"));
        QVERIFY(root->Children.empty() || root->Children.front()->Caption != firstCaller);
        // Expanded and collapsed as a whole: the operation has callers of its own.
        Control<QRadioButton>(main_.get(), "RadioButtonCalledFrom")->click();
        Control<QAction>(main_.get(), "MenuItemExpandCalltree")->trigger();
        QCOMPARE(RootOf(calls)->Children.back()->Caption, std::string("operation REFRESH_TOTALS"));
        QVERIFY(IsExpanded(calls, RootOf(calls)->Children.back()));
        Control<QAction>(main_.get(), "MenuItemCollapseCalltree")->trigger();
        QVERIFY(IsExpanded(calls, RootOf(calls)) && !IsExpanded(calls, RootOf(calls)->Children.back()));
    }

    // The categories, the XRef pop-up that lists them and the hints of
    // buttons without text follow a language switch; Find is no toggle.
    void CategoriesPopupAndHintsFollowTheLanguage() {
        auto categories = [this] {
            QStringList captions;
            for (const TreeNode* node : main_->Analysed().XRef.FirstRoot()->Children)
                captions << ModelOf(XRefOutlineOf(main_.get()))->IndexOf(node).data().toString();
            for (QAction* item : PopupmenuXRefOf(main_.get())->actions()) captions << QStringLiteral("menu ") + item->text();
            return captions;
        };
        const QList<QAction*> items = PopupmenuXRefOf(main_.get())->actions();
        QVERIFY(items.size() > 2 && items.front()->isCheckable() && !items.back()->isCheckable());
        QVERIFY(categories().contains(QStringLiteral("Local variables")));
        for (int language : {0, 1}) {
            main_->Options().Language = language;
            main_->ApplyOptions();
            const QString locals = language == 0 ? QStringLiteral("Lokale Variable") : QStringLiteral("Local variables");
            QCOMPARE(categories().count(locals), 1);
            QCOMPARE(categories().count(QStringLiteral("menu ") + locals), 1);
            for (QToolBar* bar : main_->findChildren<QToolBar*>()) {
                for (QAction* action : bar->actions()) {
                    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                    if (button != nullptr && !action->isSeparator() && button->isVisible())
                        QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->objectName()));
                }
            }
            // A category's item shows whether the category is open.
            QTreeView* view = XRefOutlineOf(main_.get());
            const QModelIndex second = view->model()->index(1, 0, view->model()->index(0, 0));
            QAction* item = PopupmenuXRefOf(main_.get())->actions().at(1);
            view->expand(second);
            QVERIFY(item->isChecked());
            view->collapse(second);
            QVERIFY(!item->isChecked());
            // And the item opens and closes its category.
            item->trigger();
            QVERIFY(view->isExpanded(second));
            item->trigger();
            QVERIFY(!view->isExpanded(second));
        }
    }
};

RegisterTest<ExampleListingTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "ExampleListingTest.moc"
