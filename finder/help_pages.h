// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QList>
#include <QString>
#include <cstddef>

// What the About box tells of the data read: the file and how many airfields and navaids it
// gave.
struct DataFacts {
    QString dataFile;
    qsizetype airfields = 0;
    std::size_t navaids = 0;
};

// The program's version and licence, the data read, and every source of the shipped data and
// the maps with its licence, as HTML.
QString aboutPage(const DataFacts& facts);

// Each key of the actions and of the fields, and what it does, as an HTML table: the actions'
// own shortcuts, so that the page never tells a key the menus do not have.
QString shortcutsPage(const QList<QAction*>& actions);
