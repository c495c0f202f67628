#include "analyzer/SettingsKeys.h"
#include "cli/Options.h"
#include "options/IniFile.h"

namespace lumorca::cli {

void LoadSettingsFile(const std::string& fileName, AnalysisSettings& settings) {
    const std::optional<IniFile> ini = LoadIniFile(fileName);
    if (!ini) throw UsageError("cannot read settings file " + fileName);
    for (const std::string& key : ini->Keys("Options")) {
        // Keys the analysis does not read (window fonts, paths ...) are skipped.
        if (const std::optional<std::string> value = ini->Value("Options", key)) {
            ApplySettingKey(settings, key, *value);
        }
    }
}

}  // namespace lumorca::cli
