// SPDX-License-Identifier: MIT
#include "platform/path_text.h"
#include "windows/program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The program ends by its own rules: a hidden window still counts as loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(":/icons/icaolookup-32.png"));

    Program program(icao::pathFromUtf8(QCoreApplication::applicationDirPath().toStdString()));
    program.start();
    if (program.ended()) {
        return 0;
    }
    return QApplication::exec();
}
