// SPDX-License-Identifier: MIT
#include "finder/map_pane.h"

#include "finder/core/qt_text.h"
#include "finder/map_painter.h"
#include "map/land.h"
#include "map/map_layers.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace {

// A notch of the wheel, or a key, zooms by this much.
constexpr double kZoomStep = 1.5;
// A key's pan is this part of the pane.
constexpr double kPanStep = 0.2;
// A double click this close to a mark chooses it.
constexpr double kMarkReach = 8;
// A press and release this few pixels apart is a click.
constexpr double kClickSlack = 3;
// The lands people live on, from Cape Horn to the North Cape.
constexpr icao::DegreeBox kWorldShown{-170, 190, -56, 72};

icao::PicturePoint pictureOf(const QPointF& point) {
    return {point.x(), point.y()};
}

} // namespace

MapPane::MapPane(QWidget* parent) : QWidget(parent) {
    setObjectName("map");
    setAccessibleName(tr("Map"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
}

QSize MapPane::sizeHint() const {
    return {480, 300};
}

void MapPane::showNeighbourhood(icao::Neighbourhood neighbourhood) {
    shown_ = std::move(neighbourhood);
    fitView();
}

void MapPane::setAtlas(std::shared_ptr<const icao::AirfieldAtlas> atlas) {
    atlas_ = std::move(atlas);
    if (view_) {
        setView(*view_);
    }
}

void MapPane::setDistanceUnit(icao::DistanceUnit unit) {
    unit_ = unit;
    if (view_) {
        setView(*view_);
    }
}

void MapPane::showRoute(std::vector<icao::MarkedAirfield> stops) {
    RouteShown route{std::move(stops), {}};
    route.line = icao::routeLineOf(route.stops);
    shown_ = std::move(route);
    fitView();
}

void MapPane::showWorld() {
    shown_ = WorldShown{};
    fitView();
}

void MapPane::fitView() {
    const double width = std::max(1, this->width());
    const double height = std::max(1, this->height());
    if (const auto* neighbourhood = std::get_if<icao::Neighbourhood>(&shown_)) {
        setView(icao::neighbourhoodView(*neighbourhood, width, height));
    } else if (const auto* route = std::get_if<RouteShown>(&shown_)) {
        setView(icao::routeView(route->line, width, height));
    } else if (std::holds_alternative<WorldShown>(shown_)) {
        setView(icao::MapView(kWorldShown, width, height));
    }
    fitted_ = true;
}

void MapPane::moveView(const icao::MapView& view) {
    setView(view);
    fitted_ = false;
}

void MapPane::setView(const icao::MapView& view) {
    view_ = view;
    if (const auto* neighbourhood = std::get_if<icao::Neighbourhood>(&shown_)) {
        drawing_ = icao::neighbourhoodDrawing(*neighbourhood, icao::builtInWorld(), view, unit_,
                                              icao::Labels::Apart);
    } else if (const auto* route = std::get_if<RouteShown>(&shown_)) {
        drawing_ = icao::routeDrawing(route->stops, route->line, icao::builtInWorld(), view, unit_,
                                      icao::Labels::Apart);
    } else {
        drawing_ = icao::landDrawing(icao::builtInWorld(), view);
        drawing_.labels = icao::Labels::Apart;
    }
    // The world alone is drawn without the atlas's marks: a thousand of them would cost a frame
    // as long as a keystroke's wait, and say little at that scale.
    if (atlas_ && !std::holds_alternative<WorldShown>(shown_)) {
        icao::markAtlasAirfields(*atlas_, view, drawing_);
    }
    // A screen reader tells what the map shows.
    setAccessibleDescription(qt(drawing_.title));
    update();
}

void MapPane::zoomAbout(double factor, const QPointF& fixed) {
    if (view_) {
        moveView(view_->zoomed(factor, pictureOf(fixed)));
    }
}

void MapPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const MapColours colours = MapColours::of(palette());
    if (!view_) {
        painter.fillRect(rect(), colours.sea);
        return;
    }
    paintMap(painter, drawing_, colours);
    if (selected_.isEmpty()) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
    painter.setBrush(Qt::NoBrush);
    for (const icao::DrawnAirfield& airfield : drawing_.airfields) {
        if (qt(airfield.code) == selected_) {
            const double radius = icao::markRadiusOf(airfield) + 4;
            painter.drawEllipse(QPointF(airfield.at.x, airfield.at.y), radius, radius);
        }
    }
}

void MapPane::markSelected(const QString& code) {
    selected_ = code;
    update();
}

void MapPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Until the user zooms or pans, the view is fitted again to each size; after, a new size
    // keeps the part of the world they chose, its middle where it was.
    if (view_ && !fitted_) {
        setView(view_->resized(width(), height()));
    } else {
        fitView();
    }
}

void MapPane::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) {
        zoomAbout(std::pow(kZoomStep, notches), event->position());
    }
    event->accept();
}

void MapPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        pressedAt_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void MapPane::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_ && view_) {
        moveView(view_->panned(pictureOf(*dragFrom_), pictureOf(event->position())));
        dragFrom_ = event->position();
    }
}

void MapPane::mouseReleaseEvent(QMouseEvent* event) {
    dragFrom_.reset();
    setCursor(Qt::OpenHandCursor);
    // A press and release in one place is a click, not a drag.
    if (pressedAt_ && event->button() == Qt::LeftButton &&
        (event->position() - *pressedAt_).manhattanLength() <= kClickSlack) {
        if (const icao::DrawnAirfield* mark = markAt(event->position())) {
            emit airfieldChosen(qt(mark->code));
        }
    }
    pressedAt_.reset();
}

// A double click chooses as a click does, and the release that ends it chooses nothing more.
void MapPane::mouseDoubleClickEvent(QMouseEvent* event) {
    pressedAt_.reset();
    if (const icao::DrawnAirfield* mark = markAt(event->position())) {
        emit airfieldChosen(qt(mark->code));
    }
}

const icao::DrawnAirfield* MapPane::markAt(const QPointF& at) const {
    const icao::DrawnAirfield* nearest = nullptr;
    double nearestDistance = kMarkReach;
    for (const icao::DrawnAirfield& airfield : drawing_.airfields) {
        const double distance = std::hypot(airfield.at.x - at.x(), airfield.at.y - at.y());
        // The airfields the map is about come first: of two marks as near, theirs is meant.
        if (distance < nearestDistance) {
            nearest = &airfield;
            nearestDistance = distance;
        }
    }
    return nearest;
}

QString MapPane::tipAt(const QPointF& at) const {
    if (const icao::DrawnAirfield* mark = markAt(at)) {
        return mark->name.empty() ? qt(mark->label)
                                  : tr("%1  %2").arg(qt(mark->label), qt(mark->name));
    }
    for (const icao::DrawnNavaid& navaid : drawing_.navaids) {
        if (std::hypot(navaid.at.x - at.x(), navaid.at.y - at.y()) < kMarkReach) {
            return (navaid.ndb ? tr("%1  radio beacon (NDB)") : tr("%1  VHF navaid (VOR, DME)"))
                .arg(qt(navaid.ident));
        }
    }
    return {};
}

bool MapPane::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = tipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void MapPane::keyPressEvent(QKeyEvent* event) {
    const QPointF middle(width() / 2.0, height() / 2.0);
    const double across = width() * kPanStep;
    const double up = height() * kPanStep;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomAbout(kZoomStep, middle);
        return;
    case Qt::Key_Minus:
        zoomAbout(1 / kZoomStep, middle);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (view_) {
            // An arrow shows more of the world that way: what was there moves toward the middle.
            const QPointF away = event->key() == Qt::Key_Left    ? QPointF(across, 0)
                                 : event->key() == Qt::Key_Right ? QPointF(-across, 0)
                                 : event->key() == Qt::Key_Up    ? QPointF(0, up)
                                                                 : QPointF(0, -up);
            moveView(view_->panned(pictureOf(middle), pictureOf(middle + away)));
        }
        return;
    case Qt::Key_Home:
        fitView();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MapPane::showSubject(const MapSubject& subject) {
    if (const auto* stops = std::get_if<std::vector<icao::MarkedAirfield>>(&subject)) {
        showRoute(*stops);
    } else if (const auto* neighbourhood = std::get_if<icao::Neighbourhood>(&subject)) {
        showNeighbourhood(*neighbourhood);
    } else {
        showWorld();
    }
}
