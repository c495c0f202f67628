// Moving the source view: positions, the trees' selections, previous and
// next structure, the jump history, and the current structure's locals in
// the XRef window.
#include <QAction>
#include <QFocusEvent>
#include <QMdiArea>
#include <QTreeView>

#include "app/Main.h"
#include "app/SourceGrid.h"
#include "analyzer/LineModel.h"
#include "analyzer/XRefTree.h"
#include "app/StructureWindow.h"
#include "app/XRefWindow.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

void TMain::GotoPosition(int32_t structure, int32_t line, bool addToHistory) {
    if (!HasListing() || (structure == -1 && line == -1)) return;
    const auto count = static_cast<int32_t>(StructureStarts.size());
    if (line == -1) {
        if (structure == CurrentStructure) return;
        if (structure < 0 || structure >= count) return;
        line = StructureStarts[static_cast<size_t>(structure)];
    } else if (structure == -1) {
        structure = StructureOfLine(StructureStarts, line);
        if (structure < 0) return;
    }
    if (structure < 0 || structure >= count) return;

    // Nothing is shown yet right after a load: there is no place to go back to.
    if (addToHistory && CurrentStructure >= 0 && structure > 0 && structure != CurrentStructure) {
        JumpHistory.AddPosition(CurrentStructure, CurrentLine());
        Trace(9, QStringLiteral("History add %1/%2 (%3)")
                     .arg(CurrentStructure)
                     .arg(CurrentLine())
                     .arg(JumpHistory.Count()));
        ActionHistoryBack->setEnabled(JumpHistory.Count() >= 1);
    }
    if (structure != CurrentStructure) {
        SourceGrid->SetRow(0);
        CurrentStructure = structure;
        ShowStructure();
    }
    SourceGrid->SetRow(line - StructureStarts[static_cast<size_t>(structure)] + LeadInRows);
}

void TMain::GotoReference(const NodeRecord& record, bool addToHistory) {
    GotoPosition(record.StructureIndex, record.Line, addToHistory);
}

void TMain::StrukturOutlineChange(TreeNode* node) {
    if (Closing || Loading || node == nullptr || !node->HasRecord) return;
    GotoReference(node->Record, true);
}

void TMain::XRefOutlineChange(TreeNode* node) {
    if (Closing || Loading || node == nullptr || Analysis.XRef.Empty()) return;
    if (node->Level() < 2 || !node->Children.empty() || !node->HasRecord) return;
    GotoReference(node->Record, true);
}

void TMain::StrukturOutlineEnter() {
    if (!Loading) StrukturOutlineChange(StructurePart->CurrentNode());
}

void TMain::XRefOutlineEnter() {
    if (!Loading) XRefOutlineChange(XRefPart->CurrentNode());
}

void TMain::OnSourceGridRowChanged(int) {}

void TMain::ActionPrevExecute() {
    if (CurrentStructure < 1) return;
    GotoPosition(CurrentStructure - 1, -1, true);
    if (!SourceWin->isMinimized()) SourceGrid->setFocus();
}

void TMain::ActionNextExecute() {
    if (CurrentStructure >= static_cast<int32_t>(StructureStarts.size()) - 1) return;
    GotoPosition(CurrentStructure + 1, -1, true);
    if (!SourceWin->isMinimized()) SourceGrid->setFocus();
}

void TMain::ActionHistoryBackExecute() {
    int32_t structure = -1;
    int32_t line = -1;
    if (JumpHistory.PopPosition(structure, line)) {
        Trace(9, QStringLiteral("History back %1/%2 (%3)").arg(structure).arg(line).arg(JumpHistory.Count()));
        if (structure >= 0) {
            GotoPosition(structure, line, false);
            if (!SourceWin->isMinimized()) SourceGrid->setFocus();
        }
    }
    ActionHistoryBack->setEnabled(JumpHistory.Count() >= 1);
}

void TMain::MenuItemShowLocalClick(bool locals) {
    if (!HasListing()) return;
    const auto [caption, kind] = StructureName(ListingLines_, StructureStarts, CurrentStructure);
    const std::string group = Txt(locals ? TextCatLocalVars : TextCatParameters).toLatin1().toStdString();
    std::vector<std::string> path;
    if (Options().SortLocals && kind != 1) {
        path = {StructureKindCaption(kind, Options().Language), NthWord(caption, 2), group};
    } else {
        path = {group, caption};
    }
    TreeNode* node = FindXRefNode(Analysis.XRef, path);
    if (node == nullptr) return;
    ReflectWindowState(XRefWin, XRefWin->CurrentState() == 1 ? 0 : XRefWin->CurrentState());
    MdiArea->setActiveSubWindow(XRefWin);
    XRefPart->Reveal(node, TXRefWindow::TOpen::Node);
    XRefPart->Outline()->setFocus();
}

}  // namespace lumorca::gui
