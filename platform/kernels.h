// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ascii.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The scans' inner loops, each a named kernel that looks at sixteen or thirty-two bytes a step
// where the processor allows, beside a plain twin that gives the same answer. The vector kind
// is picked once at start-up; ICAO_FORCE_SCALAR=1 in the environment picks the twins, so that
// they stay tested on any machine.
namespace icao::kernels {

// For eight letter pairs, a bit each: which of them each half of each of their two bytes
// allows. A table is looked up by a half, 0 to 15, and kept twice over for 32-byte lookups.
struct PairBank {
    using Table = std::array<std::uint8_t, 32>;
    Table firstLow{};
    Table firstHigh{};
    Table secondLow{};
    Table secondHigh{};
};

// Makes pair `index` of the banks (eight a bank) the pair of these two bytes, bit 5 set as
// the kernels compare them.
inline void setPair(PairBank* banks, std::size_t index, char first, char second) {
    PairBank& bank = banks[index / 8];
    const auto bit = static_cast<std::uint8_t>(1u << (index % 8));
    const std::uint8_t one = withCaseBit(first);
    const std::uint8_t two = withCaseBit(second);
    for (const std::size_t copy : {0, 16}) {
        bank.firstLow[copy + (one & 15)] |= bit;
        bank.firstHigh[copy + (one >> 4)] |= bit;
        bank.secondLow[copy + (two & 15)] |= bit;
        bank.secondHigh[copy + (two >> 4)] |= bit;
    }
}

struct PairsFound {
    std::uint64_t pairs = 0; // a bit for each pair of the banks that the text holds
    bool beyondAscii = false;
};

// The bits of the banks' pairs that this one pair of bytes, bit 5 set, is; a plain lookup for
// the few pairs a caller makes up itself.
inline std::uint64_t pairBits(std::uint8_t first, std::uint8_t second, const PairBank* banks,
                              std::size_t bankCount) {
    std::uint64_t found = 0;
    for (std::size_t b = 0; b < bankCount; ++b) {
        const PairBank& bank = banks[b];
        const unsigned bits = bank.firstLow[first & 15] & bank.firstHigh[first >> 4] &
                              bank.secondLow[second & 15] & bank.secondHigh[second >> 4];
        found |= std::uint64_t{bits} << (8 * b);
    }
    return found;
}

// The kernels, as one table of functions, so that a caller picks them once.
struct Kernels {
    // The first comma or line-end byte in [begin, end), or end.
    const char* (*findItemEnd)(const char* begin, const char* end);
    // Where the first byte beyond ASCII from `at` stands, or the end.
    std::size_t (*findBeyondAscii)(std::string_view bytes, std::size_t at);
    // Writes the run of ASCII bytes from `at` to `to`, A to Z lowered, and yields where the
    // run ends; `to` has room for every byte from `at`, and what lies past the run is left
    // undefined there.
    std::size_t (*lowerAsciiRun)(std::string_view bytes, std::size_t at, char* to);
    // Writes where the first `wanted` bytes equal to `byte` stand, in order, to positions;
    // yields how many there were.
    std::size_t (*findBytes)(std::string_view bytes, char byte, std::size_t* positions,
                             std::size_t wanted);
    // Where the count-th byte equal to `byte` stands (1 for the first), or npos when there are
    // fewer.
    std::size_t (*findNthByte)(std::string_view bytes, char byte, std::size_t count);
    // Which pairs of the banks the text holds, its bytes with bit 5 set as the banks' pairs
    // are, and whether it holds a byte beyond ASCII.
    PairsFound (*findPairs)(std::string_view text, const PairBank* banks, std::size_t bankCount);
    // Whether the bytes, ASCII letters lowered, hold the lowered ASCII needle; with
    // untilBeyondAscii, also whether they hold any byte beyond ASCII.
    bool (*holdsLowered)(std::string_view bytes, std::string_view needle, bool untilBeyondAscii);
    // Marks the upper halves of the wide vector registers unused. Code that leaves them in use
    // (Qt's painting does) makes every scalar floating-point instruction after it wait on them,
    // several times over; a map's projection of thousands of points is such code.
    void (*clearWideRegisters)();
};

// The plain twins.
extern const Kernels kPlain;
// The vector kernels the processor allows, or the twins where it allows none.
const Kernels& vectorKernels();
// What the scans use: the vector kernels, or the twins when ICAO_FORCE_SCALAR=1.
const Kernels& chosen();

inline const char* findItemEnd(const char* begin, const char* end) {
    return chosen().findItemEnd(begin, end);
}
inline std::size_t findBeyondAscii(std::string_view bytes, std::size_t at) {
    return chosen().findBeyondAscii(bytes, at);
}
inline std::size_t lowerAsciiRun(std::string_view bytes, std::size_t at, char* to) {
    return chosen().lowerAsciiRun(bytes, at, to);
}
inline std::size_t findBytes(std::string_view bytes, char byte, std::size_t* positions,
                             std::size_t wanted) {
    return chosen().findBytes(bytes, byte, positions, wanted);
}
inline std::size_t findNthByte(std::string_view bytes, char byte, std::size_t count) {
    return chosen().findNthByte(bytes, byte, count);
}
inline PairsFound findPairs(std::string_view text, const PairBank* banks, std::size_t bankCount) {
    return chosen().findPairs(text, banks, bankCount);
}
inline bool holdsLowered(std::string_view bytes, std::string_view needle, bool untilBeyondAscii) {
    return chosen().holdsLowered(bytes, needle, untilBeyondAscii);
}
// Whatever the scans chose: the upper halves are in use however the kernels are picked.
inline void clearWideRegisters() {
    vectorKernels().clearWideRegisters();
}

} // namespace icao::kernels
