// SPDX-License-Identifier: MIT
#pragma once

#include "records/geo.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace icao {

// The navaids' file, read beside the data file; the airfields' file never needs it.
inline constexpr std::string_view kNavaidsFileName = "navaids.txt";

// A radio navigation aid as a line of navaids.txt holds it, every field closed by "|":
// IDENT|NAME|TYPE|FREQUENCY|LATITUDE|LONGITUDE|ELEVATION|MAGNETIC VARIATION|AIRFIELD|COUNTRY|
// DME CHANNEL|
// TYPE is VOR, VOR-DME, VORTAC, DME, NDB, NDB-DME or TACAN; FREQUENCY is in kHz for an NDB and
// in MHz for the others, empty where the data does not know it.
struct Navaid {
    std::size_t line = 0;
    std::string ident;
    std::string name;
    std::string type;
    std::string frequency;
    Place place;
    std::optional<int> elevationFt;
    // Degrees east, as the source gives it for the aid.
    std::optional<double> variation;
    // The ICAO code of the airfield the aid serves.
    std::string airfield;
    std::string country;
    std::string dmeChannel;
};

// The aid a line's bytes hold (UTF-8, else Windows-1252, as the data file's items); none for a
// line without an ident or a valid place.
std::optional<Navaid> navaidOf(std::string_view bytes, std::size_t line);

// Whether the aid is an NDB (NDB, NDB-DME), on low and medium frequencies in kHz; the others
// are VHF aids, in MHz.
bool isNdb(const Navaid& navaid);

// The frequency with its unit, "113.60 MHz" or "365 kHz"; empty where it is not known.
std::string frequencyWords(const Navaid& navaid);

} // namespace icao
