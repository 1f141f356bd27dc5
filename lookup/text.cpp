// SPDX-License-Identifier: MIT
#include "lookup/text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace icao {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves undefined keep their
// value, as Windows itself decodes them.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<Text> decodeUtf8(std::string_view bytes) {
    Text text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size() && text.size() < kMaxItemCharacters) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            text.push_back(static_cast<unsigned char>(bytes[at++]));
            continue;
        }
        const auto character = nextUtf8Character(bytes, at);
        if (!character) {
            return std::nullopt;
        }
        text.push_back(*character);
    }
    return text;
}

Text decodeWindows1252(std::string_view bytes) {
    Text text;
    text.reserve(std::min(bytes.size(), kMaxItemCharacters));
    for (std::size_t i = 0; i < bytes.size() && i < kMaxItemCharacters; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text.push_back(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

} // namespace

std::optional<char32_t> nextUtf8Character(std::string_view bytes, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - at < length) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    at += length;
    return code;
}

Text decodeText(std::string_view bytes) {
    if (auto text = decodeUtf8(bytes)) {
        return std::move(*text);
    }
    return decodeWindows1252(bytes);
}

std::string_view keptBytes(std::string_view bytes) {
    // No encoding has more characters than bytes.
    if (bytes.size() <= kMaxItemCharacters) {
        return bytes;
    }
    if (!isValidUtf8(bytes)) {
        return bytes.substr(0, kMaxItemCharacters);
    }
    std::size_t at = 0;
    for (std::size_t kept = 0; at < bytes.size() && kept < kMaxItemCharacters; ++kept) {
        nextUtf8Character(bytes, at);
    }
    return bytes.substr(0, at);
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    for (const std::string_view mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (bytes.starts_with(mark)) {
            return bytes.substr(mark.size());
        }
    }
    return bytes;
}

bool isValidUtf8(std::string_view bytes) {
    // Up to where decoding keeps characters, as decodeText decides.
    std::size_t at = 0;
    for (std::size_t kept = 0; at < bytes.size() && kept < kMaxItemCharacters; ++kept) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
        } else if (!nextUtf8Character(bytes, at)) {
            return false;
        }
    }
    return true;
}

std::string toUtf8(const Text& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t code : text) {
        appendUtf8(out, code);
    }
    return out;
}

std::string decodedUtf8(std::string_view bytes) {
    if (bytes.size() <= kMaxItemCharacters && isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return toUtf8(decodeText(bytes));
}

} // namespace icao
