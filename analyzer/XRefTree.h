#pragma once
// Operations on a built cross-reference tree: captions in a language, the
// regrouping of parameters and locals, and its categories. The tree
// holds no caption that depends on the language: categories and the groups
// captioned like them are captioned when they are shown.
#include <iosfwd>
#include <string>
#include <vector>

namespace lumorca {

class Tree;
struct TreeNode;

// Caption of a category node; "(Under heavy construction)" outside 1-21.
std::string CategoryCaption(int category, int language);

// A node's caption as shown in the language.
const std::string& XRefCaption(const TreeNode& node, int language);

// The items of the cross-reference pop-up menu: one per category node, then
// "-" and the find item. An empty tree gives no items.
std::vector<std::string> XRefPopupCaptions(const Tree& xref, int language);

// The tree as text in the language, as DumpTree writes other trees.
void DumpXRefTree(std::ostream& out, const Tree& xref, int language);

// With sortLocals the parameter and local-variable groups of entries and
// operations move under their symbol; without, they move back.
void ArrangeLocals(Tree& xref, bool sortLocals);

// The category node of a category (CatEntry, ...) under the root, or null.
TreeNode* FindCategory(Tree& xref, int category);
const TreeNode* FindCategory(const Tree& xref, int category);

}  // namespace lumorca
