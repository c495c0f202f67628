// Following the source: double-click and Enter on a line, the look-up of
// the word under the pointer, control-structure jumps, call sites and the
// preparation of the source pop-up menu.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>

#include "analyzer/LineModel.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/XRefTree.h"
#include "app/MessageService.h"
#include "app/SourceView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

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
        MenuItemGoto->menuAction()->setData(gotoKind);
        MenuItemGotoClick(gotoKind);
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
    const int k = CharIndexAtX(text, SourceTextX(point.x()), width);
    if (k > static_cast<int>(text.size())) return;

    const std::string upper = UpperCase(text);
    const std::vector<std::string> tokens = DisplayTokens(upper, line);
    TokenUnderPosition hit;
    if (!FindTokenAt(upper, tokens, k, hit)) return;
    host_.Trace(8, QStringLiteral("Token %1 at %2").arg(Latin1(hit.Token)).arg(hit.Position));

    if (LastMouseShift & Qt::AltModifier) {
        // Alt: mark exactly this word and copy it.
        const std::string_view shown(text);
        Selection->ClearMark();
        Selection->ExtendMark(line, width(shown.substr(0, static_cast<size_t>(hit.Position) - 1)));
        Selection->ExtendMark(
            line, width(shown.substr(0, static_cast<size_t>(hit.Position) - 1 + hit.Token.size())));
        Selection->FinishMark();
        SourceGrid->viewport()->update();
        ActionCopyExecute();
        return;
    }

    std::string token = hit.Token;
    int offset = hit.Offset;
    if (TrimSubstitution(token, offset))
        host_.Trace(8, QStringLiteral("Substitution %1").arg(Latin1(token)));

    TokenLookupContext context;
    context.Language = host_.Options().Language;
    context.FirstToken = tokens.empty() ? std::string() : tokens.front();
    const StructureNameResult structure = StructureName(lines_, analysis_.StructureStarts, CurrentStructure);
    context.StructureName = structure.Name;
    context.StructureKind = structure.Kind;
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

void TSourceView::MenuItemGotoClick(int gotoKind) {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    if (GotoKindOf(gotoKind) == nullptr) return;
    const int32_t target =
        FindControlPartner(lines_, CurrentLine(), gotoKind, TopLine, EndLine, SourceIndent());
    if (target >= 0) {
        GotoPosition(CurrentStructure, target, true);
    } else {
        host_.NotFoundBeep();
    }
}

void TSourceView::BuildCallSitesMenu(QMenu* item, const std::string& name, int refKind) {
    item->clear();
    if (!host_.CallSitesKnown()) return;
    const TreeNode* symbol = nullptr;
    for (const TreeNode* node = analysis_.XRef.FirstRoot(); node != nullptr;
         node = Tree::NextInOrder(node, analysis_.XRef)) {
        if (node->Caption == name) {
            symbol = node;
            break;
        }
    }
    if (symbol == nullptr) return;
    for (const TreeNode* child : symbol->Children) {
        if (!child->HasRecord || child->Record.Kind != refKind) continue;
        // Captions are shown as they are, without hot keys.
        QAction* site = item->addAction(Latin1(child->Caption).replace(QLatin1Char('&'),
                                                                        QStringLiteral("&&")));
        site->setData(child->Record.Line);
        connect(site, &QAction::triggered, this, [this, site] { MenuItemAufrufClick(site); });
    }
}

void TSourceView::MenuItemAufrufClick(QAction* item) {
    const int line = item->data().toInt();
    if (line >= 0) GotoPosition(-1, line, true);
}

void TSourceView::MenuItemGotoEntryClick() {
    // The caption is "Entry " and the called name.
    GotoDefinition(LowerCase(NthWord(MenuItemGotoEntry->text().toLatin1().toStdString(), 2)), 2);
}

void TSourceView::MenuItemZoomLineClick() {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    const int32_t line = CurrentLine();
    if (line < 0 || static_cast<size_t>(line) >= lines_.size()) return;
    host_.MessageBoxes().Information(owner_, QStringLiteral("Zoom SourceLine"),
                          Latin1(lines_[static_cast<size_t>(line)]));
}

void TSourceView::PopupmenuSourcePopup() {
    if (!HasListing() || SourceGrid->RowCount() == 0) {
        MenuItemGoto->setEnabled(false);
        MenuItemGotoEntry->setEnabled(false);
        PopupmenuSourceLine = -1;
        return;
    }
    const int32_t line = CurrentLine();
    if (line == PopupmenuSourceLine) return;
    PopupmenuSourceLine = line;
    MenuItemGoto->setEnabled(false);
    MenuItemGotoEntry->setEnabled(false);

    const int language = host_.Options().Language;
    const StructureNameResult s = StructureName(lines_, analysis_.StructureStarts, CurrentStructure);
    const std::string parameters = CategoryCaption(CatParameter, language);
    const std::string locals = CategoryCaption(CatLocalVar, language);
    if (!host_.Options().SortLocals || s.Kind == 1) {
        MenuItemShowParam->setEnabled(host_.LookupXRef({parameters, s.Name}, false) != nullptr);
        MenuItemShowLocal->setEnabled(host_.LookupXRef({locals, s.Name}, false) != nullptr);
    } else {
        const std::string kind = StructureKindCaption(s.Kind, language);
        const std::string name = NthWord(s.Name, 2);
        MenuItemShowParam->setEnabled(host_.LookupXRef({kind, name, parameters}, false) != nullptr);
        MenuItemShowLocal->setEnabled(host_.LookupXRef({kind, name, locals}, false) != nullptr);
    }

    const std::string text = GetSourceLineText(lines_, line, false, false, false, SourceIndent());
    std::string arg;
    const bool isCall = StatementArgument(text, "CALL", arg);
    MenuItemGotoEntry->setText(QStringLiteral("Entry ") + Latin1(arg));
    MenuItemGotoEntry->setEnabled(isCall);
    if (isCall) return;
    for (QAction* item : MenuItemGoto->actions()) item->setVisible(false);
    const std::vector<GotoMenuEntry> entries = GotoMenuEntries(NthWord(text, 1));
    for (const GotoMenuEntry& entry : entries) {
        QAction* item = GotoItems[static_cast<size_t>(entry.Item)];
        item->setData(entry.GotoKind);
        item->setVisible(true);
    }
    MenuItemGoto->setEnabled(!entries.empty());
}

}  // namespace lumorca::gui
