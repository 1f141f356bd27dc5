#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors in build-ci/ and runs every test: the whole
# suite under CTest (window tests on the offscreen platform, under Xvfb and under Xvfb with
# openbox; the lookup and search suites once more with the plain loops), the Debian package
# with its metadata checks, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the lookup and search tests and icao under ThreadSanitizer
# (find searches on two threads), and the fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test

cmake --preset ci
cmake --build --preset ci
ctest --preset ci
tools/package_test.sh

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan

tools/fuzz.sh "${FUZZ_SECONDS:-60}"
