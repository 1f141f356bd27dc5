// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The text as a terminal shows it without taking any of it as a command: control characters
// (C0 and C1), bidirectional embeddings, overrides and isolates, and bytes that are not UTF-8
// written out as escapes; everything else as it is.
std::string withVisibleControls(std::string_view text);

// Says the message on standard error as "icao: MESSAGE", made visible whole: the one way a
// message reaches the terminal, whatever text of the data or the arguments it holds.
void warn(std::string_view message);
