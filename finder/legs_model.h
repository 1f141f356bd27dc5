// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// A route's legs under their headings, a row of cells each. A view lays out only the rows in
// sight, so however long the route, showing it costs the window little.
class LegsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    // The headings, what each means for its tip, and the rows.
    void show(QStringList headings, QStringList meanings, std::vector<QStringList> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QStringList headings_;
    QStringList meanings_;
    std::vector<QStringList> rows_;
};
