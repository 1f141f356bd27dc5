// SPDX-License-Identifier: MIT
#include "finder/details_pane.h"

#include "finder/details_page.h"
#include "finder/html.h"
#include "records/airfield_details.h"

namespace {

constexpr int kMinuteMs = 60 * 1000;

// What the pane says before an airfield is chosen: what may be typed where.
QString startPage() {
    return (Html::tag("h3", Html::text(DetailsPane::tr("ICAO Finder"))) +
            Html::tag("p", Html::text(DetailsPane::tr(
                               "Type an ICAO or IATA code, a name or a place in the search "
                               "field; or a latitude and longitude, such as 51.47,-0.46, for "
                               "the airfields nearest it."))) +
            Html::tag("p", Html::text(DetailsPane::tr(
                               "Type stops in the route field, codes or names, such as EGLL "
                               "KJFK, for the legs between them."))))
        .toString();
}

} // namespace

DetailsPane::DetailsPane(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("details");
    setAccessibleName(tr("Airfield details"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.scheme() == kAirfieldLinkScheme) {
            emit airfieldChosen(link.path());
        }
    });
    minute_.setInterval(kMinuteMs);
    connect(&minute_, &QTimer::timeout, this, [this] {
        if (airfield_) {
            showPage();
        }
    });
    minute_.start();
    showPage();
}

void DetailsPane::showAirfield(const std::optional<DescribedAirfield>& airfield) {
    airfield_ = airfield;
    showPage();
}

void DetailsPane::setUnits(ShownUnits units) {
    units_ = units;
    showPage();
}

void DetailsPane::showPage() {
    setHtml(airfield_ ? detailsPage(*airfield_, icao::secondsNow(), units_) : startPage());
}
