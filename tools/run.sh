#!/usr/bin/env bash
# Builds the programs and runs icao on the shipped airports.txt; arguments go to icao.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ $# -eq 0 ]; then
    set -- code EGLL
fi
exec build/bin/icao "$@"
