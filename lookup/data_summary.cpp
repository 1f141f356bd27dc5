#include "lookup/data_summary.h"

#include "lookup/data_file.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>

namespace icao {

Expected<DataFileSummary> summarizeDataFile(const std::filesystem::path& dataFile) {
    DataFileSummary summary;
    const auto error = forEachItem(dataFile, [&summary](const FileItem& item) {
        summary.records += item.bytes.empty() ? 0 : 1;
    });
    if (error) {
        return *error;
    }
    const QDateTime modified = QFileInfo(QString::fromStdU32String(dataFile.u32string()))
                                   .fileTime(QFileDevice::FileModificationTime);
    if (!modified.isValid()) {
        return FileError{dataFile, "cannot be examined"};
    }
    summary.modified =
        modified.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")).toStdString();
    return summary;
}

} // namespace icao
