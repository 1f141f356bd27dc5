// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/box.h"

#include <QLineEdit>

// A window's text box as the lookups see it. Writing sets the text, so the box raises its
// change signal as for typing, and leaves the text's start in view, as a name longer than
// the box reads from its start; locking makes it read-only.
class LineEditBox final : public icao::Box {
  public:
    explicit LineEditBox(QLineEdit& edit) : edit_(edit) {}

    icao::Text readText() const override { return edit_.text().toStdU32String(); }
    void writeText(const icao::Text& text) override {
        edit_.setText(QString::fromStdU32String(text));
        edit_.setCursorPosition(0);
    }
    void lock() override { edit_.setReadOnly(true); }

  private:
    QLineEdit& edit_;
};
