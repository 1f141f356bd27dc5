// SPDX-License-Identifier: MIT
#include "finder/core/selection_history.h"

namespace {

// Beyond this many steps the oldest give way.
constexpr std::size_t kMostSteps = 200;

} // namespace

void SelectionHistory::record(const Step& step, bool typed) {
    if (!steps_.empty()) {
        Taken& shown = steps_[at_];
        if (shown.step == step) {
            return;
        }
        // A text typed on from one typed, or back from it, refines the same search.
        const QString& before = shown.step.text;
        if (typed && shown.typed && before != step.text &&
            (step.text.startsWith(before) || before.startsWith(step.text))) {
            shown.step = step;
            return;
        }
        steps_.resize(at_ + 1);
    }
    steps_.push_back({step, typed});
    if (steps_.size() > kMostSteps) {
        steps_.erase(steps_.begin());
    }
    at_ = steps_.size() - 1;
}

QStringList SelectionHistory::codes() const {
    QStringList codes;
    for (auto taken = steps_.rbegin(); taken != steps_.rend(); ++taken) {
        if (!codes.contains(taken->step.code)) {
            codes << taken->step.code;
        }
    }
    return codes;
}

std::optional<SelectionHistory::Step> SelectionHistory::back() {
    if (!canGoBack()) {
        return std::nullopt;
    }
    return steps_[--at_].step;
}

std::optional<SelectionHistory::Step> SelectionHistory::forward() {
    if (!canGoForward()) {
        return std::nullopt;
    }
    return steps_[++at_].step;
}
