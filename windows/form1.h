// SPDX-License-Identifier: MIT
#pragma once

#include "windows/lookup_window.h"

// The code-to-name window.
class Form1 final : public LookupWindow {
    Q_OBJECT

  public:
    explicit Form1(std::filesystem::path dataFile)
        : LookupWindow(kForm1Design, std::move(dataFile)) {}
};
