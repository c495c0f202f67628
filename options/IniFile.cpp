#include "options/IniFile.h"

#include <fstream>
#include <iterator>

namespace lumorca {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// "[name]" with optional blanks; the name ends at the first "]".
std::optional<std::string_view> HeaderName(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// A line break inside a key or value would split it into lines of its own.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

}  // namespace

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile ini;
    ini.Sections_.push_back(Section{"", "", false, {}});
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (auto name = HeaderName(line)) {
            ini.Sections_.push_back(Section{std::string(*name), std::string(line), true, {}});
            continue;
        }
        Line entry;
        entry.Raw = std::string(line);
        std::string_view t = Trim(line);
        size_t eq = line.find('=');
        // Comment lines and lines without a key are kept but never matched.
        if (!t.empty() && t.front() != ';' && eq != std::string_view::npos) {
            std::string_view key = Trim(line.substr(0, eq));
            if (!key.empty()) {
                entry.Key = std::string(key);
                entry.Value = std::string(Trim(line.substr(eq + 1)));
            }
        }
        ini.Sections_.back().Lines.push_back(std::move(entry));
    }
    if (ini.Sections_.front().Lines.empty()) ini.Sections_.erase(ini.Sections_.begin());
    return ini;
}

bool IniFile::HasSection(std::string_view section) const {
    for (const Section& s : Sections_)
        if (s.HasHeader && SameName(s.Name, section)) return true;
    return false;
}

bool IniFile::SectionHasKeys(std::string_view section) const {
    for (const Section& s : Sections_) {
        if (!s.HasHeader || !SameName(s.Name, section)) continue;
        for (const Line& l : s.Lines)
            if (!l.Key.empty()) return true;
    }
    return false;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    for (const Section& s : Sections_) {
        if (!s.HasHeader || !SameName(s.Name, section)) continue;
        for (const Line& l : s.Lines)
            if (!l.Key.empty() && SameName(l.Key, key)) return l.Value;
    }
    return std::nullopt;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    for (Section& s : Sections_)
        if (s.HasHeader && SameName(s.Name, name)) return &s;
    return nullptr;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string safeValue = OneLine(value);
    for (Section& s : Sections_) {
        if (!s.HasHeader || !SameName(s.Name, section)) continue;
        for (Line& l : s.Lines) {
            if (!l.Key.empty() && SameName(l.Key, key)) {
                l.Value = safeValue;
                l.Changed = true;
                return;
            }
        }
    }
    Section* target = FindSection(section);
    if (!target) {
        Sections_.push_back(Section{OneLine(section), "", true, {}});
        target = &Sections_.back();
    }
    // After the last key, so blank lines that end the section stay between sections.
    size_t at = 0;
    for (size_t i = 0; i < target->Lines.size(); ++i)
        if (!target->Lines[i].Key.empty()) at = i + 1;
    Line entry;
    entry.Key = OneLine(key);
    entry.Value = safeValue;
    entry.Changed = true;
    target->Lines.insert(target->Lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

void IniFile::RemoveSection(std::string_view section) {
    std::erase_if(Sections_, [&](const Section& s) { return s.HasHeader && SameName(s.Name, section); });
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> names;
    for (const Section& s : Sections_)
        if (s.HasHeader) names.push_back(s.Name);
    return names;
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    for (const Section& s : Sections_) {
        if (!s.HasHeader || !SameName(s.Name, section)) continue;
        for (const Line& l : s.Lines)
            if (!l.Key.empty()) keys.push_back(l.Key);
    }
    return keys;
}

std::string IniFile::Serialize() const {
    std::string out;
    for (const Section& s : Sections_) {
        if (s.HasHeader) {
            out += s.RawHeader.empty() ? "[" + s.Name + "]" : s.RawHeader;
            out += "\r\n";
        }
        for (const Line& l : s.Lines) {
            out += l.Changed ? l.Key + "=" + l.Value : l.Raw;
            out += "\r\n";
        }
    }
    return out;
}

std::optional<IniFile> LoadIniFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return IniFile::Parse(bytes);
}

}  // namespace lumorca
