#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes data/land.bin and data/land10m.bin, the world's land and country borders that the maps
draw, from the TopoJSON files of the npm package world-atlas 2.0.2 (ISC; the outlines are
Natural Earth's, in the public domain): in land.bin the land at 1:110m for world views and at
1:50m for closer ones, and the borders between countries at 1:50m; in land10m.bin the land at
1:10m for the closest views (an airfield and its runways), apart because it is larger than the
rest together and read only when such a view asks for it.

Each file: "ICAOLAND", a version byte (1) and a count of sections; each section a kind byte
(0 land at 1:110m, 1 land at 1:50m, 2 borders at 1:50m, 3 land at 1:10m) and a count of
lines; each line a count
of points, then its first point and the steps to each next one, longitude before latitude, in
thousandths of a degree. Counts are unsigned LEB128, points and steps zigzag LEB128: most steps
take a byte or two. A land ring ends where it starts; a line over the antimeridian runs on past
+-180 degrees, as far as 360.

Usage: tools/make_land.py [WORLD_ATLAS.tgz]   (without it, fetched with `npm pack`)
"""

import json
import math
import pathlib
import sys
import tarfile
import tempfile

from npm_packages import fetch

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "data" / "land.bin"
FINEST_OUTPUT = ROOT / "data" / "land10m.bin"
PACKAGE = "world-atlas@2.0.2"
MAGIC = b"ICAOLAND"
VERSION = 1
LAND_110M, LAND_50M, BORDERS_50M, LAND_10M = 0, 1, 2, 3


def unsigned(value):
    out = bytearray()
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def zigzag(value):
    return unsigned(value * 2 if value >= 0 else -value * 2 - 1)


def decoded_arcs(topology):
    """Each arc as a list of (longitude, latitude) in degrees."""
    (scale_x, scale_y), (move_x, move_y) = (topology["transform"]["scale"],
                                            topology["transform"]["translate"])
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * scale_x + move_x, y * scale_y + move_y))
        arcs.append(points)
    return arcs


def ring_of(arcs, indices):
    """A ring joined from its arcs, a negative index ~i being arc i reversed."""
    ring = []
    for index in indices:
        points = arcs[index] if index >= 0 else arcs[~index][::-1]
        ring.extend(points if not ring else points[1:])
    return ring


def unwrapped(line):
    """The line with each longitude within 180 degrees of the one before, turned whole so that
    its west end lies from -180 on."""
    out = [line[0]] if line else []
    for lon, lat in line[1:]:
        lon += 360 * round((out[-1][0] - lon) / 360)
        out.append((lon, lat))
    turn = 360 * math.ceil((-180 - min(lon for lon, _ in out)) / 360) if out else 0
    return [(lon + turn, lat) for lon, lat in out]


def continuous(ring):
    """A ring over the antimeridian as one that runs on past +-180 (Chukotka to 190 degrees), so
    that a map can draw it whole; a ring around a pole (Antarctica) does not close so, and stays
    as it is."""
    turned = unwrapped(ring)
    return turned if ring and abs(turned[-1][0] - turned[0][0]) < 1e-9 else ring


def land_rings(topology):
    arcs = decoded_arcs(topology)
    rings = []
    for geometry in topology["objects"]["land"]["geometries"]:
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            rings.extend(continuous(ring_of(arcs, ring)) for ring in polygon)
    return rings


def border_lines(topology):
    """The arcs that two different countries share: land borders, not coasts."""
    arcs = decoded_arcs(topology)
    users = [set() for _ in arcs]
    for number, geometry in enumerate(topology["objects"]["countries"]["geometries"]):
        polygons = {"Polygon": [geometry.get("arcs", [])],
                    "MultiPolygon": geometry.get("arcs", [])}.get(geometry["type"], [])
        for polygon in polygons:
            for ring in polygon:
                for index in ring:
                    users[index if index >= 0 else ~index].add(number)
    return [unwrapped(arc) for arc, sharing in zip(arcs, users) if len(sharing) > 1]


def encoded_section(kind, lines):
    out = bytearray([kind]) + unsigned(len(lines))
    for line in lines:
        steps = [(round(lon * 1000), round(lat * 1000)) for lon, lat in line]
        out += unsigned(len(steps))
        last = (0, 0)
        for point in steps:
            out += zigzag(point[0] - last[0]) + zigzag(point[1] - last[1])
            last = point
    return bytes(out)


def outlines_file(sections):
    return MAGIC + bytes([VERSION, len(sections)]) + b"".join(sections)


def land_file(read):
    """land.bin's bytes, read(name) giving a TopoJSON file of the package as parsed JSON."""
    return outlines_file([
        encoded_section(LAND_110M, land_rings(read("land-110m.json"))),
        encoded_section(LAND_50M, land_rings(read("land-50m.json"))),
        encoded_section(BORDERS_50M, border_lines(read("countries-50m.json"))),
    ])


def finest_land_file(read):
    """land10m.bin's bytes."""
    return outlines_file([encoded_section(LAND_10M, land_rings(read("land-10m.json")))])


def main():
    with tempfile.TemporaryDirectory() as folder:
        tarball = sys.argv[1] if len(sys.argv) > 1 else fetch(PACKAGE, folder)
        with tarfile.open(tarball) as archive:
            def read(name):
                return json.load(archive.extractfile("package/" + name))
            files = {OUTPUT: land_file(read), FINEST_OUTPUT: finest_land_file(read)}
    for output, contents in files.items():
        output.write_bytes(contents)
        print(f"{output}: {len(contents)} bytes")


if __name__ == "__main__":
    main()
