// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstring>

namespace icao::detail {

// Line ends in [begin, end): each CR, and each LF but the one of a CRLF. afterCarriageReturn
// says that a CR ended the bytes just before, which a read block boundary may have split from
// its LF.
inline std::size_t countLineEnds(const char* begin, const char* end, bool afterCarriageReturn) {
    std::size_t count = 0;
    bool carriageReturn = afterCarriageReturn;
    for (const char* p = begin; p < end; ++p) {
        count += *p == '\r' || (*p == '\n' && !carriageReturn) ? 1 : 0;
        carriageReturn = *p == '\r';
    }
    return count;
}

inline const char* findClosingQuote(const char* begin, const char* end) {
    const void* hit = std::memchr(begin, '"', static_cast<std::size_t>(end - begin));
    return hit ? static_cast<const char*>(hit) : end;
}

} // namespace icao::detail
