#include "cli/Options.h"

namespace lumorca::cli {

void LoadSettingsFile(const std::string& /*fileName*/, AnalysisSettings& /*settings*/) {
    throw UsageError("--settings is not available");
}

}  // namespace lumorca::cli
