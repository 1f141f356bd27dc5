// SPDX-License-Identifier: MIT
#pragma once

#include "lookup/text.h"

namespace icao {

// What a lookup needs of one of its window's text boxes.
class Box {
  public:
    virtual ~Box() = default;
    virtual Text readText() const = 0;
    // Replaces the text; a window's box raises its change event, as for typing.
    virtual void writeText(const Text& text) = 0;
    // Read-only from now on: the box keeps its text and accepts no typing.
    virtual void lock() = 0;
};

// A box that only holds its text, for callers without a window.
class MemoryBox final : public Box {
  public:
    explicit MemoryBox(Text text = {}) : text_(std::move(text)) {}
    Text readText() const override { return text_; }
    void writeText(const Text& text) override { text_ = text; }
    void lock() override { locked_ = true; }
    bool locked() const { return locked_; }

  private:
    Text text_;
    bool locked_ = false;
};

} // namespace icao
