// SPDX-License-Identifier: MIT
#include "records/airport_record.h"

#include "lookup/field_ranges.h"
#include "lookup/record_layout.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace icao {

std::optional<double> numberOf(std::string_view field) {
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<Place> placeOfItem(std::string_view item) {
    const auto latitude = numberOf(fieldAt(item, RecordField::Latitude));
    const auto longitude = numberOf(fieldAt(item, RecordField::Longitude));
    return latitude && longitude ? placeOf(*latitude, *longitude) : std::nullopt;
}

std::optional<double> AirportRecord::elevationFt() const {
    return numberInRange(elevation, rangeOf(RecordField::Elevation));
}

std::optional<Place> AirportRecord::place() const {
    const auto north = numberOf(latitude);
    const auto east = numberOf(longitude);
    return north && east ? placeOf(*north, *east) : std::nullopt;
}

AirportRecord AirportRecord::fromItem(std::string_view bytes, std::size_t line) {
    const std::string item = decodedUtf8(bytes);
    const RecordFields fields(item);
    const auto text = [&fields](RecordField field) { return std::string(fields[field]); };
    using enum RecordField;
    return AirportRecord{line,
                         text(Marker),
                         text(Code),
                         text(Name),
                         text(Municipality),
                         text(Country),
                         text(Iata),
                         text(Latitude),
                         text(Longitude),
                         text(Elevation),
                         text(Keywords),
                         text(CountryNames),
                         text(TownNames),
                         text(TimeZone),
                         text(Runways),
                         text(Frequencies),
                         text(Region),
                         text(LocalCode),
                         text(FormerCodes),
                         text(Scheduled)};
}

} // namespace icao
