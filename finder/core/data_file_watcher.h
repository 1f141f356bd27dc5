// SPDX-License-Identifier: MIT
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Watches a data file, and its folder for the file put back or replaced by a rename, and says
// once that it changed when the changes have rested a moment: a file being written changes
// many times.
class DataFileWatcher : public QObject {
    Q_OBJECT

  public:
    explicit DataFileWatcher(QObject* parent = nullptr);

    // Watches this file from now on, and no other.
    void watch(const QString& dataFile);

  signals:
    void changed();

  private:
    QString dataFile_;
    QFileSystemWatcher watcher_;
    QTimer rest_;
};
