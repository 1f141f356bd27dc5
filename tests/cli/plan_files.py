#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""icao dist's plan files as the programs users trust read them, and read back by --plan:
- xmllint finds every XML file well-formed; GDAL's ogrinfo reads every GPX, KML and GeoJSON
  file with a feature a stop (and one line) at the coordinates of the data, to 1e-6 degree;
  gpsbabel turns each GPX into KML and back, and each KML into GPX and back, with every point; @placemarkio/check-geojson finds
  no error in any GeoJSON;
- a Garmin FPL keeps its schema's rules (www8.garmin.com/xmlschemas/FlightPlanv1.xsd:
  Identifier_t [A-Z0-9]{1,12}, unique in the waypoint table; the four waypoint types;
  a comment of capitals, digits and spaces, at most 25), and a PLN the AceXML layout that
  Microsoft Flight Simulator writes (SimBase.Document, FlightPlan.FlightPlan, an ATCWaypoint a
  stop of type Airport, VOR, NDB or User, its WorldPosition as N51° 28' 14.69",W0° 27' 35.67",
  +000083.00);
- every format read back with --plan gives the same legs: a route with a navaid and a point,
  one over the antimeridian, one by the pole, one of 1,000 stops;
- hostile names (controls, markup, quotes, right-to-left marks, 10 kB) keep every file valid;
- find, near and info map their records as GPX, KML and GeoJSON points that ogrinfo counts,
  info's runways as lines between their thresholds;
  find without TEXT lists what its filters keep; CSV holds the rows of TSV;
- a bad plan (not XML, another root, a place off the earth, 100,000 waypoints, 10 MB of one
  line) is refused in a bounded time with a message that names the file.
Usage: plan_files.py SCRATCH_FOLDER CHECK_GEOJSON_FOLDER COMMAND... (icao, under its
emulator if any)"""
import csv
import io
import json
import pathlib
import random
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from report import reported

FORMATS = ["gpx", "kml", "geojson", "fpl", "fms", "pln", "icao"]
XML = {"gpx", "kml", "fpl", "pln"}
ROUTES = {
    "navaid and point": ["EGLL", "DCT", "CPT", "DCT", "5030N00100W", "DCT", "LFPG"],
    "over the antimeridian": ["RJTT", "KSFO"],
    "by the pole": ["ENSB", "DCT", "8930N01500E", "DCT", "CYRB"],
    "1000 stops": [f"{40 + i % 7:02d}{(i * 7) % 60:02d}N{100 - i // 20:03d}{(i * 13) % 60:02d}W"
                   for i in range(1000)],
}


def run(icao, *arguments, timeout=120):
    return subprocess.run(icao + list(arguments), capture_output=True, timeout=timeout)


def coordinates_of(word):
    """A coordinates word's latitude and longitude, as a flight plan writes them."""
    match = re.fullmatch(r"(\d\d)(\d\d)?(\d\d)?([NS])(\d\d\d)(\d\d)?(\d\d)?([EW])", word)
    if not match:
        return None
    parts = match.groups()

    def degrees(whole, minutes, seconds, sign):
        value = int(whole) + int(minutes or 0) / 60 + int(seconds or 0) / 3600
        return -value if sign in "SW" else value
    return degrees(*parts[0:4]), degrees(*parts[4:8])


def places_of(icao, stops):
    """Each stop's latitude and longitude as the data gives it."""
    places = []
    for stop in stops:
        if stop == "DCT":
            continue
        point = coordinates_of(stop)
        if point:
            places.append(point)
            continue
        command = ["info", stop] if len(stop) == 4 else ["navaid", stop]
        record = json.loads(run(icao, *command, "--format", "json").stdout)[0]
        places.append((record["latitude"], record["longitude"]))
    return places


def legs_of(answer):
    """The legs of dist's TSV: distance and course of each, then the total."""
    rows = [line.split("\t") for line in answer.decode().splitlines()[1:]]
    return [(row[2], row[3], row[4] if len(row) > 4 else "") for row in rows]


def ogr_points(path):
    """The points ogrinfo reads, in the order of its features."""
    answer = subprocess.run(["ogrinfo", "-al", "-ro", str(path)], capture_output=True, text=True)
    return [(float(lat), float(lon)) for lon, lat in
            re.findall(r"POINT (?:Z )?\(([-\d.e]+) ([-\d.e]+)", answer.stdout)], answer


def near(one, other, within=1e-6):
    return abs(one[0] - other[0]) <= within and abs(
        (one[1] - other[1] + 180) % 360 - 180) <= within


def check_trusted(path, form, places, failures, checker):
    """What xmllint, ogrinfo, gpsbabel and check-geojson make of one file."""
    if form in XML:
        lint = subprocess.run(["xmllint", "--noout", str(path)], capture_output=True, text=True)
        if lint.returncode != 0:
            failures.append(f"{path.name}: xmllint: {lint.stderr[:300]}")
    if form in ("gpx", "kml", "geojson"):
        points, answer = ogr_points(path)
        if len(points) != len(places) or not all(map(near, points, places)):
            failures.append(f"{path.name}: ogrinfo reads {len(points)} points, not the "
                            f"{len(places)} stops: {answer.stderr[:200]}")
    if form == "gpx":
        there = path.with_suffix(".babel.kml")
        back = path.with_suffix(".babel.gpx")
        babel = subprocess.run(["gpsbabel", "-r", "-i", "gpx", "-f", str(path), "-o", "kml",
                                "-F", str(there)], capture_output=True, text=True)
        babel2 = subprocess.run(["gpsbabel", "-r", "-i", "kml", "-f", str(there), "-o", "gpx",
                                 "-F", str(back)], capture_output=True, text=True)
        kept = re.findall(r'<wpt lat="([-\d.]+)" lon="([-\d.]+)"', back.read_text(errors="replace")
                          if back.exists() else "")
        kept = [(float(lat), float(lon)) for lat, lon in kept]
        if babel.returncode or babel2.returncode or len(kept) != len(places) or not all(
                near(one, other, 1e-5) for one, other in zip(kept, places)):
            failures.append(f"{path.name}: gpsbabel to KML and back keeps {len(kept)} of "
                            f"{len(places)} points {babel.stderr[:100]}{babel2.stderr[:100]}")
    if form == "kml":
        there = path.with_suffix(".babel.gpx")
        back = path.with_suffix(".babel.kml")
        babel = subprocess.run(["gpsbabel", "-i", "kml", "-f", str(path), "-o", "gpx", "-F",
                                str(there)], capture_output=True, text=True)
        babel2 = subprocess.run(["gpsbabel", "-i", "gpx", "-f", str(there), "-o", "kml", "-F",
                                 str(back)], capture_output=True, text=True)
        # The stops are GPX's waypoints, the route's line its track; back in KML the waypoints'
        # points come first, the track's after them.
        waypoints = len(re.findall(r"<wpt ", there.read_text(errors="replace")
                                   if there.exists() else ""))
        kept = [(float(lat), float(lon)) for lon, lat in re.findall(
            r"<Point>\s*<coordinates>([-\d.]+),([-\d.]+)", back.read_text(errors="replace")
            if back.exists() else "")][:len(places)]
        if babel.returncode or babel2.returncode or waypoints != len(places) or not all(
                near(one, other, 1e-5) for one, other in zip(kept, places)):
            failures.append(f"{path.name}: gpsbabel to GPX and back keeps {waypoints} of "
                            f"{len(places)} points {babel.stderr[:100]}{babel2.stderr[:100]}")
    if form == "geojson":
        checked = subprocess.run(["node", str(checker), str(path)], capture_output=True, text=True)
        if checked.returncode != 0:
            failures.append(f"{path.name}: check-geojson: {checked.stdout[:300]}"
                            f"{checked.stderr[:300]}")


def check_rules(path, form, failures):
    """The published rules of Garmin's FPL and of the PLN that the simulator reads."""
    if form == "fpl":
        root = ElementTree.parse(path).getroot()
        space = "{http://www8.garmin.com/xmlschemas/FlightPlan/v1}"
        identifiers = [w.findtext(space + "identifier") for w in root.iter(space + "waypoint")]
        if len(set(identifiers)) != len(identifiers):
            failures.append(f"{path.name}: an identifier twice in the waypoint table")
        for waypoint in root.iter(space + "waypoint"):
            identifier = waypoint.findtext(space + "identifier") or ""
            kind = waypoint.findtext(space + "type")
            comment = waypoint.findtext(space + "comment") or ""
            country = waypoint.findtext(space + "country-code") or ""
            if (not re.fullmatch(r"[A-Z0-9]{1,12}", identifier) or
                    kind not in ("AIRPORT", "VOR", "NDB", "USER WAYPOINT") or
                    not re.fullmatch(r"[A-Z0-9 ]{0,25}", comment) or
                    not re.fullmatch(r"([A-Z][A-Z0-9])?", country)):
                failures.append(f"{path.name}: waypoint {identifier!r} {kind!r} {comment!r} "
                                f"{country!r} breaks the schema")
        points = [p.findtext(space + "waypoint-identifier") for p in root.iter(space + "route-point")]
        if any(point not in identifiers for point in points):
            failures.append(f"{path.name}: the route passes a waypoint the table lacks")
    if form == "pln":
        root = ElementTree.parse(path).getroot()
        plan = root.find("FlightPlan.FlightPlan")
        position = re.compile(r"[NS]\d+° \d+' [\d.]+\",[EW]\d+° \d+' [\d.]+\",[+-]\d{6}\.\d\d")
        if root.tag != "SimBase.Document" or plan is None:
            failures.append(f"{path.name}: not SimBase.Document / FlightPlan.FlightPlan")
            return
        for waypoint in plan.iter("ATCWaypoint"):
            if (waypoint.findtext("ATCWaypointType") not in ("Airport", "VOR", "NDB", "User") or
                    not position.fullmatch(waypoint.findtext("WorldPosition") or "")):
                failures.append(f"{path.name}: ATCWaypoint {waypoint.get('id')!r} breaks the layout")


def check_routes(icao, scratch, checker, failures):
    for name, stops in ROUTES.items():
        expected = run(icao, "dist", *stops, "--format", "tsv")
        if expected.returncode != 0:
            failures.append(f"{name}: dist fails: {expected.stderr[:200]}")
            continue
        places = places_of(icao, stops)
        for form in FORMATS:
            path = scratch / f"{name.replace(' ', '_')}.{form}"
            written = run(icao, "dist", *stops, "--format", form, "--output", str(path))
            if written.returncode != 0 or written.stdout:
                failures.append(f"{name} {form}: {written.returncode} {written.stderr[:200]}")
                continue
            check_trusted(path, form, places, failures, checker)
            check_rules(path, form, failures)
            # An ICAO route of 1,000 stops holds 1,999 words, more than a route reads.
            if form == "icao" and len(places) > 500:
                continue
            back = run(icao, "dist", "--plan", str(path), "--format", "tsv")
            if back.returncode != 0 or legs_of(back.stdout) != legs_of(expected.stdout):
                failures.append(f"{name} {form}: read back as other legs: {back.stderr[:300]}")
        if name == "over the antimeridian":
            geometry = json.loads((scratch / "over_the_antimeridian.geojson").read_text())[
                "features"][-1]["geometry"]
            parts = geometry["coordinates"] if geometry["type"] == "MultiLineString" else []
            if len(parts) != 2 or any(abs(a[0] - b[0]) > 180 for part in parts
                                      for a, b in zip(part, part[1:])):
                failures.append(f"antimeridian: the line is not split there: {geometry['type']}")


def hostile_name(rng):
    # No comma or double quote: the data file's reader ends an item at either.
    pieces = ["\x01", "\x1b[31m", "\x7f", "<", ">", "&", "'", "\t", "\u202e", "\u200f",
              "ا", "東", "é", "\ufffe", "]]>", "<!--", "\\", "{", "}", "%s"]
    name = "".join(rng.choice(pieces + ["ab", " "]) for _ in range(rng.randint(1, 40)))
    return name * (250 if rng.random() < 0.2 else 1)


def check_hostile(icao, scratch, checker, failures):
    rng = random.Random(43)
    for trial in range(12):
        names = [hostile_name(rng) for _ in range(3)]
        data = scratch / f"hostile{trial}.txt"
        data.write_bytes("".join(
            f"L|XA{chr(65 + i)}{chr(65 + trial)}|{name}|Town|GB||{50 + i}|{-1 - i}|100||\n"
            for i, name in enumerate(names)).encode("utf-8", "surrogatepass"))
        codes = [f"XA{chr(65 + i)}{chr(65 + trial)}" for i in range(3)]
        for form in FORMATS:
            path = scratch / f"hostile{trial}.{form}"
            written = run(icao, "dist", *codes, "--file", str(data), "--format", form,
                          "--output", str(path))
            if written.returncode != 0:
                failures.append(f"hostile {trial} {form}: {written.stderr[:200]}")
                continue
            if form in XML:
                try:
                    ElementTree.parse(path)
                except ElementTree.ParseError as error:
                    failures.append(f"hostile {trial} {form}: {error}")
            if form == "geojson":
                properties = [f["properties"] for f in json.loads(path.read_text())["features"]]
                if [p["name"] for p in properties[:3]] != names:
                    failures.append(f"hostile {trial} geojson: the names are not kept as data")
            if form == "fms" and len(path.read_text().splitlines()) != 6 + len(codes):
                failures.append(f"hostile {trial} fms: a name split a row")
            check_trusted(path, form, [(50 + i, -1 - i) for i in range(3)], failures, checker)
            check_rules(path, form, failures)


def check_places(icao, scratch, checker, failures):
    """find, near and info's records as places: a point a record, every field beside it; find
    without TEXT lists what its filters keep, larger first; CSV the same rows as TSV."""
    listed = run(icao, "find", "--country", "CH", "--kind", "LM", "--limit", "100",
                 "--format", "tsv")
    rows = [line.split("\t") for line in listed.stdout.decode().splitlines()[1:]]
    kinds = [row[5] for row in rows]
    if (listed.returncode != 0 or len(rows) < 5 or any(row[3] != "CH" for row in rows) or
            kinds != sorted(kinds, key=lambda kind: kind != "large airport") or
            set(kinds) - {"large airport", "medium airport"}):
        failures.append(f"find --country CH --kind LM lists {len(rows)}: {kinds}")
    questions = {
        "near.geojson": (["near", "EGLL", "--limit", "30"], 30),
        # Without --limit, every one.
        "ch.kml": (["find", "--country", "CH", "--kind", "LM"], len(rows)),
        "info.gpx": (["info", "EGLL", "LSZH"], 2),
    }
    for name, (question, count) in questions.items():
        path = scratch / name
        form = path.suffix[1:]
        answer = run(icao, *question, "--format", form)
        path.write_bytes(answer.stdout)
        points, ogr = ogr_points(path)
        if answer.returncode != 0 or len(points) != count:
            failures.append(f"{name}: ogrinfo reads {len(points)} points, not {count}: "
                            f"{answer.stderr[:200]} {ogr.stderr[:200]}")
        if form != "geojson" and subprocess.run(["xmllint", "--noout", str(path)]).returncode:
            failures.append(f"{name}: not well-formed")
        if form == "geojson":
            properties = json.loads(answer.stdout)["features"][0]["properties"]
            checked = subprocess.run(["node", str(checker), str(path)], capture_output=True)
            if checked.returncode or "distance_nm" not in properties:
                failures.append(f"{name}: {checked.stderr[:200]} {sorted(properties)}")
    # info's runways as lines between their thresholds, as the record gives them.
    runways = scratch / "runways.kml"
    runways.write_bytes(run(icao, "info", "EGLL", "--format", "kml").stdout)
    lines = re.findall(r"LINESTRING \(([-\d.]+) ([-\d.]+),([-\d.]+) ([-\d.]+)\)",
                       subprocess.run(["ogrinfo", "-al", "-ro", str(runways)],
                                      capture_output=True, text=True).stdout)
    record = json.loads(run(icao, "info", "EGLL", "--format", "json").stdout)[0]
    if len(lines) != len(record["runways"]) or not lines or \
            [float(lines[0][1]), float(lines[0][0])] != [51.47749, -0.48944]:
        failures.append(f"info EGLL --format kml: runway lines {lines}")
    tsv = run(icao, "near", "EGLL", "--format", "tsv").stdout.decode().splitlines()
    csv_rows = list(csv.reader(io.StringIO(run(icao, "near", "EGLL", "--format", "csv")
                                           .stdout.decode(), newline="")))
    if csv_rows != [line.split("\t") for line in tsv]:
        failures.append("near --format csv: not the rows of TSV")


def check_bad_files(icao, scratch, failures):
    wpts = "".join(f'<wpt lat="1" lon="{i % 180}"/>' for i in range(100000))
    bad = {
        "not_xml.gpx": b"<gpx><rte><rtept lat=",
        "other_root.gpx": b"<html><body>EGLL</body></html>",
        "off_the_earth.gpx": b'<gpx><rte><rtept lat="91" lon="0"/><rtept lat="0" lon="0"/></rte></gpx>',
        "off_the_earth.geojson": b'{"type": "Feature", "geometry": {"type": "LineString", '
                                 b'"coordinates": [[0, 0], [200, 0]]}}',
        "many.gpx": f"<gpx>{wpts}</gpx>".encode(),
        "one_line.txt": b"a" * (10 * 1024 * 1024),
        "binary.fpl": bytes(range(256)) * 10,
    }
    for name, content in bad.items():
        path = scratch / name
        path.write_bytes(content)
        try:
            answer = run(icao, "dist", "--plan", str(path), timeout=20)
        except subprocess.TimeoutExpired:
            failures.append(f"{name}: still reading after 20 s")
            continue
        if answer.returncode != 2 or name.encode() not in answer.stderr:
            failures.append(f"{name}: {answer.returncode} {answer.stderr[:200]}")


def main():
    scratch = pathlib.Path(sys.argv[1]) / "plan_files"
    shutil.rmtree(scratch, ignore_errors=True)
    scratch.mkdir(parents=True)
    checker = scratch / "check.js"
    checker.write_text(
        "const { check } = require(" + json.dumps(str(pathlib.Path(sys.argv[2]) / "node_modules" /
                                                   "@placemarkio" / "check-geojson")) + ");\n"
        "check(require('fs').readFileSync(process.argv[2], 'utf8'));\n")
    icao = sys.argv[3:]
    failures = []
    check_routes(icao, scratch, checker, failures)
    check_hostile(icao, scratch, checker, failures)
    check_places(icao, scratch, checker, failures)
    check_bad_files(icao, scratch, failures)
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
