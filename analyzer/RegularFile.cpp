#include "analyzer/RegularFile.h"

#include <fstream>
#include <system_error>

namespace lumorca {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes) {
    std::error_code error;
    if (std::filesystem::status(path, error).type() != std::filesystem::file_type::regular) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes) return std::nullopt;

    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
        if (bytes.size() > maxBytes) return std::nullopt;
        if (in.eof()) break;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace lumorca
