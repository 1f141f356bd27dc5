// SPDX-License-Identifier: MIT
#include "finder/results_table.h"

#include "finder/core/qt_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>

namespace {

// As many characters as most airfields' names have.
constexpr int kNameCharacters = 26;
// As many as most places have.
constexpr int kPlaceCharacters = 11;

} // namespace

ResultsTable::ResultsTable(QWidget* parent) : QTableView(parent), model_(new ResultsModel(this)) {
    setObjectName("results");
    setModel(model_);
    setAccessibleName(tr("Airfields found"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    // The codes, the country, the kind and the distance as wide as they are, the name taking
    // what the window gives, the place as the user sets it.
    QHeaderView* header = horizontalHeader();
    for (const int column : {ResultsModel::Icao, ResultsModel::Iata, ResultsModel::Country,
                             ResultsModel::Kind, ResultsModel::Distance}) {
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    setColumnHidden(ResultsModel::Distance, true);
    header->setResizeContentsPrecision(static_cast<int>(kFirstShownHits));
    header->setStretchLastSection(false);
    // Best first until a header is clicked; a third click gives that order back.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    setSortingEnabled(true);
    connect(header, &QHeaderView::sectionResized, this, [this](int column) {
        if (column != ResultsModel::Name) {
            fitNameColumn();
        }
    });
    showSelectionAsActive();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    const icao::AirportRecord& record = model_->record(current.row());
                    emit airfieldSelected(qt(record.code), record.line);
                }
            });
    connect(this, &QTableView::customContextMenuRequested, this, &ResultsTable::showRowMenu);
    // Ctrl+C in the table copies the selected code, as it does from the search field.
    auto* copyCode = new QAction(tr("Copy ICAO code"), this);
    copyCode->setShortcut(QKeySequence::Copy);
    copyCode->setShortcutContext(Qt::WidgetShortcut);
    addAction(copyCode);
    connect(copyCode, &QAction::triggered, this, [this] { copySelected(ResultsModel::Icao); });
}

bool ResultsTable::showAnswer(const SearchAnswer& answer, const QString& keep, bool stepPast) {
    model_->show(answer);
    setColumnHidden(ResultsModel::Distance, !model_->showsNearest());
    // The airfields looked at lately wait to be chosen: Escape, say, changes nothing shown.
    if ((answer.kind == SearchAnswer::Kind::Recent && keep.isEmpty()) || model_->rowCount() == 0) {
        emit noneSelected();
        return false;
    }
    int row = 0;
    if (const auto kept = keep.isEmpty() ? std::nullopt : model_->rowOf(keep)) {
        row = std::min(*kept + int(stepPast), model_->rowCount() - 1);
    }
    selectRowShown(row);
    return true;
}

void ResultsTable::selectCode(const QString& code) {
    if (const auto row = model_->rowOf(code)) {
        selectRowShown(*row);
    }
}

void ResultsTable::selectRowShown(int row) {
    selectRow(row);
    scrollTo(model_->index(row, 0));
}

int ResultsTable::selectedRow() const {
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ResultsTable::copySelected(int column) {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    const QString text = column < 0 ? model_->rowText(row) : model_->value(row, column);
    QApplication::clipboard()->setText(text);
    emit copied(text);
}

void ResultsTable::showRowMenu(const QPoint& position) {
    if (!indexAt(position).isValid()) {
        return;
    }
    QMenu menu(this);
    connect(menu.addAction(tr("Copy ICAO code")), &QAction::triggered, this,
            [this] { copySelected(ResultsModel::Icao); });
    connect(menu.addAction(tr("Copy name")), &QAction::triggered, this,
            [this] { copySelected(ResultsModel::Name); });
    connect(menu.addAction(tr("Copy row")), &QAction::triggered, this,
            [this] { copySelected(-1); });
    menu.exec(viewport()->mapToGlobal(position));
}

void ResultsTable::restorePlaceColumn(int width, const QString& measuredIn) {
    const bool sameFont = measuredIn == font().toString();
    setColumnWidth(ResultsModel::Place, sameFont && width > 0
                                            ? width
                                            : kPlaceCharacters * fontMetrics().averageCharWidth());
}

// The name takes the room the other columns leave, never less than a long name needs: in a
// narrow window the table scrolls sideways rather than cut the names short.
void ResultsTable::fitNameColumn() {
    const QHeaderView* header = horizontalHeader();
    int others = 0;
    for (int column = 0; column < ResultsModel::ColumnCount; ++column) {
        others += column == ResultsModel::Name ? 0 : header->sectionSize(column);
    }
    const int least = kNameCharacters * fontMetrics().averageCharWidth();
    setColumnWidth(ResultsModel::Name, std::max(least, viewport()->width() - others));
}

bool ResultsTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        fitNameColumn();
    }
    return QTableView::viewportEvent(event);
}

// The search field's keys move the selection, so it shows as plainly while the field has the
// focus as when the table has it; some styles grey an unfocused selection out.
void ResultsTable::showSelectionAsActive() {
    QPalette colours = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
}

void ResultsTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        showSelectionAsActive();
    }
    QTableView::changeEvent(event);
}
