# SPDX-License-Identifier: MIT
"""The record building of tools/make_airports.py on crafted rows, run by CTest."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import make_airports  # noqa: E402


def row(icao, name, kind="small_airport", city="Town", iata=None):
    return {"icao": icao, "type": kind, "name": name, "city": city, "country_code": "GB",
            "iata": iata, "latitude": 51.4707480, "longitude": -0.459909, "elevation_ft": 83}


class BuildRecordsTest(unittest.TestCase):
    def records(self, rows, json_airports=()):
        return make_airports.build_records(rows, list(json_airports))[0]

    def test_layout_and_every_marker(self):
        kinds = list(make_airports.MARKERS)
        rows = [row(f"EG{chr(65 + i)}A", f"Field {i}", kind) for i, kind in enumerate(kinds)]
        records = self.records(rows)
        self.assertEqual(records[0], "L|EGAA|Field 0|Town|GB||51.470748|-0.459909|83||")
        self.assertEqual([r[0] for r in records], list("LMSHWBC"))

    def test_only_four_letter_codes(self):
        records = self.records([row("EGLL", "A"), row("03OI", "B"), row("EGL", "C"),
                                row("egll", "D")])
        self.assertEqual([r.split("|")[1] for r in records], ["EGLL"])

    def test_keywords_and_airports_only_the_json_package_has(self):
        json_airports = [
            {"gps_code": "EGLL", "type": "large_airport", "name": "Other", "keywords": "LON, Londres"},
            {"ident": "ZBAL", "type": "medium_airport", "name": "Alxa", "municipality": "Alxa",
             "iso_country": "CN", "iata_code": "", "latitude_deg": "38.75", "longitude_deg": "105",
             "elevation_ft": "", "keywords": 'a,b|c "d"'},
            {"ident": "ZZZZ", "type": "small_airport", "name": "Skipped"},
        ]
        records = self.records([row("EGLL", "London Heathrow Airport", "large_airport")],
                               json_airports)
        self.assertEqual(records, [
            "L|EGLL|London Heathrow Airport|Town|GB||51.470748|-0.459909|83|LON / Londres|",
            "M|ZBAL|Alxa|Alxa|CN||38.75|105|0|a / b/c 'd'|",
        ])

    def test_repeated_names_get_their_place(self):
        records = self.records([
            row("EGAA", "City Heliport", city="Leeds"),
            row("EGAB", "CITY HELIPORT", city="York"),
            row("EGAC", "City Heliport", city="York"),
            row("EGAD", "Leeds, City Heliport", city="Leeds"),
        ])
        names = [r.split("|")[2] for r in records]
        self.assertEqual(names, ["City Heliport", "CITY HELIPORT (York)", "City Heliport (York GB)",
                                 "Leeds - City Heliport"])


if __name__ == "__main__":
    unittest.main()
