#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the command with its output to a full disk (full) or into a pipe nobody reads (pipe);
# passes when the command reports the failed write and its reason on standard error and exits
# with status 2. Otherwise says what happened instead: the status, how long the run took and
# what it printed, so that a failure under an emulator tells whether the program ran at all.
# Usage: failed_write.sh full|pipe COMMAND [ARG...]
where=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
started=$(date +%s%N)
if [ "$where" = full ]; then
    "$@" >/dev/full 2>"$scratch/err"
    echo $? >"$scratch/status"
else
    ( "$@" 2>"$scratch/err"; echo $? >"$scratch/status" ) | true
fi
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
status=$(cat "$scratch/status")
if [ "$status" -eq 2 ] && grep -q "^icao: cannot write the output (.*)" "$scratch/err"; then
    exit 0
fi
echo "expected status 2 and the write's reason; got status $status after $elapsed_ms ms, and:"
cat "$scratch/err"
exit 1
