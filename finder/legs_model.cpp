// SPDX-License-Identifier: MIT
#include "finder/legs_model.h"

#include <QFont>

void LegsModel::show(std::vector<QStringList> rows) {
    // The same rows again keep where the user scrolled to.
    if (rows == rows_) {
        return;
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int LegsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LegsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || rows_.empty() ? 0 : static_cast<int>(rows_.front().size());
}

QVariant LegsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return rows_[row].value(index.column());
    case Qt::TextAlignmentRole:
        // The leg's codes read from the left, the figures line up on the right.
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::FontRole:
        if (row + 1 == rows_.size()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}
