// SPDX-License-Identifier: MIT
#pragma once

#include "platform/ascii.h"
#include "platform/kernels.h"

// What the plain twins share with the vector kernels, which finish short ends with them.
namespace icao::kernels::plain {

// holdsLowered over the starts from `from` on.
inline bool holdsLoweredFrom(std::string_view bytes, std::size_t from, std::string_view needle,
                             bool untilBeyondAscii) {
    for (std::size_t at = from; at < bytes.size(); ++at) {
        if ((untilBeyondAscii && !isAsciiByte(bytes[at])) ||
            icao::startsWithLowered(bytes.substr(at), needle)) {
            return true;
        }
    }
    return needle.empty();
}

const char* findItemEnd(const char* begin, const char* end);
std::size_t findBeyondAscii(std::string_view bytes, std::size_t at);
std::size_t lowerAsciiRun(std::string_view bytes, std::size_t at, char* to);
std::size_t findBytes(std::string_view bytes, char byte, std::size_t* positions,
                      std::size_t wanted);
std::size_t findNthByte(std::string_view bytes, char byte, std::size_t count);
PairsFound findPairs(std::string_view text, const PairBank* banks, std::size_t bankCount);
bool holdsLowered(std::string_view bytes, std::string_view needle, bool untilBeyondAscii);
// Without wide registers there is nothing to clear.
inline void clearWideRegisters() {}

} // namespace icao::kernels::plain
