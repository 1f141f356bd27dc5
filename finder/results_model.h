// SPDX-License-Identifier: MIT
#pragma once

#include "search/find_result.h"

#include <QAbstractTableModel>
#include <vector>

// The rows of a search, best first as find ranks them: its hits, then the records it suggests
// instead, marked "did you mean".
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Icao, Iata, Name, Place, Country, Kind, Suggested, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void show(const icao::FindResult& result);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const icao::AirportRecord& record(int row) const { return rows_[row].record; }
    bool isSuggestion(int row) const { return rows_[row].suggested; }
    std::size_t hitCount() const { return hits_; }
    // The row's cells, tab-separated, as the header names them.
    QString rowText(int row) const;

  private:
    struct Row {
        icao::AirportRecord record;
        bool suggested;
    };
    std::vector<Row> rows_;
    std::size_t hits_ = 0;
};
