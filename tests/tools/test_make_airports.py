# SPDX-License-Identifier: MIT
"""The record building of tools/make_airports.py on crafted rows, run by CTest."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import make_airports  # noqa: E402


def row(ident, name, kind="small_airport", city="Town", iata=None, **columns):
    """An airport as OurAirports' CSV gives one."""
    return dict({"ident": ident, "type": kind, "name": name, "municipality": city,
                 "iso_country": "GB", "iata_code": iata, "latitude_deg": "51.4707480",
                 "longitude_deg": "-0.459909", "elevation_ft": "83"}, **columns)


class BuildRecordsTest(unittest.TestCase):
    def records(self, rows, countries=None, **sources):
        return make_airports.build_records(rows, countries=countries, **sources)[0]

    def test_layout_and_every_marker(self):
        kinds = list(make_airports.MARKERS)
        rows = [row(f"EG{chr(65 + i)}A", f"Field {i}", kind) for i, kind in enumerate(kinds)]
        records = self.records(rows)
        self.assertEqual(records[0],
                         "L|EGAA|Field 0|Town|GB||51.470748|-0.459909|83||0||||||||||")
        self.assertEqual([r[0] for r in records], list("LMSHWBC"))

    def test_only_four_letter_codes(self):
        records = self.records([row("EGLL", "A"), row("03OI", "B"), row("EGL", "C"),
                                row("EG1L", "D")])
        self.assertEqual([r.split("|")[1] for r in records], ["EGLL"])

    def test_current_codes_former_codes_and_local_codes(self):
        rows = [
            # Harare's ident stayed FVHA when its code became FVRG.
            row("FVHA", "Harare", gps_code="FVRG", keywords="FVHA,Harare"),
            # Navi Mumbai has its code only in the GPS column.
            row("IN-0276", "Navi Mumbai", "large_airport", gps_code="VANM"),
            # The plainest column wins a code two rows claim; the other keeps its next claim.
            row("SDZM", "Old Farm", gps_code="SD3K"),
            row("BR-0129", "New Heliport", "heliport", gps_code="SDZM"),
            row("SDAA", "Older Farm", icao_code="SDAB", gps_code="SDZM"),
            row("KPAO", "Palo Alto", local_code="PAO"),
            row("00AA", "No code at all", gps_code="00AA"),
        ]
        records = {r.split("|")[1]: r.split("|") for r in self.records(rows)}
        self.assertEqual(sorted(records), ["FVRG", "KPAO", "SDAB", "SDZM", "VANM"])
        self.assertEqual(records["FVRG"][16:19], ["", "", "FVHA"])
        self.assertEqual(records["SDZM"][2], "New Heliport")
        # SDZM is another record's current code, so not one of SDAB's former codes.
        self.assertEqual(records["SDAB"][18], "SDAA")
        self.assertEqual(records["KPAO"][17], "PAO")

    def test_regions_elevations_and_non_existent_airfields(self):
        rows = [row("EGLL", "Heathrow", iso_region="GB-ENG"),
                row("HKNY", "Laikipia", elevation_ft=""),
                row("EHAM", "Schiphol", elevation_ft="-11"),
                row("FAHS", "Non-Existent Airport", "closed", iso_country="ZZ")]
        records, counts = make_airports.build_records(rows, regions={"GB-ENG": "England"})
        fields = {r.split("|")[1]: r.split("|") for r in records}
        self.assertEqual(sorted(fields), ["EGLL", "EHAM", "HKNY"])
        self.assertEqual([fields[code][8] for code in ("EGLL", "EHAM", "HKNY")], ["83", "-11", ""])
        self.assertEqual(fields["EGLL"][16], "England")
        self.assertEqual((counts["left out as non-existent"], counts["elevation unknown"]), (1, 1))

    def test_former_codes_of_an_older_release_and_of_the_keywords(self):
        rows = make_airports.with_older_codes([
            # An older release held Dabolim as VAGO: matched by id, not by ident.
            row("VOGO", "Dabolim", "large_airport", id=26444),
            # Kuwait's keywords name its former code; "RAAF" is no code of Kuwait's region.
            row("OKKK", "Kuwait", "large_airport", id=5220, keywords="OKBK, RAAF, Al Mubarak"),
            # The older release's ident is another airfield's current code: not a former one.
            row("EGKA", "Brighton", id=2427),
            row("EGKB", "Biggin Hill", id=1),
            # A placeholder is no code; Morelia's MMMM is one.
            row("TR-0303", "Bus Station Helipad", "heliport", gps_code="XXXX", iata="XXX"),
            row("MMMM", "Morelia", "large_airport", iata="MLM"),
        ], {26444: ["VAGO", "VOGO"], 2427: ["EGKB"], 5220: ["OKBK"]})
        records = {r.split("|")[1]: r.split("|") for r in self.records(rows)}
        self.assertEqual(sorted(records), ["EGKA", "EGKB", "MMMM", "OKKK", "VOGO"])
        self.assertEqual([records[code][18] for code in ("VOGO", "OKKK", "EGKA")],
                         ["VAGO", "OKBK", ""])

    def test_regions_and_scheduled_service_as_the_source_says(self):
        rows = [row("EGLL", "Heathrow", iso_region="GB-ENG", scheduled_service=True),
                row("EGLM", "White Waltham", iso_region="GB-U-A", scheduled_service=False),
                row("EGLX", "No word", iso_region="GB-XX")]
        records = {r.split("|")[1]: r.split("|") for r in self.records(
            rows, regions={"GB-ENG": "England", "GB-U-A": "(unassigned)"})}
        self.assertEqual([records[code][16] for code in ("EGLL", "EGLM", "EGLX")],
                         ["England", "", ""])
        self.assertEqual([records[code][19] for code in ("EGLL", "EGLM", "EGLX")],
                         ["1", "0", ""])

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
        self.assertTrue(records[0].endswith("|0|Britain|||||||||"))

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
        self.assertEqual(make_airports.prominence(small, {}), 40 + 20)
        self.assertEqual(make_airports.prominence(big, scheduled, 1_000_000),
                         160 + 128 + 30 + 20 + 150 + 50 + 360)
        self.assertLess(make_airports.prominence(big, {}, 383_822),
                        make_airports.prominence(big, {}, 8_961_989))

    def test_frequencies_in_band_each_once_by_type(self):
        frequencies = [("atis", "113.75"), ("tower", "118.0125"), ("ground", "closed"),
                       ("unicom", "0"), ("approach", "121"), ("atis", "927.7"),
                       ("unicom", "130.000"), ("tower", "118.0125"), ("ctaf", "122.8")]
        self.assertEqual(make_airports.frequencies_field(frequencies),
                         "atis:113.75 tower:118.0125 unicom:130.000 approach:121 ctaf:122.8")

    def test_prominence_is_a_whole_number_for_the_reader(self):
        # The CSV reader gives lengths as floats; the record must hold "55", never "55.0".
        runway = {"length_ft": 5500.0, "width_ft": 100.0, "surface": "ASP", "lighted": False,
                  "ends": [{"ident": "09", "heading": None, "latitude": None,
                            "longitude": None}]}
        records = self.records([row("EGLL", "Heathrow")], runways={"EGLL": [runway]})
        self.assertRegex(records[0].split("|")[10], r"^[1-9][0-9]*$")

    def test_time_zones_runways_and_frequencies_close_the_record(self):
        asked = []

        def zones_of(airfields):
            asked.append([(a["code"], a["latitude"], a["region"]) for a in airfields])
            return ["", "Europe/London"]  # in code order: EGLC, EGLL

        runway = {"length_ft": 12799, "width_ft": 164, "surface": "", "lighted": True,
                  "ends": [{"ident": "09L", "heading": 89.6}, {"ident": "27R", "heading": 269.6}]}
        records, counts = make_airports.build_records(
            [row("EGLL", "Heathrow", iso_region="GB-ENG"), row("EGLC", "City")],
            runways={"EGLL": [runway]}, frequencies={"EGLL": [("atis", "113.75")]},
            zones_of=zones_of)
        self.assertEqual(asked, [[("EGLC", 51.470748, ""), ("EGLL", 51.470748, "GB-ENG")]])
        self.assertEqual([r.split("|")[13:16] for r in records],
                         [["", "", ""], ["Europe/London", "09L/27R:12799:164::1:89.6/269.6:",
                                         "atis:113.75"]])
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
