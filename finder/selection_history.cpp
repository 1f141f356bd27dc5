// SPDX-License-Identifier: MIT
#include "finder/selection_history.h"

namespace {

// Beyond this many steps the oldest give way.
constexpr std::size_t kMostSteps = 200;

} // namespace

void SelectionHistory::record(const Step& step, bool typed) {
    if (!steps_.empty()) {
        if (steps_[at_] == step) {
            return;
        }
        // A text typed on from one typed, or back from it, refines the same search.
        const QString& before = steps_[at_].text;
        if (typed && typed_[at_] && before != step.text &&
            (step.text.startsWith(before) || before.startsWith(step.text))) {
            steps_[at_] = step;
            return;
        }
        steps_.resize(at_ + 1);
        typed_.resize(at_ + 1);
    }
    steps_.push_back(step);
    typed_.push_back(typed);
    if (steps_.size() > kMostSteps) {
        steps_.erase(steps_.begin());
        typed_.erase(typed_.begin());
    }
    at_ = steps_.size() - 1;
}

QStringList SelectionHistory::codes() const {
    QStringList codes;
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
        if (!codes.contains(step->code)) {
            codes << step->code;
        }
    }
    return codes;
}

std::optional<SelectionHistory::Step> SelectionHistory::back() {
    if (!canGoBack()) {
        return std::nullopt;
    }
    return steps_[--at_];
}

std::optional<SelectionHistory::Step> SelectionHistory::forward() {
    if (!canGoForward()) {
        return std::nullopt;
    }
    return steps_[++at_];
}
