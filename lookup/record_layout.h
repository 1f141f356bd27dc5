// SPDX-License-Identifier: MIT
#pragma once

#include "platform/kernels.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace icao {

// An airport record, field by field, each closed by "|":
// MARKER|CODE|NAME|MUNICIPALITY|COUNTRY|IATA|LAT|LON|ELEVATION|KEYWORDS|PROMINENCE|COUNTRY NAMES|
// TOWN NAMES|TIME ZONE|RUNWAYS|FREQUENCIES|REGION|LOCAL CODE|FORMER CODES|SCHEDULED|
// Fields a later version adds go at the end, so that the lookups and older records keep
// theirs.
enum class RecordField : std::size_t {
    Marker,
    Code,
    Name,
    Municipality,
    Country,
    Iata,
    Latitude,
    Longitude,
    Elevation,
    Keywords,
    // How much the airfield is used and known, a whole number: the larger, the earlier find
    // lists it among airfields of its kind.
    Prominence,
    // The country's names, in English and in its own languages, joined by " / ".
    CountryNames,
    // The names in other languages of the city the airfield serves, joined by " / ".
    TownNames,
    // The IANA time zone the airfield lies in ("Europe/London").
    TimeZone,
    // Each runway as ENDS:LENGTH:WIDTH:SURFACE:LIGHTED:HEADINGS:POSITIONS, separated by spaces:
    // the ends' idents joined by "/", feet, one word, 1 or 0, the ends' true headings and their
    // thresholds (LAT;LON) joined by "/".
    Runways,
    // Each radio frequency as NAME:MHZ, separated by spaces ("atis:113.75").
    Frequencies,
    // The name of the airfield's ISO 3166-2 region ("Bavaria").
    Region,
    // The airfield's national identifier ("PAO" for KPAO).
    LocalCode,
    // The ICAO codes the airfield had before its current one, separated by spaces.
    FormerCodes,
    // 1 where the airfield has scheduled service, 0 where it has none; empty where the file
    // does not say.
    Scheduled,
};
inline constexpr std::size_t kRecordFields = static_cast<std::size_t>(RecordField::Scheduled) + 1;

inline constexpr char32_t kSeparator = U'|';

// Where the two lookups read a record, as 1-based character positions: the code-to-name
// lookup compares positions 3 to 6 with its key, the name-to-code lookup the name from
// position 8, so that the marker must be one character and the code four.
inline constexpr std::size_t kCodeStart = 3;
inline constexpr std::size_t kCodeLength = 4;
inline constexpr std::size_t kNameStart = 8;

// The fields of a record's raw bytes, folded bytes or decoded text, found up to and including
// `last`; a missing field is empty, and so is every one after `last`. "|" is one byte in UTF-8
// and Windows-1252 alike, so bytes need no decoding to be split.
template <class Character> class BasicRecordFields {
  public:
    using View = std::basic_string_view<Character>;

    explicit BasicRecordFields(View text, RecordField last = RecordField::Scheduled) : text_(text) {
        const std::size_t wanted = static_cast<std::size_t>(last) + 1;
        ends_.fill(text.size());
        if constexpr (sizeof(Character) == 1) {
            separators_ = kernels::findBytes(text, '|', ends_.data(), wanted);
        } else {
            for (std::size_t i = 0; i < text.size() && separators_ < wanted; ++i) {
                if (text[i] == kSeparator) {
                    ends_[separators_++] = i;
                }
            }
        }
        // The fields after `last` are empty: they end where the last one does.
        std::fill(ends_.begin() + static_cast<std::ptrdiff_t>(wanted), ends_.end(),
                  ends_[wanted - 1]);
    }

    View operator[](RecordField field) const {
        const auto k = static_cast<std::size_t>(field);
        const std::size_t start = k == 0 ? 0 : std::min(ends_[k - 1] + 1, text_.size());
        return text_.substr(start, std::max(ends_[k], start) - start);
    }

    // Whether the text has this field, even an empty one: it has one more field than
    // separators, none when empty. Only fields up to `last` are counted.
    bool has(RecordField field) const {
        return !text_.empty() && static_cast<std::size_t>(field) <= separators_;
    }

  private:
    View text_;
    // Where the separator that closes each field stands; past the end for a missing one.
    std::array<std::size_t, kRecordFields> ends_;
    std::size_t separators_ = 0;
};

// One field of a record's bytes, found by counting separators, for a scan that reads no other
// field of most records (near, the latitude); empty when the record has too few fields.
inline std::string_view fieldAt(std::string_view bytes, RecordField field) {
    const auto index = static_cast<std::size_t>(field);
    const std::size_t before = index == 0 ? 0 : kernels::findNthByte(bytes, '|', index);
    if (before == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = bytes.substr(index == 0 ? 0 : before + 1);
    return rest.substr(0, rest.find('|'));
}

using RecordFields = BasicRecordFields<char>;
using TextRecordFields = BasicRecordFields<char32_t>;

} // namespace icao
