#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Renders icao's maps in a real browser (headless Chromium) and reads the pixels back: the
route's red at the middle of its curve, the origin's mark where near puts it, each runway's
grey along its line, and the land or sea everywhere else, so that a map a browser cannot
show, or shows empty, fails.
Usage: svg_in_browser.py SCRATCH_FOLDER CHROMIUM COMMAND... (icao, under its emulator if any)"""
import pathlib
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
import zlib

from report import reported

SVG = "{http://www.w3.org/2000/svg}"
SEA, LAND = (0xD6, 0xE6, 0xF2), (0xF3, 0xEF, 0xE2)


def pixels_of(png):
    """The rows of an 8-bit RGB or RGBA PNG, as lists of (r, g, b)."""
    position, header, data = 8, None, b""
    while position < len(png):
        length, kind = struct.unpack(">I4s", png[position:position + 8])
        body = png[position + 8:position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            data += body
        position += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"a PNG of depth {depth}, colour type {colour}, interlace {interlace}")
    step = 3 if colour == 2 else 4
    raw, stride, rows, above = zlib.decompress(data), width * step, [], bytearray(width * step)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up, corner = above[i], above[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - corner
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - corner), 2, corner))[2]
                line[i] = (line[i] + nearest) & 0xFF
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, step)])
        above = line
    return rows


def rendered(chromium, scratch, name, svg):
    root = ElementTree.fromstring(svg)
    picture, shot = scratch / f"{name}.svg", scratch / f"{name}.png"
    picture.write_bytes(svg)
    shot.unlink(missing_ok=True)
    subprocess.run([chromium, "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                    f"--user-data-dir={scratch / 'chromium'}", f"--screenshot={shot}",
                    f"--window-size={root.get('width')},{root.get('height')}",
                    picture.as_uri()], capture_output=True, timeout=120)
    return root, pixels_of(shot.read_bytes())


def near(colour, wanted, tolerance=40):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, wanted))


def around(rows, x, y):
    """The pixels within a pixel of the point."""
    return [rows[y + dy][x + dx] for dy in (-1, 0, 1) for dx in (-1, 0, 1)
            if 0 <= y + dy < len(rows) and 0 <= x + dx < len(rows[0])]


def check(rows, what, x, y, wanted, failures):
    if not any(near(colour, wanted) for colour in around(rows, round(x), round(y))):
        failures.append(f"{what} at {round(x)},{round(y)}: {around(rows, round(x), round(y))}")


def main():
    scratch, chromium, icao = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3:]
    failures = []

    def draw(name, *arguments):
        svg = subprocess.run(icao + list(arguments), capture_output=True, check=True).stdout
        return rendered(chromium, scratch, name, svg)

    root, rows = draw("route", "dist", "EGLL", "KJFK", "--format", "svg")
    route = next(path for path in root.iter(SVG + "path") if path.get("stroke") == "#c0392b")
    points = route.get("d").lstrip("M").split("L")
    x, y = map(float, points[len(points) // 2].split())
    check(rows, "the route's middle", x, y, (0xC0, 0x39, 0x2B), failures)
    corner = rows[len(rows) // 2][-3]
    if not (near(corner, SEA) or near(corner, LAND)):
        failures.append(f"neither land nor sea at the right edge: {corner}")

    root, rows = draw("near", "near", "EGLL", "--format", "svg")
    origin = next(root.iter(SVG + "circle"))
    check(rows, "EGLL's mark", float(origin.get("cx")), float(origin.get("cy")),
          (0x1F, 0x3B, 0x57), failures)

    root, rows = draw("runways", "info", "EGLL", "--format", "svg")
    for line in root.iter(SVG + "line"):
        x = (float(line.get("x1")) + float(line.get("x2"))) / 2
        y = (float(line.get("y1")) + float(line.get("y2"))) / 2
        check(rows, "a runway", x, y, (0x55, 0x58, 0x5C), failures)
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
