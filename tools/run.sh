#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the programs alone in build/ and starts the desktop program (or, with "finder", the
# finder) on the shipped airports.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
cmake --preset default >/dev/null
cmake --build --preset default
# "tools/run.sh finder" starts the finder instead.
if [ "${1:-}" = finder ]; then
    exec build/bin/icaofinder
fi
exec build/bin/icaolookup
