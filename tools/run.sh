#!/usr/bin/env bash
# Builds the programs and starts the desktop program on the shipped airports.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/icaolookup
