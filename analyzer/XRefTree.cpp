#include "analyzer/XRefTree.h"

#include "analyzer/Tree.h"
#include "analyzer/TreeDump.h"
#include "analyzer/TreeImages.h"
#include "analyzer/Vocabulary.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

namespace lumorca {

namespace {

const std::string& CaptionOf(int category, int language) {
    return Text(CategoryTextEntry(category), language);
}

bool IsLocalsGroup(const TreeNode* node) {
    return node->Role == NodeRole::Group &&
           (node->Record.Kind == CatParameter || node->Record.Kind == CatLocalVar);
}

// Parameter and local-variable groups moved under their entry or operation
// are captioned like their category; at home they name their owner.
bool IsMovedLocalsGroup(const TreeNode& node) {
    return IsLocalsGroup(&node) && node.Parent != nullptr && node.Parent->Role != NodeRole::Category;
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

const std::string& XRefCaption(const TreeNode& node, int language) {
    static const std::string unknownCategory = "(Under heavy construction)";
    if (node.Role == NodeRole::Category) {
        return CategoryTextEntry(node.Record.Kind) < 0 ? unknownCategory : CaptionOf(node.Record.Kind, language);
    }
    if (IsMovedLocalsGroup(node)) return CaptionOf(node.Record.Kind, language);
    return node.Caption;
}

std::vector<std::string> XRefPopupCaptions(const Tree& xref, int language) {
    std::vector<std::string> items;
    const TreeNode* root = xref.FirstRoot();
    if (root == nullptr) return items;
    for (const TreeNode* node : root->Children) items.push_back(XRefCaption(*node, language));
    items.emplace_back("-");
    items.push_back(Text(TextFind, language));
    return items;
}

void DumpXRefTree(std::ostream& out, const Tree& xref, int language) {
    DumpTree(out, xref, true, [language](const TreeNode& node) -> const std::string& {
        return XRefCaption(node, language);
    });
}

const TreeNode* FindCategory(const Tree& xref, int category) {
    const TreeNode* root = xref.FirstRoot();
    if (root == nullptr) return nullptr;
    for (const TreeNode* node : root->Children) {
        if (node->Role == NodeRole::Category && node->Record.Kind == category) return node;
    }
    return nullptr;
}

TreeNode* FindCategory(Tree& xref, int category) {
    TreeNode* root = xref.FirstRoot();
    if (root == nullptr) return nullptr;
    for (TreeNode* node : root->Children) {
        if (node->Role == NodeRole::Category && node->Record.Kind == category) return node;
    }
    return nullptr;
}

void ArrangeLocals(Tree& xref, bool sortLocals) {
    TreeNode* const parameterHome = FindCategory(xref, CatParameter);
    TreeNode* const localHome = FindCategory(xref, CatLocalVar);
    std::vector<Tree::Relocation> moves;
    if (sortLocals) {
        std::vector<TreeNode*> owners;
        for (TreeNode* category : {parameterHome, localHome}) {
            if (category == nullptr) continue;
            for (TreeNode* group : category->Children) {
                TreeNode* symbol = xref.OwnerOf(group);
                if (symbol == nullptr) continue;
                moves.push_back({group, symbol, true});
                owners.push_back(symbol);
                group->Image = ImageSymbol;
                group->SelectedImage = ImageSymbol;
            }
        }
        xref.MoveAll(moves);
        for (TreeNode* symbol : owners) Collapse(symbol);
        return;
    }
    const std::pair<int, const char*> owners[] = {{CatEntry, "Entry"}, {CatOperation, "Operation"}};
    for (const auto& [ownerCategory, kindWord] : owners) {
        TreeNode* category = FindCategory(xref, ownerCategory);
        if (category == nullptr) continue;
        for (TreeNode* symbol : category->Children) {
            for (TreeNode* child : symbol->Children) {
                if (!IsLocalsGroup(child)) continue;
                TreeNode* home = child->Record.Kind == CatParameter ? parameterHome : localHome;
                if (home == nullptr) continue;
                child->Caption = std::string(kindWord) + " " + symbol->Caption;
                moves.push_back({child, home, false});
            }
        }
    }
    xref.MoveAll(moves);
}

}  // namespace lumorca
