#include "TestListings.h"

#include "ListingText.h"
#include "analyzer/Analysis.h"
#include "analyzer/LineModel.h"

namespace lumorca::gui::test {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const TreeNode* FindNode(const Tree& tree, const std::string& caption) {
    const TreeNode* found = nullptr;
    tree.ForEach([&](const TreeNode* node) {
        if (found == nullptr && node->Caption == caption) found = node;
    });
    return found;
}

std::vector<std::string> SmallListing(int padding) {
    std::vector<std::string> lines = {
        "Trigger <EXEC> from Form: ORDERS",
        "==============================================================================",
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "call LP_A()"),
        Numbered(3, ' ', "call LP_B()"),
    };
    for (int i = 0; i < padding; ++i) lines.push_back(Numbered(4 + i, ' ', "$1 = " + std::to_string(i)));
    const int n = 4 + padding;
    const std::vector<std::string> rest = {
        Numbered(n, ' ', "call LP_A()"),
        Numbered(n + 1, ' ', "; builds A"),
        "******        entry LP_A",
        Numbered(n + 3, ' ', "call LP_B()"),
        Numbered(n + 4, ' ', "return (0)"),
        "******        entry LP_B",
        Numbered(n + 6, ' ', "if ($1 > 0)"),
        Numbered(n + 7, '1', "call LP_A()"),
        Numbered(n + 8, ' ', "endif"),
        "",
        "Trigger <STOR> from Form: ORDERS",
        "==============================================================================",
        Numbered(1, ' ', "call LP_B()"),
        Numbered(2, ' ', "store"),
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

AnalysisResult HandMadeAnalysis(ListingLines& lines, const AnalysisSettings&,
                                AnalysisObserver* observer, TraceSink*) {
    AnalysisResult result;
    result.StructureStarts.push_back(0);
    TreeNode* form = result.Structure.Add(nullptr, "ORDERS", 0);
    TreeNode* trigger = nullptr;
    struct Entry {
        std::string Name;
        NodeRecord Definition;
        std::vector<NodeRecord> Calls;
    };
    std::vector<Entry> entries;
    std::vector<std::pair<std::string, NodeRecord>> calls;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (observer) observer->ProcessPendingEvents();
        const std::string& line = lines[i];
        const auto index = static_cast<int32_t>(i);
        if (line.rfind("Trigger <", 0) == 0) {
            result.StructureStarts.push_back(index);
            const NodeRecord record{static_cast<int32_t>(result.StructureStarts.size()) - 1, index, 3};
            trigger = result.Structure.AddWithRecord(form, NthWord(line, 2), 3, record);
        } else if (line.rfind("******", 0) == 0) {
            result.StructureStarts.push_back(index);
            const std::string name = NthWord(line, 3);
            const NodeRecord record{static_cast<int32_t>(result.StructureStarts.size()) - 1, index, 4};
            result.Structure.AddWithRecord(trigger ? trigger : form, "entry " + name, 4, record);
            entries.push_back({name, {record.StructureIndex, index, 25}, {}});
            result.EntryList.push_back(name);
        } else if (line.find("call ") != std::string::npos) {
            const std::string callee = NthWord(line.substr(line.find("call ")), 2);
            const std::string name = callee.substr(0, callee.find('('));
            calls.push_back({name, {static_cast<int32_t>(result.StructureStarts.size()) - 1, index, 26}});
        }
    }
    TreeNode* root = result.XRef.Add(nullptr, "ORDERS", 0);
    TreeNode* category = result.XRef.AddWithRecord(root, "Entries", 5, NodeRecord{-1, -1, 2}, NodeRole::Category);
    for (Entry& entry : entries) {
        TreeNode* symbol = result.XRef.AddWithRecord(category, LowerCase(entry.Name), 6, NodeRecord{-1, -1, 0},
                                                       NodeRole::Symbol);
        result.XRef.AddWithRecord(symbol, std::to_string(entry.Definition.Line), 4, entry.Definition,
                                  NodeRole::Reference);
        for (const auto& [name, record] : calls) {
            if (name == entry.Name) {
                result.XRef.AddWithRecord(symbol, std::to_string(record.Line), 10, record, NodeRole::Reference);
            }
        }
    }
    return result;
}

int LineOf(const ListingLines& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::string> WorkListing() {
    const std::string rule(78, '=');
    return {
        "Trigger <EXEC> from Form: ORDERS",
        rule,
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "call LP_SUM(1, 2)"),
        Numbered(3, ' ', "call LP_MISSING()"),
        Numbered(4, ' ', "activate \"ORDERS\".SAVE_ALL()"),
        Numbered(5, ' ', "activate $instancename.SAVE_ALL()"),
        Numbered(6, ' ', "activate \"OTHERS\".SAVE_ALL()"),
        Numbered(7, ' ', "if ($status < 0)"),
        Numbered(8, '1', "   message \"Total %%$TOTAL$%%% of %%ORDNR.ORDER%%%\""),
        Numbered(9, '1', "else"),
        Numbered(10, '1', "   $TOTAL$ = AMOUNT.ORDER + 12"),
        Numbered(11, '1', "endif"),
        Numbered(12, ' ', "if ($1 > 0 & %\\"),
        Numbered(13, ' ', "   $2 > 0)"),
        Numbered(14, '1', "   $1 = 0"),
        Numbered(15, '1', "endif"),
        Numbered(16, ' ', "repeat"),
        Numbered(17, '1', "   $1 = $1 - 1"),
        Numbered(18, ' ', "clear/e \"ORDERLINE\""),
        Numbered(19, ' ', ""),
        Numbered(20, ' ', "Message \"MiXed Case\" ; Keep It"),
        Numbered(21, ' ', "return (0)"),
        "",
        "Trigger <LPMX> from Form: ORDERS",
        rule,
        Numbered(1, ' ', "; local procs"),
        Numbered(2, ' ', "; sums two numbers"),
        Numbered(3, ' ', "; and keeps the sum"),
        "******        entry LP_SUM",
        Numbered(5, ' ', "params"),
        Numbered(6, '1', "   numeric P_A : IN"),
        Numbered(7, '1', "   numeric P_B : IN"),
        Numbered(8, '1', "endparams"),
        Numbered(9, ' ', "variables"),
        Numbered(10, '1', "   numeric V_SUM"),
        Numbered(11, '1', "endvariables"),
        Numbered(12, ' ', "V_SUM = P_A + P_B"),
        Numbered(13, ' ', "return (V_SUM)"),
        "******        operation SAVE_ALL",
        Numbered(15, ' ', "store"),
        Numbered(16, ' ', "return (0)"),
        "",
        "Trigger <READ> from Entity: ORDER.SALES",
        rule,
        Numbered(1, ' ', "; read trigger"),
        Numbered(2, ' ', "retrieve/e \"ORDERLINE\""),
        "",
        "Trigger <FMTF> from Field: AMOUNT.ORDER.SALES",
        rule,
        Numbered(1, ' ', "AMOUNT.ORDER = AMOUNT.ORDER * 2"),
    };
}

std::vector<std::string> CounterListing() {
    return {
        "Trigger <EXEC> from Form: COUNTERS",
        "==============================================================================",
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "$MYCOUNTER$ = 0"),
        Numbered(3, ' ', "$B_TALLY$ = $MYCOUNTER$"),
        Numbered(4, ' ', "$TOTAL$ = $B_TALLY$ + 1"),
        Numbered(5, ' ', "call LP_COUNT()"),
        Numbered(6, ' ', "edit"),
        "",
        "Trigger <LPMX> from Form: COUNTERS",
        "==============================================================================",
        Numbered(1, ' ', "; local procs"),
        "******        entry LP_COUNT",
        Numbered(3, ' ', "variables"),
        Numbered(4, ' ', "   numeric V_COUNTER"),
        Numbered(5, ' ', "endvariables"),
        Numbered(6, ' ', "V_COUNTER = $MYCOUNTER$"),
        Numbered(7, ' ', "$MYCOUNTER$ = V_COUNTER + 1"),
        Numbered(8, ' ', "return (0)"),
    };
}

std::vector<std::string> PlainListing() {
    return {
        "Trigger <EXEC> from Form: PLAIN",
        "==============================================================================",
        Numbered(1, ' ', "; exec trigger"),
        Numbered(2, ' ', "edit"),
        Numbered(3, ' ', "return (0)"),
    };
}

}  // namespace lumorca::gui::test
