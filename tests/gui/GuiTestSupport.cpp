#include "GuiTestSupport.h"

#include <QApplication>
#include <QUuid>

#include "ListingFile.h"
#include "ListingText.h"
#include "analyzer/Analysis.h"
#include "analyzer/LineModel.h"

namespace lumorca::gui::test {

TSandbox::TSandbox()
    : registry_(QStringLiteral("LumorcaTest-") + QUuid::createUuid().toString(QUuid::Id128)) {}

QString TSandbox::Write(const QString& name, const std::vector<std::string>& lines) const {
    return WriteListing(dir_.filePath(name), lines);
}

std::unique_ptr<TMain> StartMain(const TSandbox& sandbox, TScriptedMessages& messages,
                                 const QStringList& arguments, bool show) {
    auto main = std::make_unique<TMain>(sandbox.ProgramPath(), sandbox.RegistryName(), &messages);
    main->SetServices({.Analyzer = HandMadeAnalysis});
    main->resize(1100, 700);
    main->Startup(arguments);
    if (show) {
        main->show();
        QApplication::processEvents();
    }
    return main;
}

QString TStarted::Load(const std::vector<std::string>& lines, const QString& name) {
    const QString path = Sandbox.Write(name, lines);
    Main->LoadFile(path);
    return path;
}

void UseRealAnalysis(TMain& main) {
    main.SetServices({.Analyzer = [](ListingLines& lines, const AnalysisSettings& settings, AnalysisObserver* observer,
                       TraceSink* trace) { return AnalyzeListing(lines, settings, observer, trace); }});
}

void LoadExample(TMain& main) {
    UseRealAnalysis(main);
    main.LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
}

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

}  // namespace lumorca::gui::test
