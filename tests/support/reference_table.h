// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace fixtures {

// The rows of a reference table in tests/: tab-separated cells, a line a row, "#" lines and
// blank ones left out; none when the file cannot be read.
inline QList<QStringList> referenceRows(const QString& path) {
    QList<QStringList> rows;
    QFile table(path);
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return rows;
    }
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith('#')) {
            rows.append(line.split('\t'));
        }
    }
    return rows;
}

} // namespace fixtures
