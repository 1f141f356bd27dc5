// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The airfields the user has looked at, as a browser keeps pages: each the search's text and
// the code selected in its answer, for Back and Forward. Typing on from a text typed, or
// erasing back, updates its step in place, so that a name typed letter by letter is one step
// back, not eight; a link followed, a row chosen, another text typed is a step of its own.
class SelectionHistory {
  public:
    struct Step {
        QString text;
        QString code;
        bool operator==(const Step&) const = default;
    };

    // The airfield shown now; typed says its text came from typing into the search field.
    void record(const Step& step, bool typed);

    // The codes of the steps, the latest first, each once.
    QStringList codes() const;

    bool canGoBack() const { return at_ > 0; }
    bool canGoForward() const { return at_ + 1 < steps_.size(); }
    // The step before or after the one shown, which becomes the one shown; none at either end.
    std::optional<Step> back();
    std::optional<Step> forward();

  private:
    struct Taken {
        Step step;
        // Whether its text came from typing.
        bool typed;
    };
    std::vector<Taken> steps_;
    std::size_t at_ = 0;
};
