// SPDX-License-Identifier: MIT
#pragma once

#include "cli/arguments.h"

#include <string>

// Writes a picture to --output's file, or else to standard output; yields the exit status, an
// error that names the file and the reason when it cannot be written.
int writePicture(const std::string& picture, const Arguments& arguments);
