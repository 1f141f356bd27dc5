// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"
#include "plans/places_writer.h"

#include <vector>

// The airfields an answer lists, as places a map file holds: their records' fields, and for
// the nearest their distance and bearing; those without a place left out.
std::vector<icao::PlaceRecord> placesOf(const SearchAnswer& answer);
