// SPDX-License-Identifier: MIT
#include "finder/core/finder_settings.h"
#include "finder/finder_window.h"
#include "lookup/data_file.h"
#include "platform/path_text.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName("icaolookup");
    QCoreApplication::setApplicationName("icaofinder");
    QApplication::setApplicationDisplayName(QObject::tr("ICAO Finder"));
    QApplication::setWindowIcon(QIcon(":/icons/icaofinder-32.png"));

    // The file chosen with File > Open last time, or else the one beside the program.
    const QString shipped = QString::fromStdString(icao::utf8Of(icao::dataFilePath(
        icao::pathFromUtf8(QCoreApplication::applicationDirPath().toStdString()))));
    FinderWindow window(FinderSettings().dataFile(shipped), shipped);
    window.show();
    return QApplication::exec();
}
