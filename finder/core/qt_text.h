// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

// A record's text, or any UTF-8, as the widgets show it.
inline QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
