// SPDX-License-Identifier: MIT
#include "lookup/record_views.h"

#include "lookup/record_layout.h"
#include "lookup/text_views.h"

namespace icao {
namespace {

// The code-to-name lookup writes fields 1 and 2, so its box ends showing the name.
constexpr std::size_t kFirstShownField = 1;
constexpr std::size_t kLastShownField = 2;

} // namespace

Text codeOf(const Text& item) {
    return substringByPosition(item, kCodeStart, kCodeLength);
}

std::vector<Text> codeLookupWrites(const Text& item) {
    std::vector<Text> fields = splitFields(item);
    if (fields.size() <= kFirstShownField) {
        return {};
    }
    fields.resize(std::min(fields.size(), kLastShownField + 1));
    fields.erase(fields.begin(), fields.begin() + kFirstShownField);
    return fields;
}

std::optional<Text> nameKeyOf(const Text& item) {
    if (item.size() < kNameStart) {
        return std::nullopt;
    }
    const std::size_t separator = item.find(kSeparator, kNameStart - 1);
    if (separator == Text::npos) {
        return std::nullopt;
    }
    return upperCase(item.substr(kNameStart - 1, separator - (kNameStart - 1)));
}

} // namespace icao
