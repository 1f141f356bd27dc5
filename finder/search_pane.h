// SPDX-License-Identifier: MIT
#pragma once

#include "finder/filter_bar.h"
#include "finder/results_table.h"

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QToolButton;

// The search field and its filters over the airfields found, and a message where the data
// file cannot be read. The field's arrow keys move the table's selection, Enter goes on to
// the details, Escape clears the field and Ctrl+C copies the selected code.
class SearchPane : public QWidget {
    Q_OBJECT

  public:
    explicit SearchPane(QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    ResultsTable* table() const { return table_; }
    FilterBar* filters() const { return filters_; }
    QToolButton* filtersButton() const { return filtersButton_; }
    // Shows and hides the filters; in the View menu too.
    QAction* showFiltersAction() const { return showFilters_; }
    // Whether the answer shown has more rows than it shows.
    void setMoreToShow(bool more) { moreToShow_ = more; }
    // Asks for the rows after those shown.
    void askForMore(bool stepPast);
    // The data file's trouble over the results; none where the file was read.
    void showFileMessage(const QString& message);

  signals:
    // More rows than the `shownHits` shown wanted; the airfield selected to be selected
    // again, or the row after it where `stepPast`, as Down past the last row asks.
    void moreWanted(const QString& selected, std::size_t shownHits, bool stepPast);
    // Enter on a row selected.
    void rowChosen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Routes a key pressed in the search field; says whether it was taken.
    bool routeSearchKey(QKeyEvent* key);

    QLineEdit* field_;
    QAction* showFilters_;
    QToolButton* filtersButton_;
    FilterBar* filters_;
    QLabel* message_;
    ResultsTable* table_;
    bool moreToShow_ = false;
};
