# SPDX-License-Identifier: MIT
"""OurAirports' own CSV files (airports.csv, runways.csv, airport-frequencies.csv, regions.csv,
as https://ourairports.com/data/ publishes them) read into the rows the data scripts build from:
the airports as they stand, each runway with its two ends, the frequencies by the airport's
ident, the regions' names by their codes. Fields may hold quoted commas and line breaks, and a
file may begin with a byte-order mark."""

import csv
import pathlib

FILES = ("airports.csv", "runways.csv", "airport-frequencies.csv", "regions.csv")
# OurAirports' frequency types, by the names a record gives them; other types keep their own.
FREQUENCY_NAMES = {"ATIS": "atis", "TWR": "tower", "GND": "ground", "CLD": "clearance",
                   "DEL": "clearance", "CLNC": "clearance", "UNIC": "unicom", "UNICOM": "unicom",
                   "APP": "approach", "DEP": "departure"}


def read_table(path):
    """The rows of a CSV file with a header line, as dicts; a missing column is empty."""
    with open(path, newline="", encoding="utf-8-sig") as file:
        return [{key: value or "" for key, value in row.items() if key is not None}
                for row in csv.DictReader(file)]


def number(text):
    try:
        return float(text)
    except (TypeError, ValueError):
        return None


def runway_of(row):
    """A runway of runways.csv as the data scripts hold one: its size, surface, lighting and
    ends, each end with its ident, true heading and threshold."""
    ends = []
    for side in ("le", "he"):
        if row.get(f"{side}_ident"):
            ends.append({"ident": row[f"{side}_ident"],
                         "heading": number(row.get(f"{side}_heading_degT")),
                         "latitude": number(row.get(f"{side}_latitude_deg")),
                         "longitude": number(row.get(f"{side}_longitude_deg"))})
    lighted = row.get("lighted", "")
    return {"length_ft": number(row.get("length_ft")), "width_ft": number(row.get("width_ft")),
            "surface": row.get("surface", ""),
            "lighted": None if lighted == "" else lighted == "1", "ends": ends}


def frequency_name(kind):
    kind = kind.strip().upper()
    return FREQUENCY_NAMES.get(kind, "".join(ch for ch in kind.lower() if ch.isalnum()))


def read_folder(folder):
    """(airports, runways by ident, frequencies by ident as (name, text), region names by code)
    from the CSV files in folder; a missing file is an error that names it."""
    folder = pathlib.Path(folder)
    missing = [name for name in FILES if not (folder / name).is_file()]
    if missing:
        raise FileNotFoundError(f"{folder}: missing {', '.join(missing)}")
    airports = read_table(folder / "airports.csv")
    runways = {}
    for row in read_table(folder / "runways.csv"):
        if row.get("closed") != "1":
            runways.setdefault(row["airport_ident"], []).append(runway_of(row))
    frequencies = {}
    for row in read_table(folder / "airport-frequencies.csv"):
        name = frequency_name(row.get("type", ""))
        if name:
            frequencies.setdefault(row["airport_ident"], []).append(
                (name, row.get("frequency_mhz", "")))
    regions = {row["code"]: row["name"] for row in read_table(folder / "regions.csv")}
    return airports, runways, frequencies, regions
