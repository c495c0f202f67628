#pragma once
// The text dump of an analysis: both trees, the structure starts, the entry
// list, the entity menu and the number of lines.
#include <cstddef>
#include <iosfwd>

namespace lumorca {

struct AnalysisResult;

// Captions in `language`.
void WriteAnalysisDump(std::ostream& out, const AnalysisResult& result, size_t lineCount, int language);

}  // namespace lumorca
