#include <filesystem>
#include <optional>

#include "analyzer/ListingReader.h"
#include "analyzer/SettingsKeys.h"
#include "analyzer/TextEncoding.h"
#include "cli/Options.h"
#include "options/IniFile.h"

namespace lumorca::cli {

void LoadSettingsFile(const std::string& fileName, AnalysisSettings& settings) {
    std::error_code error;
    std::optional<IniFile> ini;
    const std::filesystem::path path = FileNamePath(fileName);
    if (!std::filesystem::is_directory(path, error)) ini = LoadIniFile(path);
    if (!ini) throw EFileNotReadable(fileName, settings.Language);
    // Keys only the program's windows use are skipped, and so are keys the
    // section should not have: the program ignores them as well.
    for (const std::string& key : ini->Keys("Options")) {
        if (const auto value = ini->Value("Options", key)) ApplySettingKey(settings, key, *value);
    }
}

}  // namespace lumorca::cli
