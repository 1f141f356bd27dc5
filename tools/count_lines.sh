#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Counts the non-blank, non-comment lines of the program's C++ (platform/, lookup/, records/,
# search/, map/, windows/, finder/, cli/, app/) and of the tests (tests/, fuzz harness included),
# and prints their ratio, which this project keeps between a quarter and about a third.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    git ls-files -co --exclude-standard -- "$@" | xargs -r cat | grep -v '^\s*$' |
        grep -cv '^\s*//'
}
code=$(count 'platform/*.cpp' 'platform/*.h' 'lookup/*.cpp' 'lookup/*.h' 'records/*.cpp' \
    'records/*.h' 'search/*.cpp' 'search/*.h' 'map/*.cpp' 'map/*.h' 'windows/*.cpp' \
    'windows/*.h' 'finder/*.cpp' 'finder/*.h' 'cli/*.cpp' 'cli/*.h' 'app/*.cpp' 'app/*.h')
tests=$(count 'tests/*.cpp' 'tests/*.h')
awk -v code="$code" -v tests="$tests" \
    'BEGIN { printf "code %d lines, tests %d lines, tests/code %.2f\n", code, tests, tests / code }'
