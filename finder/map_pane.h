// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/finder_controller.h"
#include "map/airfield_atlas.h"
#include "map/drawing.h"
#include "map/map_view.h"
#include "map/neighbourhood_map.h"
#include "map/route_map.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <variant>

// The finder's map: the selected airfield among its neighbours, or the route of the route
// field, whichever was asked for last. The wheel zooms about the pointer, dragging pans, the
// keys + and - zoom and the arrows pan; a click on a marked airfield asks for it. Every other
// airfield in view that the scale shows is marked too, fainter.
class MapPane : public QWidget {
    Q_OBJECT

  public:
    explicit MapPane(QWidget* parent = nullptr);

    void showNeighbourhood(icao::Neighbourhood neighbourhood);
    // What the finder chose to show: the world, a neighbourhood or a route.
    void showSubject(const MapSubject& subject);
    // The airfields marked besides those the map is about, every one in view that its scale
    // shows.
    void setAtlas(std::shared_ptr<const icao::AirfieldAtlas> atlas);
    // The unit of the rings and the scale bar.
    void setDistanceUnit(icao::DistanceUnit unit);
    void showRoute(std::vector<icao::MarkedAirfield> stops);
    // The world's land: what the map shows while it is about nothing in particular.
    void showWorld();
    // Rings the mark of this code, the airfield selected among a route's stops; none for an
    // empty code.
    void markSelected(const QString& code);
    const QString& markedSelected() const { return selected_; }

    // What is drawn, and in what view; none while nothing is shown.
    const std::optional<icao::MapView>& view() const { return view_; }
    const icao::MapDrawing& drawing() const { return drawing_; }

    QSize sizeHint() const override;

  signals:
    // A marked airfield clicked: its label, the code.
    void airfieldChosen(const QString& code);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Nothing yet: the sea alone, until the finder asks for something.
    struct NothingShown {};
    struct WorldShown {};
    struct RouteShown {
        std::vector<icao::MarkedAirfield> stops;
        icao::RouteLine line;
    };

    void fitView();
    void setView(const icao::MapView& view);
    // A view the user chose, by zooming or panning.
    void moveView(const icao::MapView& view);
    void zoomAbout(double factor, const QPointF& fixed);
    // The marked airfield nearest the point, within reach of its mark.
    const icao::DrawnAirfield* markAt(const QPointF& at) const;
    // What the mark under the point is: an airfield's code and name, a navaid's ident and
    // kind; empty where there is none.
    QString tipAt(const QPointF& at) const;

    std::variant<NothingShown, WorldShown, icao::Neighbourhood, RouteShown> shown_;
    std::optional<icao::MapView> view_;
    icao::MapDrawing drawing_;
    std::optional<QPointF> dragFrom_;
    // Whether the view is the one fitted to what is shown, not moved since.
    bool fitted_ = true;
    icao::DistanceUnit unit_ = icao::DistanceUnit::NauticalMile;
    std::shared_ptr<const icao::AirfieldAtlas> atlas_;
    // Where the left button went down, to tell a click from a drag.
    std::optional<QPointF> pressedAt_;
    QString selected_;
};
