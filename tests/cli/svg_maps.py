#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads icao's maps as a browser would: well-formed SVG of a size that scales, its title, a mark
and a label for each airfield and a scale bar; for dist the route drawn in one path, for near
each neighbour where its distance and bearing put it, for info the runways; the same picture
written with --output and nothing on standard output; and each misuse an error that says why,
with status 2.
Usage: svg_maps.py SCRATCH_FOLDER COMMAND... (icao, under its emulator if any)"""
import math
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from report import reported

SVG = "{http://www.w3.org/2000/svg}"


def run(icao, *arguments):
    return subprocess.run(icao + list(arguments), capture_output=True)


# Each unit of --units: the symbol its map writes, and its kilometres; kilometres without it.
UNITS = {None: ("km", 1.0), "nm": ("NM", 1.852), "km": ("km", 1.0), "mi": ("mi", 1.609344)}


def check_map(svg, title, codes, failures, symbol="km"):
    """The picture's root, once its title, labels, marks and scale bar are checked."""
    try:
        root = ElementTree.fromstring(svg)
    except ElementTree.ParseError as error:
        failures.append(f"not well-formed: {error}")
        return None
    if root.tag != SVG + "svg" or not root.get("viewBox"):
        failures.append("not an SVG picture with a viewBox")
    if root.findtext(SVG + "title") != title:
        failures.append(f"title {root.findtext(SVG + 'title')!r}, not {title!r}")
    texts = [text.text for text in root.iter(SVG + "text")]
    for code in codes:
        if code not in texts:
            failures.append(f"no label {code}: {texts}")
    if not any(text and text.endswith(" " + symbol) for text in texts):
        failures.append(f"no scale bar: {texts}")
    marks = list(root.iter(SVG + "circle"))
    if len(marks) != len(codes):
        failures.append(f"{len(marks)} marks for {len(codes)} airfields")
    return root


def marked_at(root):
    """Each label's text and the mark it stands beside (labels follow their marks)."""
    marks = [(float(mark.get("cx")), float(mark.get("cy"))) for mark in root.iter(SVG + "circle")]
    labels = [text.text for text in root.iter(SVG + "text")
              if text.get("paint-order") == "stroke"]
    return dict(zip(labels, marks))


def km_per_pixel(root, unit=None):
    symbol, km = UNITS[unit]
    bar = next(rect for rect in root.iter(SVG + "rect") if rect.get("height") == "4")
    scale = next(text.text for text in root.iter(SVG + "text")
                 if text.text.endswith(" " + symbol) and text.get("x") == "12")
    return float(scale.removesuffix(" " + symbol)) * km / float(bar.get("width"))


def check_route(icao, codes, failures):
    drawn = run(icao, "dist", *codes, "--format", "svg")
    if drawn.returncode != 0:
        failures.append(f"dist {codes}: status {drawn.returncode} {drawn.stderr!r}")
        return
    root = check_map(drawn.stdout, " – ".join(codes), codes, failures)
    routes = [] if root is None else [
        path for path in root.iter(SVG + "path") if path.get("stroke") == "#c0392b"]
    if len(routes) != 1 or routes[0].get("d", "").count("L") < 100:
        failures.append("the route is not one smooth path")


def check_neighbourhood(icao, unit, failures):
    """Around EGLL each neighbour lies as far and in the direction near's table gives, within
    a pixel's worth and a degree, and rings with their distances in the unit are drawn."""
    symbol = UNITS[unit][0]
    table = run(icao, "near", "EGLL", "--format", "tsv").stdout.decode().splitlines()
    header = table[0].split("\t")
    rows = [dict(zip(header, line.split("\t"))) for line in table[1:]]
    codes = ["EGLL"] + [row["icao"] for row in rows]
    drawn = run(icao, "near", "egll", "--format", "svg", *(["--units", unit] if unit else []))
    root = check_map(drawn.stdout, "Near EGLL", codes, failures, symbol)
    if root is None:
        return
    at = marked_at(root)
    scale = km_per_pixel(root, unit)
    origin_x, origin_y = at["EGLL"]
    for row in rows:
        x, y = at[row["icao"]]
        km = math.hypot(x - origin_x, y - origin_y) * scale
        bearing = math.degrees(math.atan2(x - origin_x, origin_y - y)) % 360
        turn = abs((bearing - float(row["bearing_deg"]) + 180) % 360 - 180)
        if abs(km - float(row["distance_km"])) > 2 * scale or turn > 1:
            failures.append(f"{row['icao']} drawn {km:.1f} km at {bearing:.0f}°, not "
                            f"{row['distance_km']} km at {row['bearing_deg']}°")
    rings = [path for path in root.iter(SVG + "path") if path.get("stroke") == "#5b7fa6"]
    ring_notes = [text.text for text in root.iter(SVG + "text")
                  if text.text.endswith(" " + symbol) and text.get("x") != "12"]
    if len(rings) != 1 or rings[0].get("d", "").count("Z") < 2 or len(ring_notes) < 2:
        failures.append(f"no rings at round distances in {symbol}: {ring_notes}")


def check_marks_capped(icao, failures):
    """A limit past what a picture shows marks the nearest 1000, the same as near lists, and
    says so."""
    table = run(icao, "near", "EGLL", "--limit", "1000", "--format", "tsv").stdout.decode()
    nearest = ["EGLL"] + [line.split("\t")[0] for line in table.splitlines()[1:]]
    drawn = run(icao, "near", "EGLL", "--limit", "50000", "--format", "svg")
    root = check_map(drawn.stdout, "Near EGLL", nearest, failures)
    if drawn.returncode != 0 or "marks the nearest 1000" not in drawn.stderr.decode():
        failures.append(f"near --limit 50000: status {drawn.returncode}, {drawn.stderr!r}")
    if root is not None and len(marked_at(root)) != len(nearest):
        failures.append(f"{len(marked_at(root))} labels for the nearest {len(nearest)}")


def check_airfield(icao, failures):
    """EGLL's two parallel runways, east to west, 09L north of 09R, each end named."""
    drawn = run(icao, "info", "EGLL", "--format", "svg")
    root = check_map(drawn.stdout, "EGLL  London Heathrow Airport", ["EGLL"], failures)
    if root is None:
        return
    runways = [[float(line.get(part)) for part in ("x1", "y1", "x2", "y2")]
               for line in root.iter(SVG + "line")]
    texts = [text.text for text in root.iter(SVG + "text")]
    if len(runways) != 2 or not {"09L", "27R", "09R", "27L"} <= set(texts):
        failures.append(f"runways {runways}, texts {texts}")
        return
    for x1, y1, x2, y2 in runways:
        if x2 - x1 < 100 or abs(y2 - y1) > 0.05 * (x2 - x1):
            failures.append(f"a runway not drawn east to west: {x1, y1, x2, y2}")
    if not runways[0][1] < runways[1][1]:
        failures.append("09L/27R is not drawn north of 09R/27L")


def main():
    scratch, icao = pathlib.Path(sys.argv[1]), sys.argv[2:]
    failures = []
    for codes in (["EGLL", "KJFK", "RJTT"], ["RJTT", "KLAX"]):
        check_route(icao, codes, failures)
    for unit in UNITS:
        check_neighbourhood(icao, unit, failures)
    check_marks_capped(icao, failures)
    check_airfield(icao, failures)
    picture = scratch / "route.svg"
    written = run(icao, "dist", "egll", "kjfk", "--format=svg", "--output", str(picture))
    expected = run(icao, "dist", "EGLL", "KJFK", "--format", "svg").stdout
    if written.returncode != 0 or written.stdout or picture.read_bytes() != expected:
        failures.append(f"--output: status {written.returncode}, {len(written.stdout)} bytes out")
    misuses = {
        ("find", "heathrow", "--format", "svg"): "--format svg is for dist, near and info",
        ("dist", "-", "--format", "svg"): "--format svg draws one map: give its STOPs",
        ("near", "-", "--format", "svg"): "--format svg draws one map: give its ORIGIN",
        ("info", "EGLL", "KJFK", "--format", "svg"): "draws one airfield",
        ("dist", "EGLL", "KJFK", "--output", str(picture)): "--output is for --format svg",
        ("dist", "EGLL", "KJFK", "--format", "svg", "--output", str(scratch / "no" / "x.svg")):
            "cannot be written",
    }
    for arguments, reason in misuses.items():
        answer = run(icao, *arguments)
        if answer.returncode != 2 or reason not in answer.stderr.decode("utf-8", "replace"):
            failures.append(f"{' '.join(arguments)}: status {answer.returncode}, "
                            f"{answer.stderr!r}")
    for command in (["dist", "EGLL"], ["near"], ["info"]):
        unknown = run(icao, *command, "XXXX", "--format", "svg")
        if unknown.returncode != 1 or unknown.stdout:
            failures.append(f"{command[0]} of an unknown code: status {unknown.returncode}")
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
