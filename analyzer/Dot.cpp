#include "analyzer/Dot.h"

#include "analyzer/TextEncoding.h"

namespace lumorca {

std::string DotQuoted(std::string_view latin1) {
    std::string escaped;
    escaped.reserve(latin1.size() + 2);
    for (const char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            escaped += '\\';
            escaped += ch;
        } else if (c < 0x20 || c == 0x7F) {
            escaped += ' ';
        } else {
            escaped += ch;
        }
    }
    return "\"" + Latin1ToUtf8(escaped) + "\"";
}

}  // namespace lumorca
