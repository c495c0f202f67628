#include "analyzer/XRefTree.h"

#include "analyzer/LineModel.h"
#include "analyzer/Tree.h"
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

// The parameter and local-variable groups moved under their entries and
// operations carry the caption of their category.
void RecaptionMovedGroups(TreeNode* category, int language) {
    for (TreeNode* symbol : category->Children) {
        for (TreeNode* group : symbol->Children) {
            if (IsLocalsGroup(group)) group->Caption = CaptionOf(group->Record.Kind, language);
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
    items.push_back(Text(TextFind, language));
    return items;
}

namespace {

template <typename Node>
Node* ChildByCaption(Node* node, const std::string& upperCaption) {
    if (node == nullptr) return nullptr;
    for (Node* child : node->Children) {
        if (UpperCase(child->Caption) == upperCaption) return child;
    }
    return nullptr;
}

}  // namespace

TreeNode* FindChildByCaption(TreeNode* node, const std::string& upperCaption) {
    return ChildByCaption(node, upperCaption);
}

const TreeNode* FindChildByCaption(const TreeNode* node, const std::string& upperCaption) {
    return ChildByCaption(node, upperCaption);
}

const TreeNode* FindXRefNode(const Tree& xref, const std::vector<std::string>& path) {
    const TreeNode* node = xref.FirstRoot();
    for (const std::string& caption : path) {
        node = FindChildByCaption(node, UpperCase(caption));
        if (node == nullptr) return nullptr;
    }
    return node;
}

TreeNode* FindXRefNode(Tree& xref, const std::vector<std::string>& path) {
    TreeNode* node = xref.FirstRoot();
    for (const std::string& caption : path) {
        node = FindChildByCaption(node, UpperCase(caption));
        if (node == nullptr) return nullptr;
    }
    return node;
}

std::string StructureKindCaption(int headerKind, int language) {
    if (headerKind == HeaderEntry) return CaptionOf(CatEntry, language);
    if (headerKind == HeaderOperation || headerKind == HeaderQualifiedOperation) {
        return CaptionOf(CatOperation, language);
    }
    return {};
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

void ArrangeLocals(Tree& xref, bool sortLocals, int language) {
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
                group->Caption = CaptionOf(group->Record.Kind, language);
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
