#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the two programs alone in build/ and starts the desktop program on the shipped
# airports.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/icaolookup
