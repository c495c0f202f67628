#include <algorithm>
#include <optional>
#include <ostream>

#include "analyzer/ListingReader.h"
#include "analyzer/RegularFile.h"
#include "analyzer/SettingsKeys.h"
#include "analyzer/TextEncoding.h"
#include "cli/Options.h"
#include "options/IniFile.h"

namespace lumorca::cli {
namespace {

const char* const kOptionsSection = "Options";

// Settings files are text: control bytes other than tab and line breaks
// mean a binary file.
bool IsText(const std::string& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
    });
}

}  // namespace

void LoadSettingsFile(const std::string& fileName, AnalysisSettings& settings,
                      std::ostream& warnings) {
    const std::optional<std::string> bytes = ReadRegularFile(FileNamePath(fileName), kMaxSettingsFileBytes);
    if (!bytes) throw EFileNotReadable(fileName, settings.Language);
    if (!IsText(*bytes)) throw UsageError(fileName + " is not a settings file (binary)");
    const IniFile ini = IniFile::Parse(*bytes);
    if (!ini.HasSection(kOptionsSection))
        throw UsageError(fileName + " is not a settings file (no section \"Options\")");
    // Keys only the program's windows use are skipped, and so are keys the
    // section should not have: the program ignores them as well.
    for (const std::string& key : ini.Keys(kOptionsSection)) {
        const auto value = ini.Value(kOptionsSection, key);
        if (!value) continue;
        if (const auto allowed = CheckSettingValue(key, *value)) {
            warnings << "lumorca-cli: warning: " << fileName << ": " << key << "=" << *value
                     << " is not valid (" << key << " takes " << *allowed
                     << "); read as the program reads it\n";
        }
        ApplySettingKey(settings, key, *value);
    }
}

}  // namespace lumorca::cli
