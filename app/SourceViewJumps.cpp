// Following the source: double-click and Enter on a line, the look-up of
// the word under the pointer and the definitions of entries and operations.
#include <QApplication>
#include <QCursor>

#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/XRefTree.h"
#include "app/Latin1.h"
#include "app/MessageService.h"
#include "app/SourcePopup.h"
#include "app/SourceView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

void TSourceView::SourceGridDblClick() {
    SourceGridDblClickAt(SourceGrid->viewport()->mapFromGlobal(QCursor::pos()));
}

void TSourceView::SourceGridDblClickAt(const QPoint& pointer) {
    host_.Trace(7, QStringLiteral("DblClick"));
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    if (LastMouseShift & (Qt::ShiftModifier | Qt::AltModifier)) {
        DoubleClickToken(pointer);
        return;
    }
    const std::string text =
        GetSourceLineText(lines_, CurrentLine(), false, false, false, SourceIndent());
    std::string arg;
    if (StatementArgument(text, "CALL", arg)) {
        GotoDefinition(LowerCase(arg), 2);
        return;
    }
    if (StatementArgument(text, "ACTIVATE", arg) && arg.find('.') != std::string::npos) {
        const size_t dot = arg.find('.');
        const std::string target = UpperCase(arg.substr(0, dot));
        const std::string own = "\"" + UpperCase(host_.OwnComponent().toLatin1().toStdString()) + "\"";
        if (target != "$INSTANCENAME" && target != own) {
            // Another component's operation: look up the word instead.
            DoubleClickToken(pointer);
            return;
        }
        std::string operation = arg.substr(dot + 1);
        operation = operation.substr(0, operation.find('('));
        GotoDefinition(LowerCase(operation), 3);
        return;
    }
    const int gotoKind = ControlWordGotoKind(NthWord(text, 1));
    if (gotoKind >= 0) {
        Popup_->MenuItemGotoClick(gotoKind);
        return;
    }
    DoubleClickToken(pointer);
}

void TSourceView::DoubleClickToken(const QPoint& point) {
    if (!HasListing()) return;
    const int sourceLeft = SourceGrid->ColWidth(0) + SourceGrid->ColWidth(1);
    const int row = SourceGrid->TopRow() + point.y() / qMax(1, SourceGrid->RowHeight());
    const bool inSource = point.x() >= sourceLeft && point.x() < sourceLeft + SourceGrid->ColWidth(2) &&
                          point.y() >= 0 && point.y() < SourceGrid->viewport()->height();
    host_.Trace(8, QStringLiteral("DoubleClick at %1,%2 row %3").arg(point.x()).arg(point.y()).arg(row));
    if (!inSource || row < 0 || row >= SourceGrid->RowCount()) return;

    const int32_t line = TopLine + row;
    const bool lowercase = host_.Options().Lowercase;
    const std::string text = GetSourceLineText(lines_, line, false, false, lowercase,
                                               SourceIndent());
    const TextWidthFunction width = [this](std::string_view t) {
        return SourceGrid->TextWidth(std::string(t));
    };
    const int k = CharIndexAtX(text, Selection_->SourceTextX(point.x()), width);
    if (k > static_cast<int>(text.size())) return;

    const std::string upper = UpperCase(text);
    const std::vector<std::string> tokens = DisplayTokens(upper, line);
    TokenUnderPosition hit;
    if (!FindTokenAt(upper, tokens, k, hit)) return;
    host_.Trace(8, QStringLiteral("Token %1 at %2").arg(Latin1(hit.Token)).arg(hit.Position));

    if (LastMouseShift & Qt::AltModifier) {
        // Alt: mark exactly this word and copy it.
        const std::string_view shown(text);
        Selection_->MarkAndCopy(line, width(shown.substr(0, static_cast<size_t>(hit.Position) - 1)),
                                width(shown.substr(0, static_cast<size_t>(hit.Position) - 1 + hit.Token.size())));
        return;
    }

    std::string token = hit.Token;
    int offset = hit.Offset;
    if (TrimSubstitution(token, offset))
        host_.Trace(8, QStringLiteral("Substitution %1").arg(Latin1(token)));

    TokenLookupContext context;
    context.Language = host_.Options().Language;
    context.FirstToken = tokens.empty() ? std::string() : tokens.front();
    if (CurrentStructure >= 0 && static_cast<size_t>(CurrentStructure) < analysis_.Structures.size()) {
        const StructureRecord& structure = analysis_.Structures[static_cast<size_t>(CurrentStructure)];
        context.StructureName = structure.Name;
        context.StructureKind = structure.Kind;
    }
    context.SortLocals = host_.Options().SortLocals;
    for (const EntityMenuItem& item : analysis_.EntityMenu) context.EntityCaptions.push_back(item.Caption);
    const TokenLookupPlan plan = PlanTokenLookup(token, offset, context);
    for (const auto& path : plan.Paths) {
        if (host_.LookupXRef(path, true) != nullptr) return;
    }
    if (plan.BeepWhenNoneFound) host_.NotFoundBeep();
}

void TSourceView::GotoDefinition(const std::string& name, int kind) {
    const TreeNode* symbol = host_.LookupXRef({StructureKindCaption(kind, host_.Options().Language), name}, false);
    if (symbol == nullptr) return;
    const int definition = kind == 2 ? RefEntryDef : RefOperationDef;
    for (const TreeNode* reference : symbol->Children) {
        if (reference->HasRecord && reference->Record.Kind == definition) {
            GotoReference(reference->Record, true);
            return;
        }
    }
    host_.MessageBoxes().Information(owner_, QString(), host_.Txt(kind == 2 ? TextEntryNotFound : TextOperationNotFound));
}

}  // namespace lumorca::gui
