// SPDX-License-Identifier: MIT
#pragma once

#include "search/find_result.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of a search, best first as find ranks them: its hits, then the records it suggests
// instead, whose names say "did you mean", in italics. A click on a column's header sorts by
// it; a third click, or column -1, gives back the order of best first.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Icao, Iata, Name, Place, Country, Kind, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void show(const icao::FindResult& result);
    void clear();

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
    // The row's values, tab-separated, as the header names them, then "did you mean" for a
    // suggestion.
    QString rowText(int row) const;

  private:
    struct Row {
        icao::AirportRecord record;
        bool suggested;
        // Its place in the order of best first.
        std::size_t rank;
    };
    void sortRows();

    std::vector<Row> rows_;
    std::size_t hits_ = 0;
    std::size_t matched_ = 0;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
