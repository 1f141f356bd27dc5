// SPDX-License-Identifier: MIT
#include "finder/search_pane.h"

#include "search/find.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

SearchPane::SearchPane(QWidget* parent)
    : QWidget(parent), field_(new QLineEdit), showFilters_(new QAction(tr("&Filters"), this)),
      filtersButton_(new QToolButton), filters_(new FilterBar), message_(new QLabel),
      table_(new ResultsTable) {
    field_->setObjectName("search");
    field_->setPlaceholderText(tr("Code, name or place"));
    field_->setAccessibleName(tr("Search"));
    field_->setClearButtonEnabled(true);
    field_->setMaxLength(static_cast<int>(icao::kMaxFindText));
    field_->installEventFilter(this);
    showFilters_->setObjectName("showFilters");
    showFilters_->setCheckable(true);
    showFilters_->setShortcut(tr("Ctrl+Shift+F"));
    showFilters_->setToolTip(tr("Keep to airfields of a kind, a country or a runway"));
    filtersButton_->setDefaultAction(showFilters_);
    filtersButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    filters_->hide();
    connect(showFilters_, &QAction::toggled, filters_, &QWidget::setVisible);
    connect(filters_, &FilterBar::changed, this, [this] {
        const int conditions = filters_->conditionCount();
        showFilters_->setText(conditions == 0 ? tr("&Filters")
                                              : tr("&Filters (%1)").arg(conditions));
    });
    message_->setObjectName("dataFileMessage");
    // A label's text is what a screen reader reads as its name; what it is goes in the
    // description, so that a name given does not hide the text.
    message_->setAccessibleDescription(tr("Data file message"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(field_);
    searchRow->addWidget(filtersButton_);
    layout->addLayout(searchRow);
    layout->addWidget(filters_);
    layout->addWidget(message_);
    layout->addWidget(table_);
}

void SearchPane::showFileMessage(const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

void SearchPane::askForMore(bool stepPast) {
    const int row = table_->selectedRow();
    const ResultsModel& results = table_->results();
    emit moreWanted(row >= 0 ? results.value(row, ResultsModel::Icao) : QString(),
                    results.hitCount(), stepPast);
}

bool SearchPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress &&
        routeSearchKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool SearchPane::routeSearchKey(QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        // Past the last row shown, the next rows come.
        if (table_->selectedRow() + 1 == table_->results().rowCount() && moreToShow_) {
            askForMore(true);
            return true;
        }
        QApplication::sendEvent(table_, key);
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        QApplication::sendEvent(table_, key);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (table_->selectedRow() >= 0) {
            emit rowChosen();
        }
        return true;
    case Qt::Key_Escape:
        field_->clear();
        return true;
    default:
        break;
    }
    if (key->matches(QKeySequence::Copy) && !field_->hasSelectedText()) {
        table_->copySelected(ResultsModel::Icao);
        return true;
    }
    return false;
}
