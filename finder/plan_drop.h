// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// A file dropped on the window it watches is taken as a plan file whose route to open.
class PlanDrop : public QObject {
    Q_OBJECT

  public:
    // Makes the window take drops, and watches them.
    explicit PlanDrop(QWidget* window);

  signals:
    void planDropped(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
