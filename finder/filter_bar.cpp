// SPDX-License-Identifier: MIT
#include "finder/filter_bar.h"

#include "records/units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpressionValidator>

namespace {

// The kinds offered, as icao find's --kind letters: one kind, or the sizes of airport a jet
// or a light aircraft uses.
struct KindChoice {
    const char* label;
    const char* markers;
};
constexpr KindChoice kKindChoices[] = {
    {QT_TRANSLATE_NOOP("FilterBar", "Any kind"), ""},
    {QT_TRANSLATE_NOOP("FilterBar", "Large airports"), "L"},
    {QT_TRANSLATE_NOOP("FilterBar", "Large and medium airports"), "LM"},
    {QT_TRANSLATE_NOOP("FilterBar", "Airports of any size"), "LMS"},
    {QT_TRANSLATE_NOOP("FilterBar", "Seaplane bases"), "W"},
    {QT_TRANSLATE_NOOP("FilterBar", "Heliports"), "H"},
    {QT_TRANSLATE_NOOP("FilterBar", "Balloonports"), "B"},
    {QT_TRANSLATE_NOOP("FilterBar", "Closed"), "C"},
};

struct SurfaceChoice {
    const char* label;
    std::optional<icao::Surface> surface;
};
const SurfaceChoice kSurfaceChoices[] = {
    {QT_TRANSLATE_NOOP("FilterBar", "Any surface"), std::nullopt},
    {QT_TRANSLATE_NOOP("FilterBar", "Paved"), icao::Surface::Paved},
    {QT_TRANSLATE_NOOP("FilterBar", "Unpaved"), icao::Surface::Unpaved},
    {QT_TRANSLATE_NOOP("FilterBar", "Water"), icao::Surface::Water},
};

QLabel* labelFor(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

} // namespace

FilterBar::FilterBar(QWidget* parent)
    : QWidget(parent), kind_(new QComboBox), country_(new QLineEdit), region_(new QLineEdit),
      minRunway_(new QLineEdit), surface_(new QComboBox), lighted_(new QCheckBox(tr("&Lighted"))),
      scheduled_(new QCheckBox(tr("Sc&heduled"))) {
    setObjectName("filters");
    setAccessibleName(tr("Filters"));
    for (const KindChoice& choice : kKindChoices) {
        kind_->addItem(tr(choice.label), QString::fromLatin1(choice.markers));
    }
    kind_->setObjectName("kindFilter");
    kind_->setAccessibleName(tr("Kind"));
    for (const SurfaceChoice& choice : kSurfaceChoices) {
        surface_->addItem(tr(choice.label));
    }
    surface_->setObjectName("surfaceFilter");
    surface_->setAccessibleName(tr("Runway surface"));
    country_->setObjectName("countryFilter");
    country_->setAccessibleName(tr("Country"));
    country_->setPlaceholderText(tr("such as GB"));
    country_->setMaxLength(2);
    country_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[A-Za-z]{0,2}"), country_));
    region_->setObjectName("regionFilter");
    region_->setAccessibleName(tr("Region"));
    region_->setPlaceholderText(tr("such as England"));
    minRunway_->setObjectName("runwayFilter");
    minRunway_->setAccessibleName(tr("Least runway length"));
    minRunway_->setPlaceholderText(tr("such as 2500m or 8000ft"));
    lighted_->setObjectName("lightedFilter");
    lighted_->setToolTip(tr("Only airfields with a lighted runway"));
    scheduled_->setObjectName("scheduledFilter");
    scheduled_->setToolTip(tr("Only airfields with scheduled service, or an IATA code where the "
                              "data says nothing of it"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(labelFor(tr("&Kind"), kind_), 0, 0);
    layout->addWidget(kind_, 0, 1);
    layout->addWidget(labelFor(tr("C&ountry"), country_), 0, 2);
    layout->addWidget(country_, 0, 3);
    layout->addWidget(labelFor(tr("&Runway at least"), minRunway_), 1, 0);
    layout->addWidget(minRunway_, 1, 1);
    layout->addWidget(labelFor(tr("R&egion"), region_), 1, 2);
    layout->addWidget(region_, 1, 3);
    layout->addWidget(labelFor(tr("S&urface"), surface_), 2, 0);
    layout->addWidget(surface_, 2, 1);
    auto* checks = new QHBoxLayout;
    checks->addWidget(lighted_);
    checks->addWidget(scheduled_);
    checks->addStretch();
    layout->addLayout(checks, 2, 2, 1, 2);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(3, 1);

    connect(kind_, &QComboBox::currentIndexChanged, this, &FilterBar::changed);
    connect(surface_, &QComboBox::currentIndexChanged, this, &FilterBar::changed);
    for (QLineEdit* field : {country_, region_, minRunway_}) {
        connect(field, &QLineEdit::textChanged, this, &FilterBar::changed);
    }
    connect(minRunway_, &QLineEdit::textChanged, this, &FilterBar::showLengthRead);
    for (QCheckBox* check : {lighted_, scheduled_}) {
        connect(check, &QCheckBox::toggled, this, &FilterBar::changed);
    }
}

icao::AirfieldFilter FilterBar::filter() const {
    icao::AirfieldFilter filter;
    for (const QChar marker : kind_->currentData().toString()) {
        filter.kinds.set(static_cast<std::size_t>(icao::kindOfMarker(marker.unicode())));
    }
    // A country is a whole code: one letter typed so far keeps every country.
    if (country_->text().size() == 2) {
        filter.country = country_->text().toUpper().toStdString();
    }
    filter.region = region_->text().trimmed().toStdString();
    filter.minRunwayFt = icao::feetOf(minRunway_->text().trimmed().toStdString());
    filter.surface = kSurfaceChoices[std::max(0, surface_->currentIndex())].surface;
    filter.lighted = lighted_->isChecked();
    filter.scheduled = scheduled_->isChecked();
    return filter;
}

int FilterBar::conditionCount() const {
    const icao::AirfieldFilter set = filter();
    return int(set.kinds.any()) + int(!set.country.empty()) + int(!set.region.empty()) +
           int(set.minRunwayFt.has_value()) + int(set.surface.has_value()) + int(set.lighted) +
           int(set.scheduled);
}

void FilterBar::clear() {
    const QSignalBlocker blockers[] = {QSignalBlocker(kind_),     QSignalBlocker(country_),
                                       QSignalBlocker(region_),   QSignalBlocker(minRunway_),
                                       QSignalBlocker(surface_),  QSignalBlocker(lighted_),
                                       QSignalBlocker(scheduled_)};
    kind_->setCurrentIndex(0);
    country_->clear();
    region_->clear();
    minRunway_->clear();
    surface_->setCurrentIndex(0);
    lighted_->setChecked(false);
    scheduled_->setChecked(false);
    showLengthRead();
    emit changed();
}

// A length that does not read is marked, so the user sees why it keeps every runway.
void FilterBar::showLengthRead() {
    const QString text = minRunway_->text().trimmed();
    const bool unread = !text.isEmpty() && !icao::feetOf(text.toStdString());
    QPalette colours;
    if (unread) {
        colours = minRunway_->palette();
        colours.setColor(QPalette::Text, QColor(0xc0, 0x1c, 0x28));
    }
    minRunway_->setPalette(colours);
    minRunway_->setToolTip(unread ? tr("A length is a number and m or ft, such as 2500m")
                                  : QString());
}
