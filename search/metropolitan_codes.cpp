// SPDX-License-Identifier: MIT
#include "search/metropolitan_codes.h"

#include <algorithm>
#include <array>

namespace icao {
namespace {

// IATA's metropolitan area codes of the cities travellers name so, each city's airports by
// traffic. A code that is also one airport's own IATA code (BER) leads to that airport.
template <std::size_t N> using Airports = std::array<std::string_view, N>;
constexpr Airports<2> kBeijing = {"ZBAA", "ZBAD"};
constexpr Airports<1> kBerlin = {"EDDB"};
constexpr Airports<2> kBuenosAires = {"SAEZ", "SABE"};
constexpr Airports<2> kBucharest = {"LROP", "LRBS"};
constexpr Airports<2> kChicago = {"KORD", "KMDW"};
constexpr Airports<2> kDallas = {"KDFW", "KDAL"};
constexpr Airports<2> kHouston = {"KIAH", "KHOU"};
constexpr Airports<2> kJakarta = {"WIII", "WIHH"};
constexpr Airports<5> kLondon = {"EGLL", "EGKK", "EGSS", "EGGW", "EGLC"};
constexpr Airports<3> kMilan = {"LIMC", "LIML", "LIME"};
constexpr Airports<3> kMoscow = {"UUEE", "UUDD", "UUWW"};
constexpr Airports<2> kMontreal = {"CYUL", "CYMX"};
constexpr Airports<3> kNewYork = {"KJFK", "KEWR", "KLGA"};
constexpr Airports<3> kOsaka = {"RJBB", "RJOO", "RJBE"};
constexpr Airports<3> kParis = {"LFPG", "LFPO", "LFOB"};
constexpr Airports<2> kReykjavik = {"BIKF", "BIRK"};
constexpr Airports<2> kRio = {"SBGL", "SBRJ"};
constexpr Airports<2> kRome = {"LIRF", "LIRA"};
constexpr Airports<2> kSapporo = {"RJCC", "RJCO"};
constexpr Airports<2> kSeoul = {"RKSI", "RKSS"};
constexpr Airports<3> kSaoPaulo = {"SBGR", "SBSP", "SBKP"};
constexpr Airports<3> kStockholm = {"ESSA", "ESSB", "ESKN"};
constexpr Airports<2> kTenerife = {"GCTS", "GCXO"};
constexpr Airports<2> kTokyo = {"RJTT", "RJAA"};
constexpr Airports<3> kWashington = {"KIAD", "KDCA", "KBWI"};
constexpr Airports<2> kToronto = {"CYYZ", "CYTZ"};

// In order of their codes.
constexpr std::array kCodes = {
    MetropolitanCode{"BER", kBerlin},      MetropolitanCode{"BJS", kBeijing},
    MetropolitanCode{"BUE", kBuenosAires}, MetropolitanCode{"BUH", kBucharest},
    MetropolitanCode{"CHI", kChicago},     MetropolitanCode{"JKT", kJakarta},
    MetropolitanCode{"LON", kLondon},      MetropolitanCode{"MIL", kMilan},
    MetropolitanCode{"MOW", kMoscow},      MetropolitanCode{"NYC", kNewYork},
    MetropolitanCode{"OSA", kOsaka},       MetropolitanCode{"PAR", kParis},
    MetropolitanCode{"QDF", kDallas},      MetropolitanCode{"QHO", kHouston},
    MetropolitanCode{"REK", kReykjavik},   MetropolitanCode{"RIO", kRio},
    MetropolitanCode{"ROM", kRome},        MetropolitanCode{"SAO", kSaoPaulo},
    MetropolitanCode{"SEL", kSeoul},       MetropolitanCode{"SPK", kSapporo},
    MetropolitanCode{"STO", kStockholm},   MetropolitanCode{"TCI", kTenerife},
    MetropolitanCode{"TYO", kTokyo},       MetropolitanCode{"WAS", kWashington},
    MetropolitanCode{"YMQ", kMontreal},    MetropolitanCode{"YTO", kToronto},
};
static_assert(std::is_sorted(kCodes.begin(), kCodes.end(),
                             [](const auto& a, const auto& b) { return a.code < b.code; }));

} // namespace

std::optional<MetropolitanCode> metropolitanCodeOf(std::string_view word) {
    const auto found = std::lower_bound(
        kCodes.begin(), kCodes.end(), word,
        [](const MetropolitanCode& city, std::string_view code) { return city.code < code; });
    if (found == kCodes.end() || found->code != word) {
        return std::nullopt;
    }
    return *found;
}

} // namespace icao
