#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer harness with clang and runs it for SECONDS (default 60) on the
# committed seed corpus; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The fuzzer reports every new input it finds; the log keeps them, and only its summary is
# shown, or its end when it found something.
if ! build-fuzz/bin/fuzz_lookup -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "$work" tests/fuzz/corpus >"$work/log" 2>&1; then
    tail -n 60 "$work/log" >&2
    exit 1
fi
grep -E '^(Done|stat::)' "$work/log"
