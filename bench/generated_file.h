#pragma once

#include <cstddef>
#include <filesystem>

// A data file of record_count records shaped like the shipped airports.txt:
// marker|CODE|name|municipality|country|IATA|, names of realistic length, about one in eight
// holding non-ASCII letters. The same count always gives the same file.
std::filesystem::path writeBenchmarkFile(const std::filesystem::path& folder,
                                         std::size_t record_count);
