# SPDX-License-Identifier: MIT
"""The outlines of tools/make_land.py from crafted TopoJSON, run by CTest: rings joined from
arcs either way round, rings over the antimeridian made continuous and around the pole left,
borders only where two countries meet, the encoding read back, and the source the programs
name the package the script reads."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import make_land  # noqa: E402


def topology(arcs, objects):
    """Arcs given in whole degrees, delta-encoded as TopoJSON quantizes them."""
    encoded = []
    for arc in arcs:
        last = (0, 0)
        steps = []
        for x, y in arc:
            steps.append([x - last[0], y - last[1]])
            last = (x, y)
        encoded.append(steps)
    return {"transform": {"scale": [1, 1], "translate": [0, 0]}, "arcs": encoded,
            "objects": objects}


def decoded(section):
    """The lines of one encoded section, as (longitude, latitude) in degrees."""
    at = 0

    def number():
        nonlocal at
        value = shift = 0
        while True:
            byte = section[at]
            at += 1
            value |= (byte & 0x7F) << shift
            shift += 7
            if byte < 0x80:
                return value

    def step():
        value = number()
        return -(value >> 1) - 1 if value & 1 else value >> 1

    kind = section[at]
    at += 1
    lines = []
    for _ in range(number()):
        lon = lat = 0
        line = []
        for _ in range(number()):
            lon += step()
            lat += step()
            line.append((lon / 1000, lat / 1000))
        lines.append(line)
    return kind, lines


class LandTest(unittest.TestCase):
    def test_rings_join_arcs_either_way_round(self):
        land = topology([[(0, 0), (10, 0), (10, 10)], [(0, 0), (0, 10), (10, 10)]],
                        {"land": {"geometries": [{"type": "Polygon", "arcs": [[0, ~1]]}]}})
        self.assertEqual(make_land.land_rings(land),
                         [[(0, 0), (10, 0), (10, 10), (0, 10), (0, 0)]])

    def test_a_ring_over_the_antimeridian_runs_on_and_a_polar_one_stays(self):
        chukotka = [(170, 60), (180, 60), (-170, 60), (-170, 70), (180, 70), (170, 70), (170, 60)]
        pole = [(-180, -80), (0, -70), (179, -80), (-180, -80)]
        land = topology([chukotka, pole], {"land": {"geometries": [
            {"type": "MultiPolygon", "arcs": [[[0]], [[1]]]}]}})
        rings = make_land.land_rings(land)
        self.assertEqual([lon for lon, _ in rings[0]], [170, 180, 190, 190, 180, 170, 170])
        self.assertEqual(rings[1], pole)

    def test_borders_are_the_arcs_two_countries_share(self):
        countries = topology(
            [[(0, 0), (0, 10)], [(0, 10), (-10, 10), (-10, 0), (0, 0)],
             [(0, 10), (10, 10), (10, 0), (0, 0)]],
            {"countries": {"geometries": [
                {"type": "Polygon", "arcs": [[0, 1]]},
                {"type": "Polygon", "arcs": [[~0, 2]]},
                {"type": None}]}})
        self.assertEqual(make_land.border_lines(countries), [[(0, 0), (0, 10)]])

    def test_the_encoding_reads_back(self):
        lines = [[(-179.999, -89.5), (179.999, 89.5), (0.001, 0)], [(12.345, 67.891)]]
        section = make_land.encoded_section(make_land.BORDERS_50M, lines)
        self.assertEqual(decoded(section), (make_land.BORDERS_50M, lines))


class SourceTest(unittest.TestCase):
    def test_the_programs_name_the_package_read(self):
        header = (pathlib.Path(__file__).resolve().parents[2] / "map" / "land.h").read_text()
        self.assertIn(f"from {make_land.PACKAGE};", header)


if __name__ == "__main__":
    unittest.main()
