// SPDX-License-Identifier: MIT
#include "search/airport_record.h"

#include "lookup/text_views.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace icao {

std::string_view kindName(std::size_t size) {
    static constexpr std::array<std::string_view, kKindMarkers.size()> kNames = {
        "large airport", "medium airport", "small airport", "seaplane base",
        "heliport",      "balloonport",    "closed"};
    return size < kNames.size() ? kNames[size] : std::string_view();
}

std::optional<double> numberOf(std::string_view field) {
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> numberOf(std::u32string_view field) {
    std::string ascii;
    for (const char32_t character : field) {
        if (character >= 0x80) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(character));
    }
    return numberOf(std::string_view(ascii));
}

std::optional<Place> AirportRecord::place() const {
    const auto north = numberOf(latitude);
    const auto east = numberOf(longitude);
    return north && east ? placeOf(*north, *east) : std::nullopt;
}

AirportRecord AirportRecord::fromItem(const Text& item, std::size_t line) {
    std::vector<Text> fields = splitFields(item);
    fields.resize(std::max(fields.size(), kRecordFields));
    return AirportRecord{line,
                         std::move(fields[0]),
                         std::move(fields[1]),
                         std::move(fields[2]),
                         std::move(fields[3]),
                         std::move(fields[4]),
                         std::move(fields[5]),
                         std::move(fields[6]),
                         std::move(fields[7]),
                         std::move(fields[8]),
                         std::move(fields[9])};
}

} // namespace icao
