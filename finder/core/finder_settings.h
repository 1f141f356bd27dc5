// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/shown_units.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The window's layout as the user left it: its frame, the splitters' states, and the place
// column's width in the font it was measured in.
struct FinderLayout {
    QByteArray geometry;
    QByteArray splitter;
    QByteArray left;
    QByteArray aside;
    int placeColumn = 0;
    QString columnsFont;
};

// What the finder keeps from one run to the next; the only place its settings' keys are
// written, so that a key cannot be read under one name and written under another.
class FinderSettings {
  public:
    // The data file chosen with File > Open; `shipped` where none was.
    QString dataFile(const QString& shipped) const;
    void setDataFile(const QString& dataFile);
    // The shipped file is no choice to remember: the next start reads it anyway, wherever the
    // program is then.
    void forgetDataFile();

    ShownUnits units() const;
    void setDistanceUnit(icao::DistanceUnit unit);
    void setLengthUnit(icao::LengthUnit unit);

    // The airfields looked at lately, latest first.
    QStringList recentCodes() const;
    void setRecentCodes(const QStringList& codes);

    // The folder a plan file was last opened from or exported to; empty before any.
    QString planFolder() const;
    void setPlanFolder(const QString& folder);

    FinderLayout layout() const;
    void setLayout(const FinderLayout& layout);
};
