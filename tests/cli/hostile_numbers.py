#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Numbers that are not numbers, through every printer: records whose coordinates, elevations,
runways and frequencies hold denormals, infinities, NaN, 1e308, negative zero and junk, shown by
info, find and near in text, TSV and JSON. Every JSON answer parses strictly (no NaN, no
Infinity), every TSV row is as wide as its heading, and text never shows a number out of range;
speeds and dates out of reason are usage errors. Seeded, so that a failure is repeated.
Usage: hostile_numbers.py COMMAND... (icao, under its emulator if any)"""
import json
import os
import random
import re
import subprocess
import sys
import tempfile

from report import reported

ODD = ["4.9e-324", "1e-300", "1e15", "1e308", "-1e308", "inf", "-inf", "nan", "NaN", "-0",
       "-0.0", "0x10", "1e", "junk", "", "91", "-90.0000001", "180.5", "1.79e305", "12",
       "51.5", "-33.9", "100000", "-2000", "30000", "30001"]


def strict_json(text):
    def refuse(constant):
        raise ValueError(f"not JSON: {constant}")
    return json.loads(text, parse_constant=refuse)


def odd(rng):
    return rng.choice(ODD)


def record(rng, n):
    runway = f"09/27:{odd(rng)}:{odd(rng)}:asphalt:1:{odd(rng)}/{odd(rng)}:" \
             f"{odd(rng)};{odd(rng)}/{odd(rng)};{odd(rng)}"
    fields = ["L", f"ZZ{n // 26 % 26 + 65:c}{n % 26 + 65:c}", f"Odd Field {n}", "Oddtown", "XX",
              "", odd(rng), odd(rng), odd(rng), "", str(rng.randint(0, 999)), "", "",
              "Europe/London", runway, f"tower:{odd(rng)} atis:{odd(rng)}", "", "", "", ""]
    return "|".join(fields) + "|\n"


# The numeric columns of TSV and the range each must lie in, where not empty.
NUMBERS = {"latitude": 90, "longitude": 180, "elevation_ft": 30000, "elevation_m": 9144,
           "distance_nm": 10800, "distance_km": 20016, "bearing_deg": 360}


def in_range(cell, bound):
    try:
        return abs(float(cell)) <= bound and len(cell) < 20
    except ValueError:
        return False


def out_of_range(text):
    """Numbers text shows that no airfield's answer holds: huge or not numbers."""
    found = re.findall(r"\b(nan|inf|infinity)\b", text, re.IGNORECASE)
    found += [number for number in re.findall(r"-?\d{9,}", text)]
    return found


def main():
    icao = sys.argv[1:]
    rng = random.Random(40)
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        data = os.path.join(folder, "airports.txt")
        with open(data, "w", encoding="utf-8") as out:
            out.write("L|EGLL|London Heathrow Airport|London|GB|LHR|51.47|-0.46|83||\n")
            for n in range(300):
                out.write(record(rng, n))

        def run(*words):
            return subprocess.run(icao + list(words) + ["--file", data], capture_output=True,
                                  text=True, encoding="utf-8", errors="replace")

        # Every record through near at once; a sample of them through info and find, each a
        # process (slow under an emulator).
        commands = [["near", "EGLL", "--limit", "300"]]
        for code in [f"ZZ{n // 26 % 26 + 65:c}{n % 26 + 65:c}" for n in range(0, 300, 20)]:
            commands += [["info", code], ["find", code], ["info", code, "--length", "m"]]
        for command in commands:
            name = " ".join(command)
            answer = run(*command, "--format", "json")
            try:
                strict_json(answer.stdout or "null")
            except ValueError as error:
                failures.append(f"{name} --format json: {error}")
            tsv = [row.split("\t") for row in
                   run(*command, "--format", "tsv").stdout.splitlines()]
            if len({len(row) for row in tsv}) > 1:
                failures.append(f"{name} --format tsv: rows of unlike widths")
            for row in tsv[1:]:
                for column, cell in zip(tsv[0], row):
                    if column in NUMBERS and cell and not in_range(cell, NUMBERS[column]):
                        failures.append(f"{name} --format tsv: {column} {cell}")
            shown = out_of_range(run(*command).stdout)
            if shown:
                failures.append(f"{name}: shows {shown[:3]}")

    # Speeds and dates are read whole and within reason, or refused as usage errors.
    for words in (["dist", "EGLL", "KJFK", "--speed", "4.9e-324kt"],
                  ["dist", "EGLL", "KJFK", "--speed", "1e-300kt"],
                  ["dist", "EGLL", "KJFK", "--speed", "0.5kt"],
                  ["dist", "EGLL", "KJFK", "--speed", "5001kt"],
                  ["dist", "EGLL", "KJFK", "--speed", "450ktx"],
                  ["info", "EGLL", "--date", "2026-06-2x"],
                  ["info", "EGLL", "--date", "2026-12-3-"],
                  ["info", "EGLL", "--date", "2026- 6-21"],
                  ["info", "EGLL", "--date", "2026-+6-21"],
                  ["info", "EGLL", "--date", "2026-02-30"],
                  ["info", "EGLL", "--date", "+026-06-21"]):
        status = subprocess.run(icao + words, capture_output=True).returncode
        if status != 2:
            failures.append(f"{' '.join(words)}: exit {status}, not 2")
    for words in (["dist", "EGLL", "KJFK", "--speed", "450kt"],
                  ["dist", "EGLL", "KJFK", "--speed", "5000kt"],
                  ["info", "EGLL", "--date", "2026-06-21"]):
        status = subprocess.run(icao + words, capture_output=True).returncode
        if status != 0:
            failures.append(f"{' '.join(words)}: exit {status}, not 0")
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
