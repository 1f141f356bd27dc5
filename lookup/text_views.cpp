// SPDX-License-Identifier: MIT
#include "lookup/text_views.h"

#include <QChar>

namespace icao {

Text substringByPosition(const Text& text, std::size_t start, std::size_t length) {
    if (start == 0 || start > text.size()) {
        return {};
    }
    return text.substr(start - 1, length);
}

Text trimSpaces(const Text& text) {
    const std::size_t first = text.find_first_not_of(U' ');
    if (first == Text::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(U' ');
    return text.substr(first, last - first + 1);
}

Text upperCase(const Text& text) {
    Text upper(text.size(), U'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        upper[i] = QChar::toUpper(text[i]);
    }
    return upper;
}

} // namespace icao
