// SPDX-License-Identifier: MIT
#include "finder/legs_model.h"

void LegsModel::show(QStringList headings, QStringList meanings, std::vector<QStringList> rows) {
    // The same rows again keep where the user scrolled to.
    if (rows == rows_ && headings == headings_) {
        return;
    }
    beginResetModel();
    headings_ = std::move(headings);
    meanings_ = std::move(meanings);
    rows_ = std::move(rows);
    endResetModel();
}

int LegsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LegsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || rows_.empty() ? 0 : static_cast<int>(headings_.size());
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
    default:
        return {};
    }
}

QVariant LegsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return headings_.value(section);
    case Qt::ToolTipRole:
        return meanings_.value(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (section == 0 ? Qt::AlignLeft : Qt::AlignRight));
    default:
        return {};
    }
}
