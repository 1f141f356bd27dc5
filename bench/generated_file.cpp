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

void writeRecords(std::ofstream& out, bool nonAscii) {
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
        record.append(pick(random, kCountries)).append("|").append(letters(i * 7 + 3, 3));
        // Coordinates to six decimals, an elevation, and alternate names for one in ten.
        char coordinates[64];
        std::snprintf(coordinates, sizeof coordinates, "|%.6f|%.6f|%u|",
                      -90 + (random() % 180000000) / 1e6, -180 + (random() % 360000000) / 1e6,
                      static_cast<unsigned>(random() % 9000));
        record.append(coordinates);
        if (random() % 10 == 0) {
            record.append(nonAscii ? "Аэропорт " : "Flughafen ").append(placeWord(i + 1));
        }
        record.append("|\n");
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
            writeRecords(out, shape == Shape::NonAscii);
        }
    }
    std::filesystem::rename(partial, path);
    return path;
}
