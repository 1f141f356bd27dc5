#include "generated_file.h"

#include <array>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr std::array kPlaces = {
    "London",      "Frankfurt",    "Zürich",      "São Paulo", "Kraków",       "Reykjavík",
    "Springfield", "Columbus",     "Newcastle",   "Málaga",    "Oslo",         "Dubrovnik",
    "Nuuk",        "Ōita",         "Córdoba",     "Kiruna",    "Abidjan",      "Ushuaia",
    "Bella Coola", "Mérida",       "Toowoomba",   "Ålesund",   "Thessaloniki", "Chişinău",
    "Windhoek",    "Kangiqsujuaq", "Yellowknife", "Perth"};
constexpr std::array kKinds = {"Airport",          "International Airport",
                               "Regional Airport", "Municipal Airport",
                               "Air Base",         "Airfield",
                               "Aerodrome"};
constexpr std::array kCountries = {"GB", "DE", "CH", "BR", "PL", "IS", "US", "ES", "NO", "JP"};

std::string letters(std::size_t value, std::size_t count) {
    std::string code(count, 'A');
    for (std::size_t i = count; i-- > 0;) {
        code[i] = static_cast<char>('A' + value % 26);
        value /= 26;
    }
    return code;
}

} // namespace

std::filesystem::path writeBenchmarkFile(const std::filesystem::path& folder,
                                         std::size_t record_count) {
    std::filesystem::create_directories(folder);
    const auto path = folder / ("airports-" + std::to_string(record_count) + ".txt");
    if (std::filesystem::exists(path)) {
        return path;
    }
    std::mt19937 random(20261207);
    std::ofstream out(path, std::ios::binary);
    std::string record;
    for (std::size_t i = 0; i < record_count; ++i) {
        const std::string place = kPlaces[random() % kPlaces.size()];
        const std::string second = kPlaces[random() % kPlaces.size()];
        const std::string kind = kKinds[random() % kKinds.size()];
        record = random() % 2 ? "L|" : "M|";
        record += letters(i, 4);
        record += '|';
        record += random() % 3 == 0 ? place + "-" + second + " " + kind : place + " " + kind;
        record += '|';
        record += place;
        record += '|';
        record += kCountries[random() % kCountries.size()];
        record += '|';
        record += letters(i * 7 + 3, 3);
        record += "|\n";
        out << record;
    }
    return path;
}
