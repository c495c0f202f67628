#pragma once
// The listing's texts are Latin-1 bytes.
#include <QString>
#include <string>

namespace lumorca::gui {

inline QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lumorca::gui
