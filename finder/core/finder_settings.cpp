// SPDX-License-Identifier: MIT
#include "finder/core/finder_settings.h"

#include <QSettings>

namespace {

constexpr char kDataFile[] = "dataFile";
constexpr char kDistanceUnit[] = "units/distance";
constexpr char kLengthUnit[] = "units/length";
constexpr char kRecent[] = "recent";
constexpr char kPlanFolder[] = "planFolder";
constexpr char kGeometry[] = "geometry";
constexpr char kSplitter[] = "splitter";
constexpr char kLeft[] = "left";
constexpr char kAside[] = "aside";
constexpr char kPlaceColumn[] = "placeColumn";
constexpr char kColumnsFont[] = "columnsFont";
// How lengths are kept: the symbols users know.
constexpr char kFeet[] = "ft";
constexpr char kMetres[] = "m";

} // namespace

QString FinderSettings::dataFile(const QString& shipped) const {
    return QSettings().value(kDataFile, shipped).toString();
}

void FinderSettings::setDataFile(const QString& dataFile) {
    QSettings().setValue(kDataFile, dataFile);
}

void FinderSettings::forgetDataFile() {
    QSettings().remove(kDataFile);
}

ShownUnits FinderSettings::units() const {
    const QSettings settings;
    ShownUnits units;
    units.distance = icao::distanceUnitOf(settings.value(kDistanceUnit).toString().toStdString())
                         .value_or(units.distance);
    units.length = settings.value(kLengthUnit).toString() == kMetres ? icao::LengthUnit::Metre
                                                                     : icao::LengthUnit::Foot;
    return units;
}

void FinderSettings::setDistanceUnit(icao::DistanceUnit unit) {
    QSettings().setValue(kDistanceUnit, QString::fromLatin1(icao::nameOf(unit).key.data()));
}

void FinderSettings::setLengthUnit(icao::LengthUnit unit) {
    QSettings().setValue(kLengthUnit, unit == icao::LengthUnit::Metre ? kMetres : kFeet);
}

QStringList FinderSettings::recentCodes() const {
    return QSettings().value(kRecent).toStringList();
}

void FinderSettings::setRecentCodes(const QStringList& codes) {
    QSettings().setValue(kRecent, codes);
}

QString FinderSettings::planFolder() const {
    return QSettings().value(kPlanFolder).toString();
}

void FinderSettings::setPlanFolder(const QString& folder) {
    QSettings().setValue(kPlanFolder, folder);
}

FinderLayout FinderSettings::layout() const {
    const QSettings settings;
    return {settings.value(kGeometry).toByteArray(), settings.value(kSplitter).toByteArray(),
            settings.value(kLeft).toByteArray(),     settings.value(kAside).toByteArray(),
            settings.value(kPlaceColumn).toInt(),    settings.value(kColumnsFont).toString()};
}

void FinderSettings::setLayout(const FinderLayout& layout) {
    QSettings settings;
    settings.setValue(kGeometry, layout.geometry);
    settings.setValue(kSplitter, layout.splitter);
    settings.setValue(kLeft, layout.left);
    settings.setValue(kAside, layout.aside);
    settings.setValue(kPlaceColumn, layout.placeColumn);
    settings.setValue(kColumnsFont, layout.columnsFont);
}
