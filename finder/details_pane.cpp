// SPDX-License-Identifier: MIT
#include "finder/details_pane.h"

#include "finder/details_page.h"
#include "records/airfield_details.h"

namespace {

constexpr int kMinuteMs = 60 * 1000;

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
    if (airfield_) {
        setHtml(detailsPage(*airfield_, icao::secondsNow(), units_));
    } else {
        clear();
    }
}
