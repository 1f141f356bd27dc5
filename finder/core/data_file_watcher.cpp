// SPDX-License-Identifier: MIT
#include "finder/core/data_file_watcher.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kRestMs = 300;

} // namespace

DataFileWatcher::DataFileWatcher(QObject* parent) : QObject(parent) {
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    connect(&rest_, &QTimer::timeout, this, &DataFileWatcher::changed);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &rest_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        // A file put back, or replaced by a rename, is a new file to watch and to read.
        if (!watcher_.files().contains(dataFile_) && QFileInfo::exists(dataFile_)) {
            rest_.start();
        }
    });
}

void DataFileWatcher::watch(const QString& dataFile) {
    dataFile_ = dataFile;
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    const QFileInfo file(dataFile_);
    if (file.exists()) {
        watcher_.addPath(dataFile_);
    }
    if (file.absoluteDir().exists()) {
        watcher_.addPath(file.absolutePath());
    }
}
