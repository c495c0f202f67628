#pragma once
// Reading a whole file only when it is a regular file of bounded size, so
// that a FIFO, a device or a huge file never blocks or exhausts memory.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace lumorca {

constexpr std::uintmax_t kMaxSettingsFileBytes = std::uintmax_t{1} << 20;
constexpr std::uintmax_t kMaxListingFileBytes = std::uintmax_t{1} << 30;

// The file's bytes; nothing when it is not a regular file (checked before it
// is opened, so nothing else is ever opened), is larger than `maxBytes`, or
// cannot be read. A file that grows past the limit while read gives nothing.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes);

}  // namespace lumorca
