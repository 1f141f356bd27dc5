#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Asks find for place names a traveller types, each beside the airport most travellers mean
(meant_airports.tsv), and holds how often that airport comes first to at least 85%: the
prominence of the shipped data and find's order keep what they measured.
Usage: meant_airports.py COMMAND... (icao, under its emulator if any)"""
import pathlib
import subprocess
import sys

LEAST_SHARE = 0.85


def main():
    table = pathlib.Path(__file__).with_name("meant_airports.tsv")
    meant = [line.split("\t") for line in table.read_text(encoding="utf-8").splitlines()]
    keys = "".join(f"{place}\n" for place, _ in meant)
    answer = subprocess.run(sys.argv[1:] + ["find", "-", "--format", "tsv"], input=keys,
                            capture_output=True, text=True, encoding="utf-8")
    rows = [line.rstrip("\r").split("\t") for line in answer.stdout.splitlines()[1:]]
    if len(rows) != len(meant):
        print(f"find - answered {len(rows)} of {len(meant)} keys:\n{answer.stderr}")
        return 1
    first = 0
    for (place, code), row in zip(meant, rows):
        if row[1] == code:
            first += 1
        else:
            print(f"{place}: {row[1] or 'nothing'} first, not {code}")
    print(f"the airport meant comes first for {first} of {len(meant)} places")
    return 0 if first >= LEAST_SHARE * len(meant) else 1


if __name__ == "__main__":
    sys.exit(main())
