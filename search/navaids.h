// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"
#include "platform/expected.h"
#include "records/geo.h"
#include "records/navaid.h"
#include "records/units.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace icao {

// How far from an airfield its navaids are told, in icao info and the finder: 10 NM.
inline constexpr double kAirfieldNavaidsKm = 10 * kKmPerNauticalMile;

// navaids.txt in the data file's folder.
std::filesystem::path navaidsFileBeside(const std::filesystem::path& dataFile);
// Whether the file is the data file or the navaids beside it, by any spelling or link: what
// no answer is ever written over.
bool isDataFile(const std::filesystem::path& file, const std::filesystem::path& dataFile);

// The aids of a navaids file in file order, each line read as the data file's items are; a
// line without an ident or a valid place is passed over. The error names the file and says
// that navaid answers need it.
Expected<std::vector<Navaid>> readNavaids(const std::filesystem::path& file);
// Only the aids keep keeps: a question about a few (an ident, a place) holds no more in memory,
// for a new process pays for every page it fills.
Expected<std::vector<Navaid>> readNavaids(const std::filesystem::path& file,
                                          const std::function<bool(const Navaid&)>& keep);

// The aids of this ident, in any letter case, in file order (by country, then name): one
// ident names aids in many countries.
std::vector<Navaid> navaidsWithIdent(const std::vector<Navaid>& navaids, const Text& ident);

// The aids whose ident or name holds the text, ignoring letter case and accents: an ident
// equal to it first, then an ident that begins with it, a name equal to it, a name that begins
// with it, a name that holds it; file order within each; at most limit.
std::vector<Navaid> findNavaids(const std::vector<Navaid>& navaids, const Text& text,
                                std::size_t limit);

struct NearbyNavaid {
    Navaid navaid;
    double distanceKm = 0;
    // The initial true course from the origin to the aid.
    double course = 0;
};

// The aids nearest the origin, nearest first and file order among equals, at most limit and,
// where given, no farther than withinKm.
std::vector<NearbyNavaid> nearestNavaids(const std::vector<Navaid>& navaids, const Place& origin,
                                         std::size_t limit,
                                         std::optional<double> withinKm = std::nullopt);

} // namespace icao
