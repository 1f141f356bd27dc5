// SPDX-License-Identifier: MIT
#pragma once

#include "finder/core/search_worker.h"
#include "finder/results_model.h"

#include <QString>

// What the status bar says of an answer shown: how many matched and how many are shown, or
// why none; `elsewhere` names a file of the user's own that may lack what the shipped one has,
// and is empty for the shipped file.
QString answerStatus(const SearchAnswer& answer, const ResultsModel& model, bool filtered,
                     const QString& elsewhere);

// What the status bar says with nothing typed.
QString startStatus(bool recent);
