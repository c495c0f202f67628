#pragma once
// A listing file named in the program, as the analysis reads it.
#include <QFile>
#include <QString>
#include <filesystem>

#include "analyzer/ListingLoader.h"

namespace lumorca::gui {

// The path goes over as UTF-16, so every name Windows allows opens; messages
// name the file in the local 8-bit encoding.
inline ListingSource ListingFileSource(const QString& name) {
    return ListingSource::File(std::filesystem::path(name.toStdU16String()),
                               QFile::encodeName(name).toStdString());
}

}  // namespace lumorca::gui
