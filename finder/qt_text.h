// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"

#include <QString>
#include <string>

// A record's text, or UTF-8, as the widgets show it.
inline QString qt(const icao::Text& text) {
    return QString::fromStdU32String(text);
}
inline QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
