// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

// The data files the scans are timed on; the same shape always gives the same file.
enum class Shape {
    // 1,000,000 records like the shipped ones: marker|CODE|name|municipality|country|IATA|
    // latitude|longitude|elevation|keywords|, names of realistic length (a place, a word of
    // its own, a kind of airport), about two in five holding non-ASCII letters, one in ten
    // with alternate names.
    Shipped,
    // The records of Shipped, each followed by the later fields the shipped data holds: a
    // prominence, the country's names, town names for one in seven, a time zone, up to four
    // runways and, for one in six, radio frequencies.
    Detailed,
    // 1,000,000 records whose names and municipalities are wholly non-ASCII.
    NonAscii,
    // 200 MB in one line, with no line end at all.
    OneLine,
};

std::string shapeName(Shape shape);

// The word of its own that the name of record index holds.
std::string placeWord(std::size_t index);

std::filesystem::path writeBenchmarkFile(const std::filesystem::path& folder, Shape shape);
