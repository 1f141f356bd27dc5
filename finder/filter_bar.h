// SPDX-License-Identifier: MIT
#pragma once

#include "records/airfield_filter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The conditions the finder's searches and nearest airfields keep to, as icao find and near
// take them: a kind, a country, a region, a runway's least length, its surface and lighting,
// and scheduled service. A length it cannot read is marked and keeps no condition.
class FilterBar : public QWidget {
    Q_OBJECT

  public:
    explicit FilterBar(QWidget* parent = nullptr);

    icao::AirfieldFilter filter() const;
    // How many conditions are set, the unreadable length not among them.
    int conditionCount() const;
    // Every condition cleared.
    void clear();

  signals:
    void changed();

  private:
    void showLengthRead();

    QComboBox* kind_;
    QLineEdit* country_;
    QLineEdit* region_;
    QLineEdit* minRunway_;
    QComboBox* surface_;
    QCheckBox* lighted_;
    QCheckBox* scheduled_;
};
