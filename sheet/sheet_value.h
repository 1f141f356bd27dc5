// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace icao {

// A value as JSON carries it, kept plain so that only a printer of JSON writes JSON: null,
// true or false, a whole number, a number, a text, a list, or members in the order they were
// set.
struct SheetValue {
    using List = std::vector<SheetValue>;
    using Members = std::vector<std::pair<std::string, SheetValue>>;

    // Implicit, so that a value is written as what it is.
    SheetValue(std::nullptr_t = nullptr) {}
    SheetValue(bool truth) : held(truth) {}
    SheetValue(int whole) : held(static_cast<long long>(whole)) {}
    // Null for a number that is not finite, which JSON cannot hold.
    SheetValue(double number) {
        if (std::isfinite(number)) {
            held = number;
        }
    }
    SheetValue(std::string text) : held(std::move(text)) {}
    SheetValue(const char* text) : held(std::string(text)) {}
    SheetValue(List list) : held(std::move(list)) {}
    SheetValue(Members members) : held(std::move(members)) {}
    SheetValue(const std::vector<std::string>& texts) : held(List(texts.begin(), texts.end())) {}
    // Null where there is no value.
    template <class Value> static SheetValue orNull(const std::optional<Value>& value) {
        return value ? SheetValue(*value) : SheetValue();
    }

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(held); }

    std::variant<std::nullptr_t, bool, long long, double, std::string, List, Members> held;
};

} // namespace icao
