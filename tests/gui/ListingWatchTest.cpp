#include <QDir>
#include <QSignalSpy>
#include <filesystem>

#include "StartedWindow.h"
#include "app/ListingBar.h"
#include "app/ListingWatcher.h"

namespace lumorca::gui::test {

namespace {

// Long enough for the quiet time and the file system's notice.
constexpr int Patience = 5000;
using TKind = TListingBar::TKind;

// The listing with one line more in its first trigger, above everything
// that follows.
std::vector<std::string> GrownListing() {
    std::vector<std::string> lines = SmallListing();
    lines.insert(lines.begin() + 3, "     3        ; one line more");
    return lines;
}

class ListingWatchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TStarted> started_;
    TMain* main_ = nullptr;
    QString file_;

    TListingBar* Bar() const { return main_->findChild<TListingBar*>(); }

    // Structure `structure`, row `row` of the shown listing.
    void GoTo(int32_t structure, int row) {
        main_->SourceView().GotoPosition(structure, -1, true);
        main_->SourceView().Grid()->SetRow(row);
    }

    // Writes the file again, as a compiler that renames its output over it.
    void RenameOver(const std::vector<std::string>& lines) {
        const QString temporary = started_->Sandbox.Write(QStringLiteral("orders.tmp"), lines);
        std::filesystem::rename(QFile::encodeName(temporary).toStdString(),
                                QFile::encodeName(file_).toStdString());
    }

private slots:
    void init() {
        started_ = std::make_unique<TStarted>();
        main_ = started_->Window();
        file_ = started_->Sandbox.Write(QStringLiteral("orders.pro"), SmallListing());
        main_->LoadFile(file_);
        QVERIFY(main_->findChild<TListingWatcher*>()->IsWatching());
    }
    void cleanup() { started_.reset(); }

    void AChangedFileShowsTheBarAndReloadKeepsThePlace() {
        // A bookmark in LP_B, its symbol selected in the XRef tree, LP_B in
        // the call window, and the view on LP_A at row 2.
        GoTo(3, 1);
        main_->SourceView().setBookMarkClick(0);
        int32_t structure = -1;
        int32_t bookmarkLine = -1;
        QVERIFY(main_->SourceView().BookmarkPositions().GetPosition(0, structure, bookmarkLine));
        Select(XRefOutlineOf(main_), FindNode(main_->Analysed().XRef, "lp_b")->Children.back());
        auto* entries = Control<QComboBox>(main_, "ComboBoxEntryList");
        entries->setCurrentIndex(entries->findText(QStringLiteral("LP_B")));
        GoTo(2, 2);
        const size_t linesBefore = main_->Listing().size();

        RenameOver(GrownListing());
        QTRY_VERIFY_WITH_TIMEOUT(Bar()->IsShown(), Patience);
        QCOMPARE(Bar()->Kind(), TKind::Changed);
        QCOMPARE(Bar()->Message(), QStringLiteral("The listing %1 has changed on disk.").arg(file_));
        // The strip names the file; a directory would push the text out of a narrow window.
        QCOMPARE(Bar()->findChild<QLabel*>(QStringLiteral("ListingBarMessage"))->text(),
                 QStringLiteral("The listing orders.pro has changed on disk."));
        QVERIFY(Bar()->isVisible() && Bar()->ReloadButton()->isVisible());
        // Its own strip above the grid, and nothing reloaded yet.
        QVERIFY(Bar()->geometry().bottom() < main_->SourceView().Grid()->geometry().top());
        QCOMPARE(main_->Listing().size(), linesBefore);

        QTest::mouseClick(Bar()->ReloadButton(), Qt::LeftButton);
        QVERIFY(started_->Messages.Boxes.empty());  // no "Reopen file" question
        QCOMPARE(main_->Listing().size(), linesBefore + 1);
        QVERIFY(!Bar()->isVisible());
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 2);
        QCOMPARE(main_->SourceView().Grid()->Row(), 2);
        int32_t line = -1;
        QVERIFY(main_->SourceView().BookmarkPositions().GetPosition(0, structure, line));
        QCOMPARE(structure, 3);
        QCOMPARE(line, bookmarkLine + 1);
        QVERIFY(CurrentNodeOf(XRefOutlineOf(main_)) != nullptr);
        QCOMPARE(CurrentNodeOf(XRefOutlineOf(main_))->Caption, std::string("lp_b"));
        QCOMPARE(entries->currentText(), QStringLiteral("LP_B"));
        QVERIFY(RootOf(Control<QTreeView>(main_, "CallOutline")) != nullptr);

        // A file renamed over the listing stays watched; closed by hand, the
        // bar stays away until the next change.
        RenameOver(SmallListing());
        QTRY_VERIFY_WITH_TIMEOUT(Bar()->IsShown(), Patience);
        QTest::mouseClick(Bar()->CloseButton(), Qt::LeftButton);
        QVERIFY(!Bar()->IsShown());
        QCOMPARE(main_->Listing().size(), linesBefore + 1);
    }

    // A selected parameter stays selected when an entry added above moves
    // its own entry to another structure.
    void ReloadKeepsAParameterWhoseEntryMoved() {
        const std::string rule(78, '=');
        std::vector<std::string> lines = {"Trigger <EXEC> from Form: ORDERS", rule, Numbered(1, ' ', "call LP_P(1)"), "",
                                          "Trigger <LPMX> from Form: ORDERS", rule, "******        entry LP_P",
                                          Numbered(2, ' ', "params"), Numbered(3, '1', "numeric P_X : IN"),
                                          Numbered(4, ' ', "endparams"), Numbered(5, ' ', "$1 = P_X")};
        RenameOver(lines);
        QTRY_VERIFY_WITH_TIMEOUT(Bar()->IsShown(), Patience);
        QTest::mouseClick(Bar()->ReloadButton(), Qt::LeftButton);
        Select(XRefOutlineOf(main_), FindNode(main_->Analysed().XRef, "p_x"));

        lines.insert(lines.begin() + 6, {"******        entry LP_NEW", Numbered(1, ' ', "return (0)")});
        RenameOver(lines);
        QTRY_VERIFY_WITH_TIMEOUT(Bar()->IsShown(), Patience);
        QTest::mouseClick(Bar()->ReloadButton(), Qt::LeftButton);
        QCOMPARE(main_->Listing().size(), lines.size());
        const TreeNode* selected = CurrentNodeOf(XRefOutlineOf(main_));
        QVERIFY(selected != nullptr);
        QCOMPARE(selected->Caption, std::string("p_x"));
    }

    // With the option on, a half-written file is no listing yet; the
    // complete one, written in steps, is reloaded once it is quiet, in place.
    void WithTheOptionOnACompleteListingReloadsByItself() {
        main_->Options().AutoReload = true;
        GoTo(3, 1);
        const auto lines = main_->Listing();
        const std::vector<std::string> whole = GrownListing();
        started_->Sandbox.Write(QStringLiteral("orders.pro"), {whole.begin(), whole.begin() + 3});
        QTRY_VERIFY_WITH_TIMEOUT(Bar()->IsShown(), Patience);
        QCOMPARE(Bar()->Kind(), TKind::NotListing);
        QCOMPARE(Bar()->Message(), QStringLiteral("Code is not an Corvane listing"));
        QVERIFY(!Bar()->ReloadButton()->isVisible());
        QCOMPARE(main_->Listing(), lines);

        QSignalSpy changes(main_->findChild<TListingWatcher*>(), &TListingWatcher::Changed);
        for (int step = 0; step < 3; ++step) {
            started_->Sandbox.Write(QStringLiteral("orders.pro"), whole);
            QTest::qWait(100);
        }
        QTRY_COMPARE_WITH_TIMEOUT(main_->Listing().size(), whole.size(), Patience);
        QTest::qWait(TListingWatcher::DefaultQuietMs + 200);
        QCOMPARE(changes.count(), 1);
        QVERIFY(!Bar()->IsShown());
        QVERIFY(started_->Messages.Boxes.empty());
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 3);
        QCOMPARE(main_->SourceView().Grid()->Row(), 1);
    }

    // A deleted listing keeps the analysis; what then stands at the path is
    // tried again for a while; a pasted listing is not watched.
    void ADeletedListingKeepsTheAnalysisAndTheBarSpeaksTheLanguage() {
        main_->findChild<TListingWatcher*>()->SetQuietTime(50);
        GoTo(2, 1);
        const auto lines = main_->Listing();
        QVERIFY(QFile::remove(file_));
        QTRY_COMPARE_WITH_TIMEOUT(Bar()->Kind(), TKind::Removed, Patience);
        QCOMPARE(Bar()->Message(), QStringLiteral("The listing %1 was deleted or renamed.").arg(file_));
        QVERIFY(!Bar()->ReloadButton()->isVisible());
        QCOMPARE(main_->Listing(), lines);
        QCOMPARE(main_->ShownFile(), file_);
        QCOMPARE(main_->SourceView().Position().CurrentStructure, 2);
        main_->Options().Language = 0;
        main_->ApplyOptions();
        QCOMPARE(Bar()->Message(),
                 QStringLiteral("Das Listing %1 wurde gel\u00f6scht oder umbenannt.").arg(file_));
        main_->Options().Language = 1;
        main_->ApplyOptions();

        // Something stands at the path that cannot be read as a file.
        QVERIFY(QDir().mkdir(file_));
        QTRY_COMPARE_WITH_TIMEOUT(Bar()->Kind(), TKind::Unreadable, Patience);
        QCOMPARE(Bar()->Message(), QStringLiteral("Coudn't read file %1").arg(file_));
        QVERIFY(QDir().rmdir(file_));
        started_->Sandbox.Write(QStringLiteral("orders.pro"), GrownListing());
        QTRY_COMPARE_WITH_TIMEOUT(Bar()->Kind(), TKind::Changed, Patience);
        QVERIFY(Bar()->ReloadButton()->isVisible());
        QVERIFY(started_->Messages.Boxes.empty());

        main_->SetServices({.ClipboardText = [] { return Joined(SmallListing()); }});
        main_->ActionPasteExecute();
        QCOMPARE(main_->ShownFile(), QStringLiteral("(Paste)"));
        QVERIFY(!main_->findChild<TListingWatcher*>()->IsWatching());
        QVERIFY(!Bar()->IsShown());
    }
};

RegisterTest<ListingWatchTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "ListingWatchTest.moc"
