// SPDX-License-Identifier: MIT
#include "finder/file_menu.h"

#include <QFileDialog>
#include <QFileInfo>

FileMenu::FileMenu(QWidget* window) : QMenu(tr("&File"), window) {
    QAction* open = addAction(tr("&Open..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this, window] {
        const QString chosen = QFileDialog::getOpenFileName(
            window, tr("Open a data file"), QFileInfo(dataFile_).absolutePath(),
            tr("Airport data (*.txt);;All files (*)"));
        if (!chosen.isEmpty()) {
            emit openWanted(chosen);
        }
    });
    readShipped_ = addAction(tr("&Shipped data"));
    readShipped_->setObjectName("readShipped");
    readShipped_->setToolTip(tr("Read the airports.txt shipped beside the program again"));
    readShipped_->setEnabled(false);
    connect(readShipped_, &QAction::triggered, this, &FileMenu::shippedWanted);
    addSeparator();
    QAction* quit = addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, window, &QWidget::close);
}

void FileMenu::setCanReadShipped(bool can) {
    readShipped_->setEnabled(can);
}
