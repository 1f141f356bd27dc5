// SPDX-License-Identifier: MIT
#pragma once

#include "windows/lookup_window.h"

// The name-to-code window.
class Form2 final : public LookupWindow {
    Q_OBJECT

  public:
    explicit Form2(Program& program) : LookupWindow(kForm2Design, program) {}
};
