// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"

#include <string>

// A picture or a plan, to standard output or to --output's file: written whole to a temporary
// file beside it, then renamed over it, so that a failure midway (a full disk) leaves the file
// as it was. Yields the exit status; an error names the file and the reason.
int writeOutput(const std::string& text, const Arguments& arguments);
