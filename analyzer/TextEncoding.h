#pragma once
// Listing text is Latin-1; formats read by other tools (JSON, SARIF, DOT)
// want UTF-8.
#include <filesystem>
#include <string>
#include <string_view>

namespace lumorca {

// Every byte read as a Latin-1 character, written as UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// File names come from the system as bytes: kept when they are UTF-8
// already, else read as Latin-1.
std::string FileNameToUtf8(std::string_view name);

// The path to open for a file name as the program holds it: bytes as they
// are where the system takes bytes, UTF-8 (see FileNameToUtf8) on Windows,
// which would read a narrow name in its ANSI code page.
std::filesystem::path FileNamePath(std::string_view name);

}  // namespace lumorca
