// SPDX-License-Identifier: MIT
#include "finder/results_model.h"

#include "finder/core/qt_text.h"
#include "finder/core/shown_units.h"
#include "lookup/airfield_kind.h"

#include <QFont>
#include <QStringList>
#include <algorithm>
#include <cmath>

void ResultsModel::show(const SearchAnswer& answer) {
    beginResetModel();
    rows_.clear();
    kind_ = answer.kind;
    for (const icao::FindHit& hit : answer.result.hits) {
        rows_.push_back({hit.item.record(), false, rows_.size()});
    }
    hits_ = rows_.size();
    matched_ = std::max(hits_, answer.result.matched.value_or(0));
    for (const icao::AirportRecord& record : answer.result.suggestions) {
        rows_.push_back({record, true, rows_.size()});
    }
    for (const icao::NearbyAirport& airport : answer.nearest) {
        rows_.push_back(
            {airport.item.record(), false, rows_.size(), airport.distanceKm, airport.bearing});
    }
    for (const icao::AirportRecord& record : answer.recent) {
        rows_.push_back({record, false, rows_.size()});
    }
    if (answer.kind != SearchAnswer::Kind::Find) {
        hits_ = matched_ = rows_.size();
    }
    sortRows();
    endResetModel();
}

void ResultsModel::clear() {
    show({});
}

void ResultsModel::setDistanceUnit(icao::DistanceUnit unit) {
    unit_ = unit;
    if (!rows_.empty()) {
        emit dataChanged(index(0, Distance), index(rowCount() - 1, Distance));
    }
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ResultsModel::value(int row, int column) const {
    return textOf(rows_[static_cast<std::size_t>(row)], column);
}

QString ResultsModel::textOf(const Row& row, int column) const {
    const icao::AirportRecord& record = row.record;
    switch (column) {
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
    case Distance: {
        if (!showsNearest()) {
            return {};
        }
        return distanceText(row.distanceKm, unit_, 1) + ' ' + courseText(row.bearing);
    }
    default:
        return {};
    }
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const bool suggested = rows_[static_cast<std::size_t>(index.row())].suggested;
    if (role == Qt::FontRole && suggested) {
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    if (role == Qt::ToolTipRole && suggested) {
        return tr("Nothing matched; this airfield's name or code is near what was typed");
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const QString shown = value(index.row(), index.column());
    return suggested && index.column() == Name ? tr("did you mean %1?").arg(shown) : shown;
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const kHeaders[] = {
        QT_TR_NOOP("ICAO"),    QT_TR_NOOP("IATA"), QT_TR_NOOP("Name"),    QT_TR_NOOP("Place"),
        QT_TR_NOOP("Country"), QT_TR_NOOP("Kind"), QT_TR_NOOP("Distance")};
    return section >= 0 && section < ColumnCount ? tr(kHeaders[section]) : QVariant();
}

void ResultsModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> ranksBefore;
    for (const QModelIndex& index : before) {
        ranksBefore.push_back(rows_[static_cast<std::size_t>(index.row())].rank);
    }
    sortRows();
    // The selection follows its row to where it is sorted.
    std::vector<int> rowOfRank(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        rowOfRank[rows_[row].rank] = static_cast<int>(row);
    }
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        after << index(rowOfRank[ranksBefore[static_cast<std::size_t>(i)]], before[i].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// By the column, as a reader sorts: letters in the locale's order, a kind by size; rows that
// are equal stay best first.
void ResultsModel::sortRows() {
    if (sortColumn_ < 0 || sortColumn_ >= ColumnCount) {
        std::sort(rows_.begin(), rows_.end(),
                  [](const Row& a, const Row& b) { return a.rank < b.rank; });
        return;
    }
    const auto compare = [this](const Row& a, const Row& b) {
        if (sortColumn_ == Kind) {
            return static_cast<int>(a.record.kind()) - static_cast<int>(b.record.kind());
        }
        if (sortColumn_ == Distance) {
            return a.distanceKm < b.distanceKm ? -1 : a.distanceKm > b.distanceKm ? 1 : 0;
        }
        return QString::localeAwareCompare(textOf(a, sortColumn_), textOf(b, sortColumn_));
    };
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
        const int order = compare(a, b);
        return order != 0 ? (descending ? order > 0 : order < 0) : a.rank < b.rank;
    });
}

std::optional<int> ResultsModel::rowOf(const QString& code) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (qt(rows_[row].record.code) == code) {
            return static_cast<int>(row);
        }
    }
    return std::nullopt;
}

QString ResultsModel::rowText(int row) const {
    QStringList cells;
    for (int column = 0; column < ColumnCount; ++column) {
        if (column != Distance || showsNearest()) {
            cells << value(row, column);
        }
    }
    if (isSuggestion(row)) {
        cells << tr("did you mean");
    }
    return cells.join('\t');
}
