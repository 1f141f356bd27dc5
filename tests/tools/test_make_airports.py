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
    def records(self, rows, json_airports=(), countries=None):
        return make_airports.build_records(rows, list(json_airports), countries=countries)[0]

    def test_layout_and_every_marker(self):
        kinds = list(make_airports.MARKERS)
        rows = [row(f"EG{chr(65 + i)}A", f"Field {i}", kind) for i, kind in enumerate(kinds)]
        records = self.records(rows)
        self.assertEqual(records[0], "L|EGAA|Field 0|Town|GB||51.470748|-0.459909|83||0||||||")
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
            "L|EGLL|London Heathrow Airport|Town|GB||51.470748|-0.459909|83|LON / Londres|0||||||",
            "M|ZBAL|Alxa|Alxa|CN||38.75|105|0|a / b/c 'd'|0||||||",
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
        self.assertTrue(records[0].endswith("|0|Britain|||||"))

    def test_an_airport_the_database_has_under_another_code_stands_once(self):
        json_airports = [
            {"ident": "SPJC", "type": "large_airport", "name": "Jorge Chavez", "iata_code": "LIM",
             "latitude_deg": "-12.02", "longitude_deg": "-77.11"},
            {"ident": "SPZO", "type": "medium_airport", "name": "Cusco", "iata_code": "CUZ",
             "latitude_deg": "-13.53", "longitude_deg": "-71.94"},
            # 2 km from the database's Leeds East, under its name; then one 20 km away.
            {"ident": "EGCM", "type": "medium_airport", "name": "Leeds East Airport",
             "latitude_deg": "53.8343", "longitude_deg": "-1.1955"},
            {"ident": "EGCN", "type": "medium_airport", "name": "Leeds East Airport",
             "latitude_deg": "53.65", "longitude_deg": "-1.1955"},
            # Beside it, but under another name.
            {"ident": "EGCO", "type": "medium_airport", "name": "Fenton Airport",
             "latitude_deg": "53.84", "longitude_deg": "-1.19"},
        ]
        leeds = dict(row("EGXG", "Leeds East Airport"), latitude=53.8347, longitude=-1.1947)
        records = self.records([row("SPIM", "Jorge Chavez International", "large_airport",
                                    iata="LIM"), leeds], json_airports)
        self.assertEqual([r.split("|")[1] for r in records],
                         ["EGCN", "EGCO", "EGXG", "SPIM", "SPZO"])

    def test_the_towns_an_airfield_serves(self):
        towns = make_airports.read_towns_table(
            "2643743\tLondon\tLondon\tLondra,Londres,LON,londres,Lundúnir\t51.50853\t-0.12574\tP"
            "\tPPLC\tGB\t\tENG\t\t\t\t8961989\t\t25\tEurope/London\t2019-09-18\n"
            "2647793\tHounslow\tHounslow\t\t51.46759\t-0.36158\tP\tPPL\tGB\t\tENG\t\t\t\t"
            "50000\t\t20\tEurope/London\t2017-06-12\n"
            "6058560\tLondon\tLondon\tLondres\t42.98339\t-81.23304\tP\tPPL\tCA\t\t08\t\t\t\t"
            "383822\t\t251\tAmerica/Toronto\t2019-08-28\n"
            "2643741\tLondra\tLondra\t\t0\t0\tP\tPPL\tXX\t\t\t\t\t\t900\t\t1\tUTC\t2019-01-01\n")
        airfields = {
            "EGLL": {"latitude": 51.47, "longitude": -0.46, "municipality": "Hounslow",
                     "country": "GB"},
            "CYXU": {"latitude": 43.03, "longitude": -81.15, "municipality": "London",
                     "country": "CA"},
            "ZZZZ": {"latitude": 20, "longitude": 20, "municipality": "London", "country": "GB"},
        }
        served = make_airports.served_towns(airfields, towns)
        largest, named = served["EGLL"]
        self.assertEqual((largest.population, named.names[0]), (8_961_989, "Hounslow"))
        self.assertEqual(served["CYXU"][1].population, 383_822)
        self.assertEqual(served["ZZZZ"], (None, None))
        # Capitals first, in Latin letters or the country's script; not the name of a town.
        town_names = {name.lower() for town in towns for name in town.names}
        self.assertEqual(make_airports.local_names(largest, "United Kingdom", town_names),
                         ["Londres", "Lundúnir"])
        self.assertEqual(make_airports.local_names(served["CYXU"][1], "Canada"), [])

    def test_prominence_weighs_runways_service_and_the_town_served(self):
        big = {"runways": 4, "longest_ft": 12800, "lighted": True, "frequencies": 2}
        small = {"runways": 1, "longest_ft": 2000}
        scheduled = {"scheduled_service": "yes", "wikipedia_link": "https://example.org/"}
        self.assertEqual(make_airports.prominence(small, None), 40 + 20)
        self.assertEqual(make_airports.prominence(big, scheduled, 1_000_000),
                         160 + 128 + 30 + 20 + 150 + 50 + 360)
        self.assertLess(make_airports.prominence(big, None, 383_822),
                        make_airports.prominence(big, None, 8_961_989))

    def test_time_zones_runways_and_frequencies_close_the_record(self):
        runways = [
            {"length_ft": 12001, "width_ft": 164, "surface": "unknown", "lighted": 1,
             "ends": [{"ident": "09R", "heading": 90.0, "latitude": 51.464901,
                       "longitude": -0.486772},
                      {"ident": "27L", "heading": 270.0, "latitude": 51.465,
                       "longitude": -0.434076}]},
            {"length_ft": 12799, "width_ft": 164, "surface": "Asphalt", "lighted": 1,
             "ends": [{"ident": "09L", "heading": 89.6, "latitude": 51.4775, "longitude": None},
                      {"ident": "27R", "heading": 269.64}]},
            {"length_ft": 0, "width_ft": 0, "surface": "grass, wet|mud", "lighted": None,
             "ends": [{"ident": "25.", "heading": 251.0}]},
        ]
        self.assertEqual(make_airports.runways_field(runways),
                         "09L/27R:12799:164:asphalt:1:89.6/269.6: "
                         "09R/27L:12001:164::1:90/270:51.4649;-0.48677/51.465;-0.43408 "
                         "25:::grasswetmud::251:")
        frequencies = {"atis": "113.75", "tower": "118.0125", "ground": "closed", "unicom": "0",
                       "approach": "121"}
        self.assertEqual(make_airports.frequencies_field(frequencies),
                         "atis:113.75 tower:118.0125 approach:121")
        asked = []

        def zones_of(points):
            asked.append(points)
            return ["", "Europe/London"]  # in code order: EGLC, EGLL

        details = {"EGLL": {"runways": "09L/27R:12799:164::1:89.6/269.6",
                            "frequencies": "atis:113.75"}}
        records, counts = make_airports.build_records(
            [row("EGLL", "Heathrow"), row("EGLC", "City")], [], details=details,
            zones_of=zones_of)
        self.assertEqual(asked, [[(51.470748, -0.459909)] * 2])
        self.assertEqual([r.split("|")[13:] for r in records],
                         [["", "", "", ""], ["Europe/London", "09L/27R:12799:164::1:89.6/269.6",
                                             "atis:113.75", ""]])
        self.assertEqual((counts["with a time zone"], counts["with runways"]), (1, 1))

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
