// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"
#include "records/units.h"

#include <QAbstractTableModel>
#include <optional>
#include <vector>

// The rows of a search, best first as find ranks them: its hits, then the records it suggests
// instead, whose names say "did you mean", in italics; or the airfields nearest a place, with
// their distance and bearing; or those looked at lately. A click on a column's header sorts by
// it; a third click, or column -1, gives back the order the search gave.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Icao, Iata, Name, Place, Country, Kind, Distance, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void show(const SearchAnswer& answer);
    void clear();
    // The unit of the distances of a nearest list.
    void setDistanceUnit(icao::DistanceUnit unit);
    // Whether the rows are the airfields nearest a place, which have distances.
    bool showsNearest() const { return kind_ == SearchAnswer::Kind::Nearest; }
    SearchAnswer::Kind kind() const { return kind_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    const icao::AirportRecord& record(int row) const { return rows_[row].record; }
    bool isSuggestion(int row) const { return rows_[row].suggested; }
    std::size_t hitCount() const { return hits_; }
    // Every hit the search counted, those not shown too.
    std::size_t matchedCount() const { return matched_; }
    // A cell's value as the record holds it, without "did you mean".
    QString value(int row, int column) const;
    // The row of the airfield of this code; none where it is not shown.
    std::optional<int> rowOf(const QString& code) const;
    // The row's values, tab-separated, as the header names them, then "did you mean" for a
    // suggestion.
    QString rowText(int row) const;

  private:
    struct Row {
        icao::AirportRecord record;
        bool suggested;
        // Its place in the order of best first.
        std::size_t rank;
        // From the place asked, in a nearest list.
        double distanceKm = 0;
        double bearing = 0;
    };
    QString textOf(const Row& row, int column) const;
    void sortRows();

    std::vector<Row> rows_;
    std::size_t hits_ = 0;
    std::size_t matched_ = 0;
    SearchAnswer::Kind kind_ = SearchAnswer::Kind::Find;
    icao::DistanceUnit unit_ = icao::DistanceUnit::NauticalMile;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
