// Moving the source view: positions, previous and next structure, the jump
// history, and the current structure's locals in the XRef window.
#include <QScrollBar>

#include "analyzer/LineModel.h"
#include "analyzer/SymbolLookup.h"
#include "analyzer/Vocabulary.h"
#include "app/SourceView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

void TSourceView::GotoPosition(int32_t structure, int32_t line, bool addToHistory) {
    if (!HasListing() || (structure == -1 && line == -1)) return;
    const StructureStartList& starts = analysis_.StructureStarts;
    const auto count = static_cast<int32_t>(starts.size());
    if (line == -1) {
        if (structure == CurrentStructure) return;
        if (structure < 0 || structure >= count) return;
        line = starts[static_cast<size_t>(structure)];
    } else if (structure == -1) {
        structure = StructureOfLine(starts, line);
        if (structure < 0) return;
    }
    if (structure < 0 || structure >= count) return;

    // Nothing is shown yet right after a load: there is no place to go back to.
    if (addToHistory && CurrentStructure >= 0 && structure > 0 && structure != CurrentStructure) {
        JumpHistory.AddPosition(CurrentStructure, CurrentLine());
        host_.Trace(9, QStringLiteral("History add %1/%2 (%3)")
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
    SourceGrid->SetRow(line - starts[static_cast<size_t>(structure)] + LeadInRows);
}

void TSourceView::GotoReference(const NodeRecord& record, bool addToHistory) {
    GotoPosition(record.StructureIndex, record.Line, addToHistory);
}

bool TSourceView::GotoStructureRow(const std::string& name, int row) {
    if (!HasListing()) return false;
    for (int32_t s = 0; s < static_cast<int32_t>(analysis_.Structures.size()); ++s) {
        if (StructureNameAt(analysis_.Structures, s) == name) {
            GotoPosition(s, -1, true);
            SourceGrid->SetRow(row);
            return true;
        }
    }
    return false;
}

std::string TSourceView::CurrentStructureName() const {
    return StructureNameAt(analysis_.Structures, CurrentStructure);
}

void TSourceView::RestoreTopRow(int topRow) {
    const int row = SourceGrid->Row();
    SourceGrid->verticalScrollBar()->setValue(topRow);
    SourceGrid->SetRow(row);
}

void TSourceView::ActionPrevExecute() {
    if (CurrentStructure < 1) return;
    GotoPosition(CurrentStructure - 1, -1, true);
    if (!SourceWin->isMinimized()) SourceGrid->setFocus();
}

void TSourceView::ActionNextExecute() {
    if (CurrentStructure >= static_cast<int32_t>(analysis_.StructureStarts.size()) - 1) return;
    GotoPosition(CurrentStructure + 1, -1, true);
    if (!SourceWin->isMinimized()) SourceGrid->setFocus();
}

void TSourceView::ActionHistoryBackExecute() {
    int32_t structure = -1;
    int32_t line = -1;
    if (JumpHistory.PopPosition(structure, line)) {
        host_.Trace(9, QStringLiteral("History back %1/%2 (%3)").arg(structure).arg(line).arg(JumpHistory.Count()));
        if (structure >= 0) {
            GotoPosition(structure, line, false);
            if (!SourceWin->isMinimized()) SourceGrid->setFocus();
        }
    }
    ActionHistoryBack->setEnabled(JumpHistory.Count() >= 1);
}

void TSourceView::MenuItemShowLocalClick(bool locals) {
    if (!HasListing()) return;
    if (const TreeNode* node = FindLocalsGroup(analysis_, locals ? CatLocalVar : CatParameter, CurrentStructure))
        host_.RevealInXRef(node);
}

}  // namespace lumorca::gui
