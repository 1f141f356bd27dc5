# SPDX-License-Identifier: MIT
"""OurAirports' own CSV files (airports.csv, runways.csv, airport-frequencies.csv, regions.csv,
navaids.csv), read strictly: every column the data scripts need must stand in the header, by
name; every value they read must be of its type and range; a file must be UTF-8 and end with a
whole row. A fault raises DataError with the file and the line or column, so that a refresh
never builds from a file that was cut short, renamed or garbled. Fields may hold quoted commas
and line breaks (a line break becomes a space), lines may end in CRLF, and a file may begin with
a byte-order mark."""

import codecs
import csv
import io
import pathlib
import re
from dataclasses import dataclass, field

# OurAirports' frequency types, by the names a record gives them; other types keep their own.
# A director (DIR, Heathrow Director) and approach and departure in one (A/D, APP/DEP) are
# approach services.
FREQUENCY_NAMES = {"ATIS": "atis", "TWR": "tower", "TOWER": "tower", "GND": "ground",
                   "CLD": "clearance", "DEL": "clearance", "CLNC": "clearance", "UNIC": "unicom",
                   "UNICOM": "unicom", "APP": "approach", "DIR": "approach", "A/D": "approach",
                   "APP/DEP": "approach", "DEP": "departure"}
KINDS = ("large_airport", "medium_airport", "small_airport", "heliport", "seaplane_base",
         "balloonport", "closed")


class DataError(Exception):
    """A source file the data scripts must not build from; the text names the file and where."""


def _number(text):
    try:
        value = float(text)
    except ValueError:
        raise ValueError("not a number") from None
    if value != value or value in (float("inf"), float("-inf")):
        raise ValueError("not a finite number")
    return value


def _within(low, high):
    def check(text):
        value = _number(text)
        if not low <= value <= high:
            raise ValueError(f"outside {low:g} to {high:g}")
        return value
    return check


def _not_negative(text):
    value = _number(text)
    if value < 0:
        raise ValueError("negative")
    return value


def _size(text):
    """A length or width in feet; the source's -1 or 0 says it is unknown."""
    value = _number(text)
    return value if value > 0 else None


def _whole(text):
    if not re.fullmatch(r"[0-9]+", text):
        raise ValueError("not a whole number")
    return int(text)


def _frequency(text):
    """A frequency kept as the source writes it ("130.000"), once read as a number."""
    _not_negative(text)
    return text


def _flag(text):
    if text not in ("0", "1"):
        raise ValueError("neither 0 nor 1")
    return text == "1"


def _yes_no(text):
    if text not in ("yes", "no"):
        raise ValueError("neither yes nor no")
    return text == "yes"


def _text(text):
    return text


LATITUDE, LONGITUDE = _within(-90, 90), _within(-180, 180)
# Each file's columns that the scripts read, with how a value is checked; "?" after a name
# lets the value be empty (read as None).
SCHEMAS = {
    "airports.csv": {
        "id": _whole, "ident": _text, "type": _text, "name": _text,
        "latitude_deg": LATITUDE, "longitude_deg": LONGITUDE, "elevation_ft?": _number,
        "iso_country": _text, "iso_region": _text, "municipality": _text,
        "scheduled_service?": _yes_no, "icao_code": _text, "iata_code": _text,
        "gps_code": _text, "local_code": _text, "wikipedia_link": _text, "keywords": _text},
    "runways.csv": {
        "airport_ident": _text, "length_ft?": _size, "width_ft?": _size,
        "surface": _text, "lighted?": _flag, "closed?": _flag,
        "le_ident": _text, "le_latitude_deg?": LATITUDE, "le_longitude_deg?": LONGITUDE,
        "le_heading_degT?": _number, "he_ident": _text, "he_latitude_deg?": LATITUDE,
        "he_longitude_deg?": LONGITUDE, "he_heading_degT?": _number},
    "airport-frequencies.csv": {
        "airport_ident": _text, "type": _text, "frequency_mhz": _frequency},
    "regions.csv": {"code": _text, "name": _text},
    "navaids.csv": {
        "ident": _text, "name": _text, "type": _text, "frequency_khz": _number,
        "latitude_deg": LATITUDE, "longitude_deg": LONGITUDE, "elevation_ft?": _number,
        "iso_country": _text, "dme_channel": _text, "magnetic_variation_deg?": _within(-180, 180),
        "associated_airport": _text},
}
FILES = tuple(SCHEMAS)


def _decoded(path, shown):
    data = path.read_bytes()
    if not data:
        raise DataError(f"{shown}: the file is empty")
    data = data.removeprefix(codecs.BOM_UTF8)
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as error:
        line = data[:error.start].count(b"\n") + 1
        raise DataError(f"{shown}: line {line}: a byte that is not UTF-8 "
                        f"(0x{data[error.start]:02x})") from None
    if not text.endswith("\n"):
        raise DataError(f"{shown}: the file ends mid-row, after line {text.count(chr(10)) + 1}: "
                        "cut short?")
    return text


def read_table(path, schema, shown=None):
    """The rows of a CSV file as dicts of the schema's columns, each value checked; raises
    DataError naming the file (as shown, if given) and the line or column at the first
    fault."""
    path = pathlib.Path(path)
    shown = shown or path
    reader = csv.reader(io.StringIO(_decoded(path, shown), newline=""), strict=True)
    try:
        header = next(reader)
    except (StopIteration, csv.Error) as error:
        raise DataError(f"{shown}: no header line ({error})") from None
    positions = {name: index for index, name in enumerate(header)}
    columns = [(name.rstrip("?"), name.endswith("?"), check) for name, check in schema.items()]
    missing = [name for name, _, _ in columns if name not in positions]
    if missing:
        raise DataError(f"{shown}: no column {', '.join(missing)} in the header line")
    rows = []
    while True:
        try:
            values = next(reader)
        except StopIteration:
            break
        except csv.Error as error:
            raise DataError(f"{shown}: line {reader.line_num}: {error}") from None
        if len(values) != len(header):
            raise DataError(f"{shown}: line {reader.line_num}: {len(values)} fields where the "
                            f"header has {len(header)}")
        row = {}
        for name, optional, check in columns:
            text = re.sub(r"\s*[\r\n]+\s*", " ", values[positions[name]]).strip()
            if optional and text == "":
                row[name] = None
                continue
            try:
                row[name] = check(text)
            except ValueError as error:
                raise DataError(f"{shown}: line {reader.line_num}: column {name}: {error} "
                                f"({text!r})") from None
        rows.append(row)
    return rows


def runway_of(row):
    """A runway of runways.csv as the data scripts hold one: its size, surface, lighting and
    ends, each end with its ident, true heading and threshold."""
    ends = []
    for side in ("le", "he"):
        ends.append({"ident": row[f"{side}_ident"], "heading": row[f"{side}_heading_degT"],
                     "latitude": row[f"{side}_latitude_deg"],
                     "longitude": row[f"{side}_longitude_deg"]})
    if not ends[1]["ident"] and all(ends[1][key] is None for key in ends[1] if key != "ident"):
        ends.pop()
    return {"length_ft": row["length_ft"], "width_ft": row["width_ft"],
            "surface": row["surface"], "lighted": row["lighted"], "ends": ends}


def frequency_name(kind):
    kind = kind.strip().upper()
    return FREQUENCY_NAMES.get(kind, "".join(ch for ch in kind.lower() if ch.isalnum()))


@dataclass
class Tables:
    """What the data scripts read of the CSV files: the airports as rows, the open runways and
    the frequencies (name, MHz) by the airport's ident, the regions' names by code, the
    navaids as rows, and how many rows of each file were read."""
    airports: list
    runways: dict
    frequencies: dict
    regions: dict
    navaids: list
    rows: dict = field(default_factory=dict)


def read_folder(folder, shown=None):
    """The Tables of the CSV files in folder (named as shown, if given, in messages); a missing
    or faulty file raises DataError."""
    folder = pathlib.Path(folder)
    shown = shown or str(folder)
    missing = [name for name in FILES if not (folder / name).is_file()]
    if missing:
        raise DataError(f"{shown}: missing {', '.join(missing)}")
    read = {name: read_table(folder / name, schema, f"{shown}/{name}")
            for name, schema in SCHEMAS.items()}
    runways = {}
    for row in read["runways.csv"]:
        if not row["closed"]:
            runways.setdefault(row["airport_ident"], []).append(runway_of(row))
    frequencies = {}
    for row in read["airport-frequencies.csv"]:
        name = frequency_name(row["type"])
        if name:
            frequencies.setdefault(row["airport_ident"], []).append(
                (name, row["frequency_mhz"]))
    regions = {row["code"]: row["name"] for row in read["regions.csv"]}
    return Tables(read["airports.csv"], runways, frequencies, regions, read["navaids.csv"],
                  {name: len(rows) for name, rows in read.items()})
