// SPDX-License-Identifier: MIT
#pragma once

#include "finder/results_model.h"

#include <QTableView>

// The airfields found, best first, a row selected at a time: the name takes the room the
// other columns leave, the selection shows as plainly without the focus, and a row's code, name
// or whole row is copied from its menu or with Ctrl+C.
class ResultsTable : public QTableView {
    Q_OBJECT

  public:
    explicit ResultsTable(QWidget* parent = nullptr);

    ResultsModel& results() { return *model_; }
    const ResultsModel& results() const { return *model_; }
    // Shows the answer and selects its airfield `keep`, or the row after it where `stepPast`,
    // or else the first row; none where the answer is the airfields looked at lately and
    // nothing is kept. Says whether a row is selected.
    bool showAnswer(const SearchAnswer& answer, const QString& keep, bool stepPast);
    void selectCode(const QString& code);
    // The selected row; -1 for none.
    int selectedRow() const;
    // Copies a cell of the selected row, or the whole row for column -1.
    void copySelected(int column);

    int placeColumnWidth() const { return columnWidth(ResultsModel::Place); }
    // The place's width as the user left it, where it was measured in this font; else room
    // for a place as most are.
    void restorePlaceColumn(int width, const QString& measuredIn);

  signals:
    // A row's airfield selected, or none.
    void airfieldSelected(const QString& code, std::size_t line);
    void noneSelected();
    // Text put on the clipboard.
    void copied(const QString& text);

  protected:
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void fitNameColumn();
    void showSelectionAsActive();
    void showRowMenu(const QPoint& position);
    void selectRowShown(int row);

    // The view's child, so that it outlives the view's own destructor.
    ResultsModel* model_;
};
