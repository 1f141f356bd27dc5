// SPDX-License-Identifier: MIT
#include "finder/route_pane.h"

#include "finder/route_legs.h"
#include "records/airfield_details.h"
#include "records/magnetic_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// How long typing in the route field rests before its last word is read as typed whole.
constexpr int kRouteRestMs = 800;
// The fewest lines of legs shown at once; more scroll.
constexpr int kLeastLegsLines = 3;
// The most characters the route field holds: as much as icao dist reads, and more than
// 1,000 words of any length pasted.
constexpr int kLongestRoute = 1'000'000;

} // namespace

RoutePane::RoutePane(QWidget* parent)
    : QWidget(parent), route_(new QLineEdit), speed_(new QLineEdit), legs_(new QTableView),
      legsModel_(new LegsModel(legs_)), total_(new QLabel), readings_(new QTextBrowser) {
    route_->setObjectName("route");
    route_->setPlaceholderText(tr("Route: codes or names, such as EGLL KJFK RJTT"));
    route_->setAccessibleName(tr("Route"));
    route_->setClearButtonEnabled(true);
    route_->setMaxLength(kLongestRoute);
    speed_->setObjectName("speed");
    speed_->setPlaceholderText(tr("Speed, such as 450kt"));
    speed_->setAccessibleName(tr("Ground speed"));
    speed_->setToolTip(tr("The ground speed to reckon time en route at: kt, km/h or mph"));
    speed_->setMaximumWidth(fontMetrics().averageCharWidth() * 24);
    // The legs in a table, which lays out only the rows in sight and scrolls within itself, so
    // that a long route neither holds the window up nor moves anything else.
    legs_->setObjectName("legs");
    legs_->setAccessibleName(tr("Route legs"));
    legs_->setModel(legsModel_);
    legs_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    legs_->horizontalHeader()->setHighlightSections(false);
    legs_->verticalHeader()->hide();
    legs_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    legs_->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() * 5 / 4);
    legs_->setShowGrid(false);
    legs_->setWordWrap(false);
    legs_->setTabKeyNavigation(false);
    legs_->setSelectionMode(QAbstractItemView::NoSelection);
    legs_->setFrameShape(QFrame::NoFrame);
    legs_->viewport()->setBackgroundRole(QPalette::Window);
    total_->setObjectName("routeTotal");
    total_->setAccessibleDescription(tr("Route total"));
    total_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = total_->font();
    bold.setBold(true);
    total_->setFont(bold);
    total_->hide();
    readings_->setObjectName("routeReadings");
    readings_->setAccessibleName(tr("How the route was read"));
    readings_->setOpenLinks(false);
    readings_->setFrameShape(QFrame::NoFrame);
    readings_->viewport()->setBackgroundRole(QPalette::Window);
    readings_->setMinimumHeight(fontMetrics().lineSpacing() * kLeastLegsLines);
    readings_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* routeRow = new QHBoxLayout;
    routeRow->addWidget(route_);
    routeRow->addWidget(speed_);
    layout->addLayout(routeRow);
    // The legs as tall as they are, up to the room there is; the readings under them.
    layout->addWidget(legs_);
    layout->addWidget(total_);
    layout->addWidget(readings_, 1);
    layout->addStretch();

    rested_.setSingleShot(true);
    rested_.setInterval(kRouteRestMs);
    connect(&rested_, &QTimer::timeout, this, [this] { emit planWanted(route_->text(), true); });
    connect(route_, &QLineEdit::textChanged, this, [this](const QString& text) {
        emit planWanted(text, false);
        rested_.start();
    });
    connect(route_, &QLineEdit::returnPressed, this, [this] {
        rested_.stop();
        emit planWanted(route_->text(), true);
    });
    connect(speed_, &QLineEdit::textChanged, this, &RoutePane::showLegs);
    connect(readings_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const auto link = stopLinkOf(url.toString());
        if (link && plan_ && link->at < plan_->reading.stops.size()) {
            route_->setText(routeWithStop(*plan_, link->at, link->code));
        }
    });
}

void RoutePane::showPlan(const std::optional<RoutePlan>& plan) {
    plan_ = plan;
    showLegs();
}

void RoutePane::takeRoute(const QString& text) {
    route_->setText(text);
    rested_.stop();
    emit planWanted(text, true);
}

void RoutePane::setDistanceUnit(icao::DistanceUnit unit) {
    unit_ = unit;
    showLegs();
}

void RoutePane::showLegs() {
    LegsTable table;
    QString readings;
    if (plan_ && !route_->text().trimmed().isEmpty()) {
        const QString speed = speed_->text().trimmed();
        const auto knots = icao::knotsOf(speed.toStdString());
        const LegsTelling telling{unit_, knots, !speed.isEmpty() && !knots,
                                  icao::decimalYearOf(icao::secondsNow())};
        table = legsTableOf(*plan_, telling);
        readings = routeReadingsPage(*plan_, telling);
    }
    legsModel_->show(table.headings, table.meanings, std::move(table.rows));
    legs_->setVisible(legsModel_->rowCount() > 0);
    total_->setText(table.total);
    total_->setVisible(!table.total.isEmpty());
    fitLegsHeight();
    readings_->setHtml(readings);
    readings_->setVisible(!readings.isEmpty());
}

// As tall as the legs' rows, so that the total and the readings stand right under a short
// route; never so short that fewer than a few legs show, nor that a scroll bar across hides
// one.
void RoutePane::fitLegsHeight() {
    QHeaderView* columns = legs_->horizontalHeader();
    columns->resizeSections(QHeaderView::ResizeToContents);
    const int across = columns->length() > legs_->width() - 2 * legs_->frameWidth()
                           ? legs_->horizontalScrollBar()->sizeHint().height()
                           : 0;
    const int edges = columns->sizeHint().height() + across + 2 * legs_->frameWidth();
    const int rows = legs_->verticalHeader()->length();
    legs_->setMaximumHeight(rows + edges);
    legs_->setMinimumHeight(
        std::min(rows, legs_->verticalHeader()->defaultSectionSize() * kLeastLegsLines) + edges);
}

void RoutePane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitLegsHeight();
}
