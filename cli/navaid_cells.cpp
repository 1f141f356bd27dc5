// SPDX-License-Identifier: MIT
#include "cli/navaid_cells.h"

#include "cli/commands.h"
#include "records/airport_record.h"

#include <cstdio>
#include <string>

namespace {

Cell textOrMissing(const std::string& text) {
    return text.empty() ? Cell::missing() : Cell::text(text);
}

Cell frequencyCell(const icao::Navaid& navaid) {
    const std::string words = icao::frequencyWords(navaid);
    if (words.empty()) {
        return Cell::missing();
    }
    return {words, navaid.frequency, CellValue::orNull(icao::numberOf(navaid.frequency))};
}

Cell degreesCell(double degrees, int decimals) {
    char plain[32];
    std::snprintf(plain, sizeof plain, "%.*f", decimals, degrees);
    return {plain, plain, degrees};
}

} // namespace

std::vector<Column> navaidColumns() {
    return {{"ident"},
            {"name"},
            {"type"},
            {"frequency"},
            {"frequency_unit", true},
            {"country"},
            {"airfield"},
            {"latitude", true},
            {"longitude", true},
            {"elevation_ft", true},
            {"magnetic_variation", true},
            {"dme_channel", true}};
}

std::vector<Cell> navaidCells(const icao::Navaid& navaid) {
    const bool known = !icao::frequencyWords(navaid).empty();
    return {Cell::text(navaid.ident),
            Cell::text(navaid.name),
            Cell::text(navaid.type),
            frequencyCell(navaid),
            known ? Cell::text(icao::isNdb(navaid) ? "kHz" : "MHz") : Cell::missing(),
            textOrMissing(navaid.country),
            textOrMissing(navaid.airfield),
            degreesCell(navaid.place.latitude, 6),
            degreesCell(navaid.place.longitude, 6),
            navaid.elevationFt ? Cell{std::to_string(*navaid.elevationFt),
                                      std::to_string(*navaid.elevationFt), *navaid.elevationFt}
                               : Cell::missing(),
            navaid.variation ? degreesCell(*navaid.variation, 3) : Cell::missing(),
            textOrMissing(navaid.dmeChannel)};
}

icao::Expected<std::vector<icao::Navaid>>
navaidsBeside(const std::filesystem::path& dataFile,
              const std::function<bool(const icao::Navaid&)>& keep) {
    const auto file = icao::navaidsFileBeside(dataFile);
    auto navaids = keep ? icao::readNavaids(file, keep) : icao::readNavaids(file);
    if (!navaids) {
        reportError(navaids.error());
    }
    return navaids;
}
