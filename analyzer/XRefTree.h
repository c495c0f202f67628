#pragma once
// Operations on a built cross-reference tree: captions in a language, the
// regrouping of parameters and locals, and look-up by caption path.
#include <string>
#include <vector>

namespace lumorca {

class Tree;
struct TreeNode;

// Caption of a category node; "(Under heavy construction)" outside 1-21.
std::string CategoryCaption(int category, int language);

// Captions the category nodes in the language and returns the items of the
// cross-reference pop-up menu: one per category node, then "-" and the find
// item. An empty tree is left alone and gives no items.
std::vector<std::string> ApplyXRefCaptions(Tree& xref, int language);

// With sortLocals the parameter and local-variable groups of entries and
// operations move under their symbol; without, they move back.
void ArrangeLocals(Tree& xref, bool sortLocals, int language);

// The category node of a category (CatEntry, ...) under the root, or null.
TreeNode* FindCategory(Tree& xref, int category);
const TreeNode* FindCategory(const Tree& xref, int category);

// First child whose upper-cased caption equals upperCaption.
TreeNode* FindChildByCaption(TreeNode* node, const std::string& upperCaption);
const TreeNode* FindChildByCaption(const TreeNode* node, const std::string& upperCaption);
// Node under the root reached by a path of captions (any case), or null.
TreeNode* FindXRefNode(Tree& xref, const std::vector<std::string>& path);
const TreeNode* FindXRefNode(const Tree& xref, const std::vector<std::string>& path);

// "Entries" caption for header kind 2, "Operations" for 3 and 4, else empty.
std::string StructureKindCaption(int headerKind, int language);

}  // namespace lumorca
