// SPDX-License-Identifier: MIT
#include "lookup/record_views.h"

#include "lookup/record_layout.h"
#include "lookup/text_views.h"

#include <array>

namespace icao {
namespace {

// The code-to-name lookup writes the code, then the name, so its box ends showing the name.
constexpr std::array kShownFields = {RecordField::Code, RecordField::Name};

} // namespace

Text codeOf(const Text& item) {
    return substringByPosition(item, kCodeStart, kCodeLength);
}

std::vector<Text> codeLookupWrites(const Text& item) {
    const TextRecordFields fields(item, kShownFields.back());
    std::vector<Text> writes;
    for (const RecordField field : kShownFields) {
        if (fields.has(field)) {
            writes.emplace_back(fields[field]);
        }
    }
    return writes;
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
