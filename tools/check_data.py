#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks a data file as make_airports.py writes it. Read alone: every coordinate in range,
every elevation a number, every kind marker known, no code on two records, no former code that
is another record's current code, no IATA code on two records, the recent changes of ICAO
codes answered under the current code, every time zone known to the system's time-zone
database, every runway threshold within reach of its airfield, a prominence the reader reads
(a whole number) wherever there are runways, no region "(unassigned)", and in a file of many
runways the surface known on at least 90% of them. Against the OurAirports tables it was built
from, also: every large airport present, no elevation 0 that the source does not state, a
prominence above 0 wherever the source has runways, and frequencies on as many airfields as
the source gives them.

Usage: tools/check_data.py FILE [--csv FOLDER | --package]
With --csv the tables are OurAirports' CSV files in FOLDER; with --package those of the npm
package that make_airports.py reads. Prints each problem and exits 1 when there is any, 2 on a
usage error.
"""

import datetime
import math
import pathlib
import sys
import tempfile
import zoneinfo

import airport_rules
import ourairports_csv

# Codes that changed, the former first, each answered by the record of the current one.
RECENT_CODE_CHANGES = {
    "FVHA": "FVRG",  # Harare
    "FLLS": "FLKK",  # Lusaka
    "SPIM": "SPJC",  # Lima
    "WARJ": "WAHH",  # Yogyakarta Adisutjipto
    "UTTT": "UZTT",  # Tashkent, as Uzbekistan's codes moved from UT to UZ
    "OKBK": "OKKK",  # Kuwait
    "VAGO": "VOGO",  # Goa Dabolim
    "VGZR": "VGHS",  # Dhaka
}
# Fields of a record, numbered from 0 (see make_airports.py).
(MARKER, CODE, IATA, LATITUDE, LONGITUDE, ELEVATION, PROMINENCE, TIME_ZONE, RUNWAYS,
 FREQUENCIES, REGION, FORMER_CODES, SCHEDULED) = (0, 1, 5, 6, 7, 8, 10, 13, 14, 15, 16, 18, 19)
MARKERS = "LMSHWBC"
# In a file of this many runways or more, the surface must be known on SURFACES_KNOWN of them.
SURFACE_SAMPLE = 1000
SURFACES_KNOWN = 0.9


def date_of(seconds):
    return datetime.datetime.fromtimestamp(seconds, datetime.timezone.utc).date().isoformat()


def fields_of(record):
    fields = record.split("|")[:-1]
    return fields + [""] * (SCHEDULED + 1 - len(fields))


def number(text):
    try:
        value = float(text)
    except ValueError:
        return None
    return value if math.isfinite(value) else None


def field_problems(fields):
    """What is wrong in one record's fields."""
    code = fields[CODE]
    problems = []
    if fields[MARKER] not in MARKERS or len(fields[MARKER]) != 1:
        problems.append(f"{code}: kind marker {fields[MARKER]!r} unknown")
    for name, limit, text in (("latitude", 90, fields[LATITUDE]),
                              ("longitude", 180, fields[LONGITUDE])):
        value = number(text)
        if value is None or abs(value) > limit:
            problems.append(f"{code}: {name} {text!r} out of range")
    if fields[ELEVATION] and number(fields[ELEVATION]) is None:
        problems.append(f"{code}: elevation {fields[ELEVATION]!r} not a number")
    if fields[RUNWAYS] and not (fields[PROMINENCE].isdigit() and int(fields[PROMINENCE]) > 0):
        problems.append(f"{code}: prominence {fields[PROMINENCE]!r} reads as 0 though it has "
                        "runways")
    if fields[REGION].startswith("("):
        problems.append(f"{code}: region {fields[REGION]!r}")
    return problems


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
    runways = known_surfaces = 0
    for record in records:
        fields = fields_of(record)
        code = fields[CODE]
        if code in by_code:
            problems.append(f"{code}: on two records")
        by_code[code] = fields
        problems += field_problems(fields)
        for runway in fields[RUNWAYS].split():
            runways += 1
            known_surfaces += len(runway.split(":")) > 3 and runway.split(":")[3] != ""
        if fields[TIME_ZONE] and fields[TIME_ZONE] not in known_zones:
            problems.append(f"{code}: time zone {fields[TIME_ZONE]} unknown to the system")
        if fields[IATA]:
            iata_holders.setdefault(fields[IATA], []).append(code)
        for former in fields[FORMER_CODES].split():
            former_of[former] = code
        latitude, longitude = number(fields[LATITUDE]), number(fields[LONGITUDE])
        if latitude is None or longitude is None:
            continue
        for ends in thresholds_of(fields[RUNWAYS]):
            for end in ends:
                reach = airport_rules.distance_km(latitude, longitude, *end)
                if reach > airport_rules.THRESHOLD_REACH_KM:
                    problems.append(f"{code}: a runway threshold {reach:.0f} km away")
    for former, current in former_of.items():
        if former in by_code:
            problems.append(f"{former}: a former code of {current} and a record's own code")
    if runways >= SURFACE_SAMPLE and known_surfaces < SURFACES_KNOWN * runways:
        problems.append(f"runway surfaces known on {known_surfaces} of {runways} runways, "
                        f"under {SURFACES_KNOWN:.0%}")
    for iata, codes in iata_holders.items():
        if len(codes) > 1:
            problems.append(f"IATA code {iata} on {', '.join(codes)}")
    for former, current in RECENT_CODE_CHANGES.items():
        # A file of some airfields only (a test's) need not hold these.
        if current in by_code and former_of.get(former) != current:
            problems.append(f"{former} is not answered under its current code {current}")
    return problems


def source_problems(records, airports, tables=None):
    """What the records lose of the rows (and tables, ourairports_csv.Tables) they were built
    from."""
    problems = []
    codes = {}
    for record in records:
        fields = fields_of(record)
        for code in [fields[CODE]] + fields[FORMER_CODES].split():
            codes[code] = fields
    with_frequencies = 0
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
        # The record built from this row, not one of a row that holds a code it also claims.
        if held[CODE] not in claims or (held[LATITUDE], held[LONGITUDE]) != (
                airport_rules.coordinate(airport["latitude_deg"]),
                airport_rules.coordinate(airport["longitude_deg"])):
            continue
        stated = airport_rules.elevation_text(airport.get("elevation_ft"))
        if held[ELEVATION] == "0" and stated != "0":
            problems.append(f"{held[CODE]}: elevation 0 where the source states "
                            f"{stated or 'none'}")
        if tables is None:
            continue
        ident = airport.get("ident")
        if tables.runways.get(ident) and not (held[PROMINENCE].isdigit() and
                                               int(held[PROMINENCE]) > 0):
            problems.append(f"{held[CODE]}: prominence {held[PROMINENCE]!r} reads as 0 though "
                            "the source has runways")
        with_frequencies += any(airport_rules.frequency_text(value)
                                for _, value in tables.frequencies.get(ident, ()))
    if tables is not None:
        held = sum(1 for record in records if fields_of(record)[FREQUENCIES])
        if held < with_frequencies:
            problems.append(f"frequencies on {held} airfields where the source gives them for "
                            f"{with_frequencies}")
    return problems


def problems(records, airports=None, tables=None):
    return file_problems(records) + (source_problems(records, airports, tables)
                                     if airports else [])


def usage(code):
    print(__doc__.split("\n\n")[1], file=sys.stderr if code else sys.stdout)
    sys.exit(code)


def main():
    arguments = sys.argv[1:]
    if any(word in ("-h", "--help") for word in arguments):
        print(__doc__)
        return 0
    if not arguments or arguments[0].startswith("-"):
        usage(2)
    path, options = pathlib.Path(arguments[0]), arguments[1:]
    try:
        records = path.read_text(encoding="utf-8").splitlines()
    except (OSError, UnicodeDecodeError) as error:
        print(f"{path}: {getattr(error, 'strerror', None) or error}", file=sys.stderr)
        return 1
    tables = None
    try:
        if options[:1] == ["--csv"] and len(options) == 2:
            tables = ourairports_csv.read_folder(options[1])
        elif options == ["--package"]:
            import make_airports
            with tempfile.TemporaryDirectory() as folder:
                tables = make_airports.package_tables(folder)
        elif options:
            usage(2)
    except ourairports_csv.DataError as error:
        print(error, file=sys.stderr)
        return 1
    found = problems(records, tables.airports if tables else None, tables)
    for problem in found:
        print(f"{path}: {problem}")
    print(f"{path}: {len(records)} records, {len(found)} problems")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
