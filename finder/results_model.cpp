// SPDX-License-Identifier: MIT
#include "finder/results_model.h"

#include "finder/qt_text.h"
#include "lookup/airfield_kind.h"

#include <QStringList>

void ResultsModel::show(const icao::FindResult& result) {
    beginResetModel();
    rows_.clear();
    for (const icao::FindHit& hit : result.hits) {
        rows_.push_back({hit.item.record(), false});
    }
    for (const icao::AirportRecord& record : result.suggestions) {
        rows_.push_back({record, true});
    }
    hits_ = result.hits.size();
    endResetModel();
}

void ResultsModel::clear() {
    show({});
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const icao::AirportRecord& record = row.record;
    switch (index.column()) {
    case Icao:
        return qt(record.code);
    case Iata:
        return qt(record.iata);
    case Name:
        return qt(record.name);
    case Place:
        return qt(record.municipality);
    case Country:
        return qt(record.country);
    case Kind:
        return QString::fromUtf8(icao::kindName(record.kind()));
    case Suggested:
        return row.suggested ? tr("did you mean") : QString();
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const kHeaders[] = {QT_TR_NOOP("ICAO"),
                                           QT_TR_NOOP("IATA"),
                                           QT_TR_NOOP("Name"),
                                           QT_TR_NOOP("Place"),
                                           QT_TR_NOOP("Country"),
                                           QT_TR_NOOP("Kind"),
                                           ""};
    return section >= 0 && section < ColumnCount ? tr(kHeaders[section]) : QVariant();
}

QString ResultsModel::rowText(int row) const {
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column) {
        const QString cell = data(this->index(row, column), Qt::DisplayRole).toString();
        if (column != Suggested || !cell.isEmpty()) {
            cells << cell;
        }
    }
    return cells.join('\t');
}
