// SPDX-License-Identifier: MIT
#include "lookup/record_match.h"

#include "lookup/record_layout.h"
#include "lookup/text_views.h"
#include "platform/ascii.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace icao {

bool CodeMatcher::matches(std::string_view item) const {
    const std::string_view head = item.substr(0, kCodeStart - 1 + kCodeLength);
    if (!std::all_of(head.begin(), head.end(), isAsciiByte)) {
        return substringByPosition(decodeText(item), kCodeStart, kCodeLength) == key_;
    }
    const std::string_view code = head.substr(std::min(head.size(), kCodeStart - 1));
    return std::equal(code.begin(), code.end(), key_.begin(), key_.end(),
                      [](char byte, char32_t key) { return static_cast<char32_t>(byte) == key; });
}

NameMatcher::Verdict NameMatcher::matchesAscii(std::string_view item) const {
    const std::size_t separatorIndex = kNameStart - 1 + key_.size();
    // No encoding has more characters than bytes, so a short item cannot reach the "|"; nor
    // can one beyond what an item keeps.
    if (item.size() <= separatorIndex || separatorIndex >= kMaxItemCharacters) {
        return Verdict::Mismatch;
    }
    // The marker, the code and their separators: seven bytes, one test.
    std::uint64_t head = 0;
    std::memcpy(&head, item.data(), kNameStart - 1);
    if (head & 0x8080808080808080u) {
        return Verdict::NeedsDecoding;
    }
    for (std::size_t i = 0; i < key_.size(); ++i) {
        const char byte = item[kNameStart - 1 + i];
        if (!isAsciiByte(byte)) {
            // All before it being ASCII, this byte starts the character at this position, and
            // only dotless i and long s upper-case from beyond ASCII into it.
            const char32_t wanted = key_[i];
            return wanted >= 0x80 || wanted == U'I' || wanted == U'S' ? Verdict::NeedsDecoding
                                                                      : Verdict::Mismatch;
        }
        if (static_cast<char32_t>(upperAscii(byte)) != key_[i]) {
            return Verdict::Mismatch;
        }
    }
    return item[separatorIndex] == '|' ? Verdict::Match : Verdict::Mismatch;
}

bool NameMatcher::matches(std::string_view item) const {
    switch (matchesAscii(item)) {
    case Verdict::Match:
        return true;
    case Verdict::Mismatch:
        return false;
    case Verdict::NeedsDecoding:
        break;
    }
    const Text text = decodeText(item);
    return upperCase(substringByPosition(text, kNameStart, key_.size())) == key_ &&
           substringByPosition(text, kNameStart + key_.size(), 1) == Text(1, kSeparator);
}

} // namespace icao
