// SPDX-License-Identifier: MIT
#include "platform/kernels_plain.h"

#include "platform/kernels.h"

namespace icao::kernels {
namespace plain {

const char* findItemEnd(const char* begin, const char* end) {
    for (; begin < end; ++begin) {
        if (*begin == ',' || *begin == '\n' || *begin == '\r') {
            return begin;
        }
    }
    return end;
}

std::size_t findBeyondAscii(std::string_view bytes, std::size_t at) {
    while (at < bytes.size() && isAsciiByte(bytes[at])) {
        ++at;
    }
    return at;
}

std::size_t lowerAsciiRun(std::string_view bytes, std::size_t at, char* to) {
    for (; at < bytes.size() && isAsciiByte(bytes[at]); ++at) {
        *to++ = lowerAscii(bytes[at]);
    }
    return at;
}

std::size_t findBytes(std::string_view bytes, char byte, std::size_t* positions,
                      std::size_t wanted) {
    std::size_t found = 0;
    for (std::size_t i = 0; i < bytes.size() && found < wanted; ++i) {
        if (bytes[i] == byte) {
            positions[found++] = i;
        }
    }
    return found;
}

std::size_t findNthByte(std::string_view bytes, char byte, std::size_t count) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == byte && --count == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

PairsFound findPairs(std::string_view text, const PairBank* banks, std::size_t bankCount) {
    PairsFound found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        found.pairs |= icao::kernels::pairBits(withCaseBit(text[i]), withCaseBit(text[i + 1]),
                                               banks, bankCount);
    }
    for (const char c : text) {
        found.beyondAscii = found.beyondAscii || !isAsciiByte(c);
    }
    return found;
}

bool holdsLowered(std::string_view bytes, std::string_view needle, bool untilBeyondAscii) {
    return holdsLoweredFrom(bytes, 0, needle, untilBeyondAscii);
}

} // namespace plain

const Kernels kPlain = {plain::findItemEnd,  plain::findBeyondAscii,   plain::lowerAsciiRun,
                        plain::findBytes,    plain::findNthByte,       plain::findPairs,
                        plain::holdsLowered, plain::clearWideRegisters};

} // namespace icao::kernels
