#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""find and near with filters, on the shipped data, held against the data file read here:
near lists the nearest of those that pass, in order, each with the runway that qualifies,
near - answers each key as near does, and find keeps only those that pass.
Usage: filters.py DATA_FILE COMMAND... (icao, under its emulator if any)"""
import json
import subprocess
import sys

from report import reported

PAVED = {"asphalt", "concrete", "bitumen", "macadam", "metal", "paved", "brick", "wood", "deck",
         "rooftop"}


def records(path):
    with open(path, encoding="utf-8", errors="replace") as data:
        for line in data:
            fields = line.rstrip("\n").split("|")
            if len(fields) > 4 and len(fields[1]) == 4:
                yield fields


def runways(fields):
    for runway in (fields[14] if len(fields) > 14 else "").split():
        parts = runway.split(":")
        if len(parts) >= 5:
            yield {"length": int(parts[1]) if parts[1].isdigit() else 0, "surface": parts[3],
                   "lighted": parts[4] == "1"}


def passes(fields, country=None, min_ft=0, paved=False, lighted=False, scheduled=False):
    service = fields[19] == "1" if len(fields) > 19 and fields[19] else bool(fields[5])
    if country and fields[4] != country or scheduled and not service:
        return False
    if not (min_ft or paved or lighted):
        return True
    return any(r["length"] >= min_ft and (not paved or r["surface"] in PAVED) and
               (not lighted or r["lighted"]) for r in runways(fields))


def icao_json(icao, *words, keys=None):
    answer = subprocess.run(icao + list(words) + ["--format", "json"], capture_output=True,
                            text=True, encoding="utf-8", input=keys)
    if keys is not None:
        return [json.loads(line) for line in answer.stdout.splitlines()]
    return json.loads(answer.stdout or "[]")


def main():
    path, icao = sys.argv[1], sys.argv[2:]
    by_code = {fields[1]: fields for fields in records(path)}
    failures = []
    # near: the nearest 20 that pass, out of all airfields by distance.
    everything = [row["icao"] for row in icao_json(icao, "near", "EGLL", "--limit", "100000")]
    cases = [
        (["--min-runway", "2500m", "--lighted"], {"min_ft": 8203, "lighted": True}),
        (["--min-runway", "6500ft", "--surface", "paved"], {"min_ft": 6500, "paved": True}),
        (["--country", "FR", "--scheduled"], {"country": "FR", "scheduled": True}),
    ]
    for options, wanted in cases:
        expected = [code for code in everything if passes(by_code[code], **wanted)][:20]
        rows = icao_json(icao, "near", "EGLL", "--limit", "20", *options)
        if [row["icao"] for row in rows] != expected:
            failures.append(f"near EGLL {' '.join(options)}: {[r['icao'] for r in rows]}, "
                            f"not {expected}")
        keys = ["EGLL", "LFPG", "YSSY", "SCIP"]
        batch = icao_json(icao, "near", "-", *options, keys="\n".join(keys) + "\n")
        singly = [icao_json(icao, "near", key, "--limit", "1", *options)[0]["icao"]
                  for key in keys]
        if [row["icao"] for row in batch] != singly:
            failures.append(f"near - {' '.join(options)}: {[r['icao'] for r in batch]}, "
                            f"not {singly}")
        for row in rows:
            runway = row.get("qualifying_runway")
            if "min_ft" in wanted and (not runway or runway["length_ft"] < wanted["min_ft"]):
                failures.append(f"near EGLL {' '.join(options)}: {row['icao']} with {runway}")
    # find: only those that pass, the rest as find ranks them.
    for text, options, wanted in [("london", ["--country", "CA"], {"country": "CA"}),
                                  ("international", ["--min-runway", "3500m"], {"min_ft": 11483})]:
        rows = icao_json(icao, "find", text, "--limit", "50", *options)
        unfiltered = icao_json(icao, "find", text, "--limit", "100000")
        expected = [row["icao"] for row in unfiltered if passes(by_code[row["icao"]], **wanted)]
        if not rows or [row["icao"] for row in rows] != expected[:50]:
            failures.append(f"find {text} {' '.join(options)}: {[r['icao'] for r in rows]}")
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
