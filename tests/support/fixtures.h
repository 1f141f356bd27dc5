#pragma once

#include "lookup/data_file.h"
#include "lookup/text.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace fixtures {

inline std::filesystem::path folderOf(const QTemporaryDir& dir) {
    return std::filesystem::path(dir.path().toStdString());
}

// Writes bytes as the data file of the folder and yields its path.
inline std::filesystem::path writeDataFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const auto path = icao::dataFilePath(folderOf(dir));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
    return path;
}

inline icao::Text text(const QString& string) {
    return string.toStdU32String();
}
inline QString qstring(const icao::Text& text) {
    return QString::fromStdU32String(text);
}

} // namespace fixtures
