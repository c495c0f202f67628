#include "analyzer/XRefTree.h"

#include "analyzer/LineModel.h"
#include "analyzer/Tree.h"
#include "analyzer/TreeImages.h"
#include "analyzer/Vocabulary.h"
#include "texts/Texts.h"

namespace lumorca {

namespace {

constexpr int FindTextEntry = 10;

const std::string& CaptionOf(int category, int language) {
    return Text(CategoryTextEntry(category), language);
}

constexpr int LanguageCount = 2;

// The parameter and local-variable groups moved under their entries and
// operations carry a category caption of the language they were moved in.
void RecaptionMovedGroups(TreeNode* category, int language) {
    for (TreeNode* symbol : category->Children) {
        for (TreeNode* group : symbol->Children) {
            for (const int moved : {CatParameter, CatLocalVar}) {
                for (int old = 0; old < LanguageCount; ++old) {
                    if (group->Caption == CaptionOf(moved, old)) group->Caption = CaptionOf(moved, language);
                }
            }
        }
    }
}

void Collapse(TreeNode* node) {
    node->Expanded = false;
    for (TreeNode* child : node->Children) Collapse(child);
}

}  // namespace

std::string CategoryCaption(int category, int language) {
    if (CategoryTextEntry(category) < 0) return "(Under heavy construction)";
    return CaptionOf(category, language);
}

std::vector<std::string> ApplyXRefCaptions(Tree& xref, int language) {
    std::vector<std::string> items;
    TreeNode* root = xref.FirstRoot();
    if (root == nullptr) return items;
    for (TreeNode* node : root->Children) {
        const int category = node->Role == NodeRole::Category ? node->Record.Kind : 0;
        node->Caption = CategoryCaption(category, language);
        items.push_back(node->Caption);
        if (category == CatEntry || category == CatOperation) RecaptionMovedGroups(node, language);
    }
    items.emplace_back("-");
    items.push_back(Text(FindTextEntry, language));
    return items;
}

TreeNode* FindChildByCaption(const TreeNode* node, const std::string& upperCaption) {
    if (node == nullptr) return nullptr;
    for (TreeNode* child : node->Children) {
        if (UpperCase(child->Caption) == upperCaption) return child;
    }
    return nullptr;
}

TreeNode* FindXRefNode(const Tree& xref, const std::vector<std::string>& path) {
    TreeNode* node = xref.FirstRoot();
    for (const std::string& caption : path) {
        node = FindChildByCaption(node, UpperCase(caption));
        if (node == nullptr) return nullptr;
    }
    return node;
}

ChildIndex::ChildIndex(const TreeNode* node) {
    if (node == nullptr) return;
    for (TreeNode* child : node->Children) children_.emplace(UpperCase(child->Caption), child);
}

TreeNode* ChildIndex::Find(const std::string& caption) const {
    const auto it = children_.find(UpperCase(caption));
    return it == children_.end() ? nullptr : it->second;
}

std::string StructureKindCaption(int headerKind, int language) {
    if (headerKind == HeaderEntry) return CaptionOf(CatEntry, language);
    if (headerKind == HeaderOperation || headerKind == HeaderQualifiedOperation) {
        return CaptionOf(CatOperation, language);
    }
    return {};
}

void ArrangeLocals(Tree& xref, bool sortLocals, int language) {
    const std::string& entries = CaptionOf(CatEntry, language);
    const std::string& operations = CaptionOf(CatOperation, language);
    const std::string& parameters = CaptionOf(CatParameter, language);
    const std::string& locals = CaptionOf(CatLocalVar, language);
    if (sortLocals) {
        const ChildIndex entrySymbols(FindXRefNode(xref, {entries}));
        const ChildIndex operationSymbols(FindXRefNode(xref, {operations}));
        std::vector<Tree::Relocation> moves;
        std::vector<TreeNode*> owners;
        for (const std::string* groupCaption : {&parameters, &locals}) {
            TreeNode* category = FindXRefNode(xref, {*groupCaption});
            if (category == nullptr) continue;
            for (TreeNode* group : category->Children) {
                const int kind = StructureLineKind(group->Caption);
                TreeNode* symbol = nullptr;
                if (kind == HeaderEntry) {
                    symbol = entrySymbols.Find(group->Caption.substr(std::min<size_t>(6, group->Caption.size())));
                } else if (kind == HeaderOperation || kind == HeaderQualifiedOperation) {
                    symbol = operationSymbols.Find(group->Caption.substr(std::min<size_t>(10, group->Caption.size())));
                }
                if (symbol == nullptr) continue;
                moves.push_back({group, symbol, true});
                owners.push_back(symbol);
                group->Image = ImageSymbol;
                group->SelectedImage = ImageSymbol;
                group->Caption = *groupCaption;
            }
        }
        xref.MoveAll(moves);
        for (TreeNode* symbol : owners) Collapse(symbol);
        return;
    }
    const std::pair<const std::string*, const char*> owners[] = {{&entries, "Entry"},
                                                                 {&operations, "Operation"}};
    TreeNode* const parameterHome = FindXRefNode(xref, {parameters});
    TreeNode* const localHome = FindXRefNode(xref, {locals});
    std::vector<Tree::Relocation> moves;
    for (const auto& [ownerCaption, kindWord] : owners) {
        TreeNode* category = FindXRefNode(xref, {*ownerCaption});
        if (category == nullptr) continue;
        for (TreeNode* symbol : category->Children) {
            for (TreeNode* child : symbol->Children) {
                if (child->Caption != parameters && child->Caption != locals) continue;
                TreeNode* home = child->Caption == parameters ? parameterHome : localHome;
                if (home == nullptr) continue;
                child->Caption = std::string(kindWord) + " " + symbol->Caption;
                moves.push_back({child, home, false});
            }
        }
    }
    xref.MoveAll(moves);
}

}  // namespace lumorca
