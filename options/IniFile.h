#pragma once
// A plain INI document that keeps the file as it is: sections, keys, comments
// and unknown lines stay in their order, and only what is set changes.
// Section and key names match without regard to ASCII case; blanks around
// keys and values are dropped when reading. Written back with CR LF.
// Standard library only, so the command-line tool can read settings files.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumorca {

class IniFile {
public:
    IniFile() = default;

    // Accepts LF or CR LF line ends; a final line break adds no empty line.
    static IniFile Parse(std::string_view bytes);

    // True when a section of that name holds at least one key.
    bool SectionHasKeys(std::string_view section) const;
    // True when a header of that name exists, with or without keys.
    bool HasSection(std::string_view section) const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // An existing key keeps its place; a new key goes after the last key of
    // its section; a new section goes at the end of the file.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes every section of that name with all its lines.
    void RemoveSection(std::string_view section);

    // Section names in file order (as written in the file) and the keys of a section.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;

    std::string Serialize() const;

private:
    struct Line {
        std::string Raw;    // the line as read; empty for lines built here
        std::string Key;    // empty for lines that are not key=value
        std::string Value;
        bool Changed = false;
    };
    struct Section {
        std::string Name;
        std::string RawHeader;  // empty for a header built here
        bool HasHeader = true;  // false only for lines before the first header
        std::vector<Line> Lines;
    };

    Section* FindSection(std::string_view name);
    std::vector<Section> Sections_;
};

// Reads a file from disk; nothing when it cannot be opened.
std::optional<IniFile> LoadIniFile(const std::filesystem::path& path);

}  // namespace lumorca
