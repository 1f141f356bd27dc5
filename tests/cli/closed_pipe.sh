#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs the command with its output into a pipe that nobody reads; passes when the command
# reports the failed write on standard error and exits with status 2.
status=$(mktemp)
trap 'rm -f "$status"' EXIT
( "$@" 2>"$status.err"; echo $? >"$status" ) | true
grep -q "cannot write the output" "$status.err" && test "$(cat "$status")" -eq 2
result=$?
rm -f "$status.err"
exit $result
