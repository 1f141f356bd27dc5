// SPDX-License-Identifier: MIT
#include "map/xml_text.h"

#include "lookup/text.h"

namespace icao {

namespace {

// What a character XML 1.0 does not allow is written as: the replacement character, so that a
// reader sees that something stood there.
constexpr std::string_view kNotXml = "\xEF\xBF\xBD";

} // namespace

std::string xmlText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        default:
            break;
        }
        if (byte < 0x80) {
            const bool allowed = byte >= 0x20 || byte == '\t' || byte == '\n' || byte == '\r';
            out += allowed ? std::string_view(&text[i], 1) : kNotXml;
            continue;
        }
        // A broken sequence is replaced byte by byte.
        std::size_t next = i;
        const auto character = nextUtf8Character(text, next);
        const bool nonCharacter = character == U'\uFFFE' || character == U'\uFFFF';
        out += !character || nonCharacter ? kNotXml : text.substr(i, next - i);
        i = character ? next - 1 : i;
    }
    return out;
}

} // namespace icao
