// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/record_layout.h"
#include "platform/kernels.h"

#include <cstddef>
#include <string_view>

namespace icao {

// The fields find searches lie up to here and from kFirstLaterSearchedField on; it ranks and
// suggests by none of the fields between, the time zone, runways and radio frequencies.
inline constexpr RecordField kLastSearchedField = RecordField::TownNames;
inline constexpr RecordField kFirstLaterSearchedField = RecordField::Region;

// The bytes of a record up to the separator that closes the last field find searches before
// the time zone, or the whole of a record without later fields: with laterSearchedPart, what
// the records find keeps in memory fold, so that their runways and radio frequencies cost the
// search nothing. A streaming find folds whole items: counting separators in every item would
// cost it more than the few it folds.
inline std::string_view searchedPart(std::string_view bytes) {
    const std::size_t end =
        kernels::findNthByte(bytes, '|', static_cast<std::size_t>(kLastSearchedField) + 1);
    return end == std::string_view::npos ? bytes : bytes.substr(0, end + 1);
}

// The bytes of a record from its first later field find searches (the region) on; empty for a
// record without one.
inline std::string_view laterSearchedPart(std::string_view bytes) {
    const std::size_t before =
        kernels::findNthByte(bytes, '|', static_cast<std::size_t>(kFirstLaterSearchedField));
    return before == std::string_view::npos ? std::string_view() : bytes.substr(before + 1);
}

// The separators that stand, in a record's searched parts joined, for the fields between them.
inline constexpr std::string_view kUnsearchedFields = "|||";
static_assert(static_cast<std::size_t>(kFirstLaterSearchedField) -
                  static_cast<std::size_t>(kLastSearchedField) - 1 ==
              kUnsearchedFields.size());

} // namespace icao
