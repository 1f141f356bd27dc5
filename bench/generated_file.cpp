// SPDX-License-Identifier: MIT
#include "generated_file.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <string_view>

namespace {

constexpr std::size_t kRecordCount = 1000000;
constexpr std::size_t kOneLineBytes = 200 * 1000 * 1000;

constexpr std::array<std::string_view, 28> kPlaces = {
    "London",      "Frankfurt",    "Zürich",      "São Paulo", "Kraków",       "Reykjavík",
    "Springfield", "Columbus",     "Newcastle",   "Málaga",    "Oslo",         "Dubrovnik",
    "Nuuk",        "Ōita",         "Córdoba",     "Kiruna",    "Abidjan",      "Ushuaia",
    "Bella Coola", "Mérida",       "Toowoomba",   "Ålesund",   "Thessaloniki", "Chişinău",
    "Windhoek",    "Kangiqsujuaq", "Yellowknife", "Perth"};
constexpr std::array<std::string_view, 16> kNonAsciiPlaces = {
    "Москва", "Санкт-Петербург", "Αθήνα",  "Θεσσαλονίκη", "東京",   "大阪",     "서울",  "부산",
    "Київ",   "Львів",           "Ürümqi", "Çanakkale",   "Ålborg", "Øksfjord", "İzmir", "Łódź"};
constexpr std::array<std::string_view, 7> kKinds = {"Airport",          "International Airport",
                                                    "Regional Airport", "Municipal Airport",
                                                    "Air Base",         "Airfield",
                                                    "Aerodrome"};
constexpr std::array<std::string_view, 4> kNonAsciiKinds = {"Аэропорт", "Αερολιμένας", "空港",
                                                            "공항"};
constexpr std::array<std::string_view, 10> kCountries = {"GB", "DE", "CH", "BR", "PL",
                                                         "IS", "US", "ES", "NO", "JP"};
// Each country's names and time zone, as the later fields of a record hold them.
constexpr std::array<std::string_view, 10> kCountryNames = {
    "United Kingdom / Great Britain / Britain",
    "Germany / Deutschland",
    "Switzerland / Schweiz / Suisse / Svizzera",
    "Brazil / Brasil",
    "Poland / Polska",
    "Iceland / Ísland",
    "United States of America / United States",
    "Spain / España / Espanya / Espainia",
    "Norway / Norge / Noreg",
    "Japan / 日本"};
constexpr std::array<std::string_view, 10> kRegions = {
    "England",        "Bavaria",    "Zurich",    "São Paulo", "Masovian Voivodeship",
    "Capital Region", "California", "Catalonia", "Viken",     "Tokyo"};
constexpr std::array<std::string_view, 10> kTimeZones = {
    "Europe/London",      "Europe/Berlin",   "Europe/Zurich", "America/Sao_Paulo", "Europe/Warsaw",
    "Atlantic/Reykjavik", "America/Chicago", "Europe/Madrid", "Europe/Oslo",       "Asia/Tokyo"};

std::string letters(std::size_t value, std::size_t count) {
    std::string code(count, 'A');
    for (std::size_t i = count; i-- > 0;) {
        code[i] = static_cast<char>('A' + value % 26);
        value /= 26;
    }
    return code;
}

constexpr std::array<std::string_view, 16> kSyllables = {
    "ka", "ro", "mi", "ta", "ve", "lu", "so", "ne", "ri", "po", "da", "gu", "be", "xi", "fa", "jo"};

template <std::size_t N>
std::string_view pick(std::mt19937& random, const std::array<std::string_view, N>& words) {
    return words[random() % N];
}

// PROMINENCE|COUNTRY NAMES|TOWN NAMES|TIME ZONE|RUNWAYS|FREQUENCIES|REGION|LOCAL CODE|
// FORMER CODES| for a record of the country with this index, as often as the shipped data has
// each: a region nearly always, a local code for one in three, a former code for one in 80.
void appendLaterFields(std::string& record, std::mt19937& random, std::size_t country) {
    record.append(std::to_string(random() % 900)).append("|").append(kCountryNames[country]);
    record.append(random() % 7 == 0 ? "|Londres / Londra / Londyn|" : "||");
    record.append(kTimeZones[country]).append("|");
    const std::size_t runways = random() % 5;
    for (std::size_t r = 0; r < runways; ++r) {
        const unsigned heading = 1 + static_cast<unsigned>(random() % 18);
        char runway[64];
        std::snprintf(runway, sizeof runway, "%s%02u/%02u:%u:%u:asphalt:1:%u.4/%u.4",
                      r == 0 ? "" : " ", heading, heading + 18,
                      1000 + static_cast<unsigned>(random() % 12000),
                      50 + static_cast<unsigned>(random() % 150), heading * 10, heading * 10 + 180);
        record.append(runway);
    }
    record.append(random() % 6 == 0 ? "|atis:113.75 unicom:122.8|" : "||");
    record.append(kRegions[country]).append("|");
    record.append(random() % 3 == 0 ? letters(random(), 3) : std::string()).append("|");
    record.append(random() % 80 == 0 ? letters(random(), 4) : std::string()).append("|");
}

void writeRecords(std::ofstream& out, bool nonAscii, bool detailed) {
    std::mt19937 random(20261207);
    std::string record;
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const auto place = nonAscii ? pick(random, kNonAsciiPlaces) : pick(random, kPlaces);
        const auto kind = nonAscii ? pick(random, kNonAsciiKinds) : pick(random, kKinds);
        record.clear();
        record.push_back("LMSSSHW"[random() % 7]);
        record.append("|").append(letters(i, 4)).append("|").append(place).append(" ");
        record.append(nonAscii ? "Ωμέγα" : placeWord(i));
        if (random() % 3 == 0) {
            record.append("-").append(nonAscii ? pick(random, kNonAsciiPlaces)
                                               : pick(random, kPlaces));
        }
        record.append(" ").append(kind).append("|").append(place).append("|");
        const std::size_t country = random() % kCountries.size();
        record.append(kCountries[country]).append("|").append(letters(i * 7 + 3, 3));
        // Coordinates to six decimals, an elevation, and alternate names for one in ten.
        char coordinates[64];
        std::snprintf(coordinates, sizeof coordinates, "|%.6f|%.6f|%u|",
                      -90 + (random() % 180000000) / 1e6, -180 + (random() % 360000000) / 1e6,
                      static_cast<unsigned>(random() % 9000));
        record.append(coordinates);
        if (random() % 10 == 0) {
            record.append(nonAscii ? "Аэропорт " : "Flughafen ").append(placeWord(i + 1));
        }
        record.append("|");
        if (detailed) {
            appendLaterFields(record, random, country);
        }
        record.append("\n");
        out << record;
    }
}

void writeOneLine(std::ofstream& out) {
    std::string block = "L|EGLL|";
    while (block.size() < (1 << 20)) {
        block.append("Heathrow ");
    }
    for (std::size_t written = 0; written < kOneLineBytes; written += block.size()) {
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min(block.size(), kOneLineBytes - written)));
    }
}

} // namespace

std::string placeWord(std::size_t index) {
    // Four syllables from a scrambled index: 65,536 words, each in about fifteen records.
    std::size_t value = (index * 40503) % 65536;
    std::string word;
    for (int i = 0; i < 4; ++i, value /= 16) {
        word.append(kSyllables[value % 16]);
    }
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::string shapeName(Shape shape) {
    switch (shape) {
    case Shape::Shipped:
        return "Shipped";
    case Shape::Detailed:
        return "Detailed";
    case Shape::NonAscii:
        return "NonAscii";
    case Shape::OneLine:
        return "OneLine";
    }
    return "Unknown";
}

std::filesystem::path writeBenchmarkFile(const std::filesystem::path& folder, Shape shape) {
    std::filesystem::create_directories(folder);
    const auto path = folder / ("airports-" + shapeName(shape) + ".txt");
    if (std::filesystem::exists(path)) {
        return path;
    }
    const auto partial = folder / (path.filename().string() + ".part");
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (shape == Shape::OneLine) {
            writeOneLine(out);
        } else {
            writeRecords(out, shape == Shape::NonAscii, shape == Shape::Detailed);
        }
    }
    std::filesystem::rename(partial, path);
    return path;
}
