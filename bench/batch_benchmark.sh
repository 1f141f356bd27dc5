#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times whole icao processes answering keys from standard input over the shipped data:
# 100,000 code keys (nine in ten found), 100,000 name keys, 1,000 find keys, and info on the
# same 100,000 code keys in text and JSON; a code no record has on a large file. ICAO names
# another icao to time (an older build).
set -euo pipefail
cd "$(dirname "$0")/.."
icao=${ICAO:-build-ci/bin/icao}
data=data/airports.txt
keys=$(mktemp -d)
trap 'rm -rf "$keys"' EXIT

cut -d'|' -f2 "$data" | awk '{ print; if (NR % 9 == 0) print "Q" substr($0, 2) }' > "$keys/one-pass"
cut -d'|' -f3 "$data" | tr '[:lower:]' '[:upper:]' > "$keys/names-one-pass"
cut -d'|' -f4 "$data" > "$keys/places-one-pass"
for kind in one-pass names-one-pass places-one-pass; do
    awk '{ keys[NR] = $0 } END { for (i = 0; i < 100000; ++i) print keys[i % NR + 1] }' \
        "$keys/$kind" > "$keys/$kind.100k"
    head -n 1000 "$keys/$kind.100k" > "$keys/$kind.1k"
done

TIMEFORMAT='%R s'
echo "machine: $(nproc) cores"
for run in "code:one-pass.100k" "name:names-one-pass.100k" "find:places-one-pass.1k" \
    "info:one-pass.100k" "info --format json:one-pass.100k"; do
    command=${run%%:*}
    file=$keys/${run#*:}
    printf '%s, %s keys: ' "icao $command -" "$(wc -l < "$file")"
    # shellcheck disable=SC2086 # the command's options are words of their own
    { time "$icao" $command - < "$file" > /dev/null 2>&1 || true; } 2>&1
done

# A code no record has, on the scan benchmark's file of records shaped like the shipped ones,
# beside the name lookup's miss and GNU grep counting the same bytes: whole processes, best of
# five (run build-ci/bin/scan_benchmark once first to write the file).
big=${TMPDIR:-/tmp}/icao-bench-v4/airports-Shipped.txt
if [ -f "$big" ]; then
    best() {
        local fastest=
        for _ in 1 2 3 4 5; do
            local started ended
            started=$(date +%s%N)
            "$@" > /dev/null 2>&1 || true
            ended=$(date +%s%N)
            local took=$(((ended - started) / 1000000))
            if [ -z "$fastest" ] || [ "$took" -lt "$fastest" ]; then fastest=$took; fi
        done
        echo "$fastest ms"
    }
    echo "icao code 0000 on $(basename "$big"): $(best "$icao" code 0000 --file "$big")"
    echo "icao name NO SUCH AIRPORT: $(best "$icao" name "NO SUCH AIRPORT" --file "$big")"
    echo "grep -c 0000: $(best grep -c 0000 "$big")"
fi
