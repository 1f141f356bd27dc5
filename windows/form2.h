// SPDX-License-Identifier: MIT
#pragma once

#include "windows/lookup_window.h"

// The name-to-code window.
class Form2 final : public LookupWindow {
    Q_OBJECT

  public:
    explicit Form2(std::filesystem::path dataFile)
        : LookupWindow(kForm2Design, std::move(dataFile)) {}
};
