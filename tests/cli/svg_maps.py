#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads icao dist's maps as a browser would: well-formed SVG of a size that scales, its title,
the route drawn in one path, a mark and a label for each airfield and a scale bar; the same
picture written with --output and nothing on standard output; and each misuse an error that
says why, with status 2.
Usage: svg_maps.py SCRATCH_FOLDER COMMAND... (icao, under its emulator if any)"""
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"


def run(icao, *arguments):
    return subprocess.run(icao + list(arguments), capture_output=True)


def check_map(svg, codes, failures):
    try:
        root = ElementTree.fromstring(svg)
    except ElementTree.ParseError as error:
        failures.append(f"not well-formed: {error}")
        return
    if root.tag != SVG + "svg" or not root.get("viewBox"):
        failures.append("not an SVG picture with a viewBox")
    title = root.findtext(SVG + "title")
    if title != " – ".join(codes):
        failures.append(f"title {title!r}")
    texts = [text.text for text in root.iter(SVG + "text")]
    for code in codes:
        if code not in texts:
            failures.append(f"no label {code}: {texts}")
    if not any(text and text.endswith(" km") for text in texts):
        failures.append(f"no scale bar: {texts}")
    marks = list(root.iter(SVG + "circle"))
    if len(marks) != len(codes):
        failures.append(f"{len(marks)} marks for {len(codes)} airfields")
    routes = [path for path in root.iter(SVG + "path") if path.get("stroke") == "#c0392b"]
    if len(routes) != 1 or routes[0].get("d", "").count("L") < 100:
        failures.append("the route is not one smooth path")


def main():
    scratch, icao = pathlib.Path(sys.argv[1]), sys.argv[2:]
    failures = []
    for codes in (["EGLL", "KJFK", "RJTT"], ["RJTT", "KLAX"]):
        drawn = run(icao, "dist", *codes, "--format", "svg")
        if drawn.returncode != 0:
            failures.append(f"dist {codes}: status {drawn.returncode} {drawn.stderr!r}")
            continue
        check_map(drawn.stdout, codes, failures)
    picture = scratch / "route.svg"
    written = run(icao, "dist", "egll", "kjfk", "--format=svg", "--output", str(picture))
    expected = run(icao, "dist", "EGLL", "KJFK", "--format", "svg").stdout
    if written.returncode != 0 or written.stdout or picture.read_bytes() != expected:
        failures.append(f"--output: status {written.returncode}, {len(written.stdout)} bytes out")
    misuses = {
        ("find", "heathrow", "--format", "svg"): "--format svg is for dist",
        ("dist", "-", "--format", "svg"): "--format svg draws one route",
        ("dist", "EGLL", "KJFK", "--output", str(picture)): "--output is for --format svg",
        ("dist", "EGLL", "KJFK", "--format", "svg", "--output", str(scratch / "no" / "x.svg")):
            "cannot be written",
    }
    for arguments, reason in misuses.items():
        answer = run(icao, *arguments)
        if answer.returncode != 2 or reason not in answer.stderr.decode("utf-8", "replace"):
            failures.append(f"{' '.join(arguments)}: status {answer.returncode}, "
                            f"{answer.stderr!r}")
    unknown = run(icao, "dist", "EGLL", "XXXX", "--format", "svg")
    if unknown.returncode != 1 or unknown.stdout:
        failures.append(f"an unknown code: status {unknown.returncode}")
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
