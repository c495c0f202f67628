#include "analyzer/AnalysisDump.h"

#include <ostream>

#include "analyzer/Analysis.h"
#include "analyzer/TreeDump.h"
#include "analyzer/XRefTree.h"

namespace lumorca {

void WriteAnalysisDump(std::ostream& out, const AnalysisResult& result, size_t lineCount, int language) {
    out << "[structure]\n";
    DumpTree(out, result.Structure, true);
    out << "[xref]\n";
    DumpXRefTree(out, result.XRef, language);
    out << "[starts]\n";
    for (size_t i = 0; i < result.StructureStarts.size(); ++i) {
        out << i << '\t' << result.StructureStarts[i] << '\n';
    }
    out << "[entries]\n";
    for (const std::string& entry : result.EntryList) out << entry << '\n';
    out << "[entities]\n";
    for (const EntityMenuItem& item : result.EntityMenu) out << item.Caption << '\n';
    out << "[lines]\n" << lineCount << '\n';
}

}  // namespace lumorca
