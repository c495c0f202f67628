#pragma once
// Small helpers for the analysis tests: listings built line by line and
// look-ups in the resulting trees.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "analyzer/Analysis.h"
#include "analyzer/SettingsKeys.h"
#include "analyzer/SymbolLookup.h"
#include "analyzer/Tree.h"
#include "analyzer/TreeDump.h"
#include "analyzer/XRefTree.h"
#include "texts/Texts.h"
#include "../CaseFile.h"

namespace lumorca::test {

using Names = std::vector<std::string>;

// A numbered listing line: line number in columns 1-6, level in column 8,
// Proc text from column 15.
inline std::string Numbered(int number, const std::string& text, char level = ' ') {
    std::string line = std::to_string(number);
    line.insert(0, 6 - std::min<size_t>(6, line.size()), ' ');
    return line + ' ' + level + "      " + text;
}

inline std::string Header(const std::string& text) { return "******        " + text; }

inline std::string TriggerTitle(const std::string& name, const std::string& level,
                                const std::string& object) {
    return "Trigger <" + name + "> from " + level + ": " + object;
}

// Turns "text" lines into a listing with numbered lines; lines that begin
// with "Trigger <", "******" or a message word are kept as they stand.
inline ListingLines MakeListing(const std::vector<std::string>& body) {
    ListingLines lines;
    int number = 1;
    for (const std::string& text : body) {
        if (text.rfind("Trigger <", 0) == 0) {
            lines.push_back(text);
            lines.push_back(std::string(78, '='));
            number = 1;
        } else if (text.rfind("******", 0) == 0 || text.rfind("WARNING", 0) == 0 ||
                   text.rfind("ERROR", 0) == 0 || text.rfind("INFO", 0) == 0 || text.empty()) {
            lines.push_back(text);
            ++number;
        } else {
            lines.push_back(Numbered(number++, text));
        }
    }
    return lines;
}

// Settings from "Key=Value" lines as the store holds them.
inline AnalysisSettings SettingsOf(const Names& lines) {
    AnalysisSettings settings;
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        EXPECT_TRUE(ApplySettingKey(settings, line.substr(0, equals), line.substr(equals + 1))) << line;
    }
    return settings;
}

struct Analysed {
    ListingLines Lines;
    AnalysisResult Result;
};

inline Analysed Analyse(const std::vector<std::string>& body,
                        const AnalysisSettings& settings = AnalysisSettings()) {
    Analysed a;
    a.Lines = MakeListing(body);
    a.Result = AnalyzeListing(a.Lines, settings);
    return a;
}

// A trigger of form ORDERS around `body`: body line k is listing line k + 1.
inline Analysed Body(const std::vector<std::string>& body, const AnalysisSettings& settings = {}) {
    std::vector<std::string> all{TriggerTitle("EXEC", "Form", "ORDERS")};
    all.insert(all.end(), body.begin(), body.end());
    return Analyse(all, settings);
}

// The records the analysis makes for structures starting at `starts`.
inline StructureList RecordsOf(const ListingLines& lines, const StructureStartList& starts) {
    StructureList records;
    for (size_t s = 0; s < starts.size(); ++s)
        records.push_back(s == 0 ? TopStructure() : HeaderStructure(lines.at(starts[s]), starts[s]));
    return records;
}

inline std::string DumpText(const Tree& tree) {
    std::ostringstream out;
    DumpTree(out, tree, true);
    return out.str();
}

inline std::string XRefDumpText(const Tree& xref, int language = LanguageEnglish) {
    std::ostringstream out;
    DumpXRefTree(out, xref, language);
    return out.str();
}

// Node by its English caption path under the XRef root: what the user sees.
inline const TreeNode* XRefAt(const Tree& xref, const std::vector<std::string>& path) {
    const TreeNode* node = xref.FirstRoot();
    for (const std::string& caption : path) {
        if (node == nullptr) return nullptr;
        const TreeNode* parent = node;
        node = nullptr;
        for (const TreeNode* child : parent->Children)
            if (XRefCaption(*child, LanguageEnglish) == caption) node = node ? node : child;
    }
    return node;
}
inline const TreeNode* XRef(const Analysed& a, const std::vector<std::string>& path) {
    return XRefAt(a.Result.XRef, path);
}

// Reference kinds of a symbol's reference nodes, as "line:kind" items.
inline std::string Refs(const TreeNode* symbol) {
    if (symbol == nullptr) return "<none>";
    std::string text;
    for (const TreeNode* ref : symbol->Children) {
        if (!ref->HasRecord || ref->Record.Line < 0) continue;
        if (!text.empty()) text += ' ';
        text += std::to_string(ref->Record.Line) + ":" + std::to_string(ref->Record.Kind);
    }
    return text;
}

// Captions as the views show them.
inline std::vector<std::string> ChildCaptions(const TreeNode* node, int language = LanguageEnglish) {
    std::vector<std::string> captions;
    if (node == nullptr) return captions;
    for (const TreeNode* child : node->Children) captions.push_back(XRefCaption(*child, language));
    return captions;
}

// "Category|name|..." as a caption path; a bare name is an "Other variable".
inline std::vector<std::string> PathOf(const std::string& key) {
    std::vector<std::string> path;
    size_t from = 0;
    for (size_t bar; (bar = key.find('|', from)) != std::string::npos; from = bar + 1) {
        path.push_back(key.substr(from, bar - from));
    }
    path.push_back(key.substr(from));
    if (path.size() == 1) path.insert(path.begin(), "Other variable");
    return path;
}

// Each key's references, "<none>" where the node must not exist.
inline void ExpectRefs(const Analysed& a,
                       const std::vector<std::pair<std::string, std::string>>& expected) {
    for (const auto& [key, refs] : expected) EXPECT_EQ(Refs(XRef(a, PathOf(key))), refs) << key;
}

// Each "key => line:kind ..." line's references.
inline void ExpectRefLines(const Analysed& a, const Names& lines) {
    for (const std::string& line : lines) {
        const size_t arrow = line.find(" => ");
        EXPECT_EQ(Refs(XRef(a, PathOf(line.substr(0, arrow)))), line.substr(arrow + 4)) << line;
    }
}

}  // namespace lumorca::test
