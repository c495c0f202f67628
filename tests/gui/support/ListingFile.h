#pragma once
// A listing written to disk as the compiler writes it, with CR LF endings.
#include <QFile>
#include <QString>
#include <string>
#include <vector>

namespace lumorca::gui::test {

inline QString WriteListing(const QString& path, const std::vector<std::string>& lines) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        for (const std::string& line : lines) {
            file.write(line.data(), static_cast<qint64>(line.size()));
            file.write("\r\n");
        }
    }
    return path;
}

}  // namespace lumorca::gui::test
