#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the whole suite (window tests
# on the offscreen platform and under Xvfb), the data check of the shipped airports.txt, the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, the core tests and
# icao under ThreadSanitizer (find searches on two threads), and the fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

cmake --preset ci
cmake --build --preset ci
ctest --preset ci

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan

tools/fuzz.sh "${FUZZ_SECONDS:-60}"
