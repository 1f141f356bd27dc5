// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

// Opening another data file, going back to the shipped one, and quitting.
class FileMenu : public QMenu {
    Q_OBJECT

  public:
    explicit FileMenu(QWidget* window);

    // The folder File > Open starts in, the data file's own.
    void setDataFile(const QString& dataFile) { dataFile_ = dataFile; }
    // Whether a shipped file is given and another is read.
    void setCanReadShipped(bool can);

  signals:
    void openWanted(const QString& dataFile);
    void shippedWanted();

  private:
    QAction* readShipped_;
    QString dataFile_;
};
