// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/data_file.h"
#include "lookup/text.h"
#include "platform/path_text.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace fixtures {

// A temporary folder of one test's own, gone with it, where the test writes its data file.
class DataFolder {
  public:
    std::filesystem::path path() const { return icao::pathFromUtf8(dir_.path().toStdString()); }
    std::filesystem::path dataFile() const { return icao::dataFilePath(path()); }

    // Writes bytes as the folder's data file and yields its path.
    std::filesystem::path write(const QByteArray& bytes) const {
        std::ofstream out(dataFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.constData(), bytes.size());
        return dataFile();
    }

  private:
    QTemporaryDir dir_;
};

// Settings of a test's own in a temporary folder, gone with it, so that nothing kept by a run
// of the program or an earlier test comes in.
class SettingsFolder {
  public:
    SettingsFolder() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

  private:
    QTemporaryDir dir_;
};

inline icao::Text text(const QString& string) {
    return string.toStdU32String();
}
inline QString qstring(const icao::Text& text) {
    return QString::fromStdU32String(text);
}

} // namespace fixtures
