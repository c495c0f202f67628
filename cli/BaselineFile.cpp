#include "cli/BaselineFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <tuple>

#include "analyzer/RegularFile.h"
#include "analyzer/TextEncoding.h"
#include "cli/Json.h"
#include "cli/JsonReader.h"

namespace lumorca::cli {

namespace {

constexpr const char* kVersion = "1";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Field(const JsonValue& item, const char* key, bool required,
                  const std::string& fileName) {
    const JsonValue* value = item.Member(key);
    if (value == nullptr && !required) return {};
    if (value == nullptr || !value->IsString()) {
        throw BaselineError("baseline " + fileName + " is not valid: a finding without \"" + key +
                            "\"");
    }
    return value->Text();
}

}  // namespace

std::string BaselineFileName(std::string_view fileName) {
    size_t slash = fileName.find_last_of('/');
#ifdef _WIN32
    const size_t backslash = fileName.find_last_of("\\:");
    if (slash == std::string_view::npos ||
        (backslash != std::string_view::npos && backslash > slash)) {
        slash = backslash;
    }
#endif
    return FileNameToUtf8(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

std::vector<BaselineEntry> ReadBaseline(const std::string& fileName) {
    // A baseline holds one short line per finding: a listing's limit is plenty.
    const std::optional<std::string> text = ReadRegularFile(FileNamePath(fileName), kMaxListingFileBytes);
    if (!text) throw BaselineError("cannot read baseline " + fileName);
    std::string_view json = *text;
    // Editors on Windows may put a byte order mark in front.
    if (json.rfind(kByteOrderMark, 0) == 0) json.remove_prefix(kByteOrderMark.size());
    JsonValue document;
    try {
        document = JsonValue::Parse(json);
    } catch (const JsonError& fault) {
        throw BaselineError("baseline " + fileName + " is not JSON: " + fault.what());
    }
    const JsonValue* version = document.IsObject() ? document.Member("version") : nullptr;
    const JsonValue* findings = document.IsObject() ? document.Member("findings") : nullptr;
    if (findings == nullptr || !findings->IsArray()) {
        throw BaselineError("baseline " + fileName + " is not valid: no \"findings\" array");
    }
    if (version != nullptr && version->Text() != kVersion) {
        throw BaselineError("baseline " + fileName + " has the unknown version " + version->Text());
    }
    std::vector<BaselineEntry> entries;
    for (const JsonValue& item : findings->Items()) {
        if (!item.IsObject()) {
            throw BaselineError("baseline " + fileName + " is not valid: a finding is no object");
        }
        BaselineEntry entry;
        entry.Fingerprint = Field(item, "fingerprint", true, fileName);
        entry.File = Field(item, "file", true, fileName);
        entry.Rule = Field(item, "rule", false, fileName);
        entry.Symbol = Field(item, "symbol", false, fileName);
        entry.Message = Field(item, "message", false, fileName);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void WriteBaseline(const std::string& fileName, std::vector<BaselineEntry> entries) {
    std::sort(entries.begin(), entries.end(), [](const BaselineEntry& a, const BaselineEntry& b) {
        return std::tie(a.File, a.Rule, a.Symbol, a.Fingerprint) <
               std::tie(b.File, b.Rule, b.Symbol, b.Fingerprint);
    });
    // Written beside the target and renamed: a failed run leaves the old
    // baseline as it was.
    const std::string temporary = fileName + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "{\n  \"version\": " << kVersion << ",\n  \"findings\": [";
        bool first = true;
        for (const BaselineEntry& entry : entries) {
            out << (first ? "\n" : ",\n")
                << "    {\"fingerprint\": " << JsonString(entry.Fingerprint)
                << ", \"rule\": " << JsonString(entry.Rule)
                << ", \"symbol\": " << JsonString(entry.Symbol)
                << ", \"file\": " << JsonString(entry.File)
                << ", \"message\": " << JsonString(entry.Message) << '}';
            first = false;
        }
        out << (first ? "]\n}\n" : "\n  ]\n}\n");
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw BaselineError("cannot write baseline " + fileName);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw BaselineError("cannot write baseline " + fileName + ": " + error.message());
    }
}

}  // namespace lumorca::cli
