# SPDX-License-Identifier: MIT
"""The data scripts' reading of OurAirports' CSV files, their choice of time zones and the
checks of a built file, on crafted rows, run by CTest."""

import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import airport_zones  # noqa: E402
import check_data  # noqa: E402
import make_airports  # noqa: E402
import ourairports_csv  # noqa: E402

AIRPORTS_CSV = (
    '\ufeff"id","ident","type","name","latitude_deg","longitude_deg","elevation_ft",'
    '"continent","iso_country","iso_region","municipality","scheduled_service","icao_code",'
    '"iata_code","gps_code","local_code","home_link","wikipedia_link","keywords"\n'
    '2434,"EGLL","large_airport","London Heathrow Airport",51.4706,-0.461941,83,"EU","GB",'
    '"GB-ENG","London","yes","EGLL","LHR","EGLL",,"","https://en.wikipedia.org/wiki/H",'
    '"LON, Londres"\n'
    '3005,"FVHA","large_airport","Robert Gabriel Mugabe International Airport",-17.931801,'
    '31.0928,,"AF","ZW","ZW-HA","Harare","yes","FVRG","HRE","FVRG",,"","","FVHA,\nHarare"\n')
RUNWAYS_CSV = (
    '\ufeff"id","airport_ref","airport_ident","length_ft","width_ft","surface","lighted",'
    '"closed","le_ident","le_latitude_deg","le_longitude_deg","le_elevation_ft",'
    '"le_heading_degT","le_displaced_threshold_ft","he_ident","he_latitude_deg",'
    '"he_longitude_deg","he_elevation_ft","he_heading_degT","he_displaced_threshold_ft"\n'
    '1,2434,"EGLL",12799,164,"ASP",1,0,"09L",51.4775,-0.489428,79,89.6,1013,"27R",51.4777,'
    '-0.433264,78,269.6,\n'
    '2,2434,"EGLL",3000,100,"GRS, wet",0,1,"05",,,,,,"23",,,,,\n')
FREQUENCIES_CSV = (
    '"id","airport_ref","airport_ident","type","description","frequency_mhz"\n'
    '1,2434,"EGLL","ATIS","HEATHROW, ATIS",113.75\n'
    '2,2434,"EGLL","TWR","Tower",118.5\n'
    '3,2434,"EGLL","TWR","Tower 2",118.7\n'
    '4,2434,"EGLL","A/D","""Director""",119.725\n'
    '5,3005,"FVHA","UNIC","UNICOM",130.000\n')
REGIONS_CSV = ('"id","code","local_code","name","continent","iso_country","wikipedia_link",'
               '"keywords"\n1,"GB-ENG","ENG","England","EU","GB","",""\n'
               '2,"ZW-HA","HA","Harare Metropolitan Province","AF","ZW","",""\n')


class OurAirportsCsvTest(unittest.TestCase):
    def write(self, folder, files):
        for name, text in files.items():
            (pathlib.Path(folder) / name).write_text(text, encoding="utf-8")

    def test_the_csv_files_build_the_records(self):
        with tempfile.TemporaryDirectory() as folder:
            self.write(folder, {"airports.csv": AIRPORTS_CSV, "runways.csv": RUNWAYS_CSV,
                                "airport-frequencies.csv": FREQUENCIES_CSV,
                                "regions.csv": REGIONS_CSV})
            airports, runways, frequencies, regions = ourairports_csv.read_folder(folder)
        records = make_airports.build_records(airports, runways, frequencies, regions)[0]
        heathrow, harare = (record.split("|") for record in records)
        # The closed runway is left out; a quoted comma and a line break stay inside fields.
        self.assertEqual(heathrow[14], "09L/27R:12799:164:asp:1:89.6/269.6:"
                                       "51.4775;-0.48943/51.4777;-0.43326")
        self.assertEqual(heathrow[15], "atis:113.75 tower:118.5 tower:118.7 ad:119.725")
        self.assertEqual((heathrow[9], heathrow[16]), ("LON / Londres", "England"))
        self.assertEqual(harare[1:3], ["FVRG", "Robert Gabriel Mugabe International Airport"])
        self.assertEqual((harare[8], harare[9], harare[15], harare[18]),
                         ("", "FVHA / Harare", "unicom:130.000", "FVHA"))

    def test_a_missing_file_is_named(self):
        with tempfile.TemporaryDirectory() as folder:
            self.write(folder, {"airports.csv": AIRPORTS_CSV, "regions.csv": REGIONS_CSV})
            with self.assertRaisesRegex(FileNotFoundError,
                                        "missing runways.csv, airport-frequencies.csv"):
                ourairports_csv.read_folder(folder)


def airfield(code, region="AU-QLD", country="AU"):
    return {"code": code, "region": region, "country": country}


class ZoneRulesTest(unittest.TestCase):
    def choose(self, cases, others=()):
        """The zones of cases, (airfield, claims, zones around), among others that one zone
        alone claims each."""
        airfields = [case[0] for case in cases] + [airfield(f"X{i:03}", region, country)
                                                   for i, (region, country, _) in
                                                   enumerate(others)]
        claims = [case[1] for case in cases] + [[zone] for _, _, zone in others]
        around = [case[2] for case in cases] + [set() for _ in others]
        return airport_zones.choose_zones(airfields, claims, around)[:len(cases)]

    def test_the_stated_rules(self):
        queensland = [("AU-QLD", "AU", "Australia/Brisbane")] * 60
        others = queensland + [("AU-NSW", "AU", "Australia/Sydney")] * 40 + [
            ("NO-U-A", "NO", "Europe/Oslo")] * 3 + [
            ("US-TN", "US", "America/Chicago")] * 20 + [("US-TN", "US", "America/New_York")] * 20
        cases = [
            # Just over the border: its region's zone, found within the border distance.
            (airfield("YBCG"), ["Australia/Sydney"], {"Australia/Sydney", "Australia/Brisbane"}),
            # Over the border but far from its region's zone: the boundaries hold.
            (airfield("YFAR"), ["Australia/Sydney"], {"Australia/Sydney"}),
            # Two zones claim the point: the one its region keeps, whatever the order.
            (airfield("YTWO"), ["Australia/Sydney", "Australia/Brisbane"], set()),
            # At sea: the country's zone where the region has none.
            (airfield("ENQE", "NO-X", "NO"), ["Etc/GMT"], set()),
            # A region that two zones share keeps the boundaries' answer.
            (airfield("KTEN", "US-TN", "US"), ["America/New_York"], {"America/Chicago"}),
            # The exception for China, whatever the boundaries claim.
            (airfield("ZWWW", "CN-65", "CN"), ["Asia/Urumqi", "Asia/Shanghai"], set()),
            # No zone anywhere about: none.
            (airfield("XXXX", "XX-1", "XX"), [], set()),
        ]
        self.assertEqual(self.choose(cases, others), [
            "Australia/Brisbane", "Australia/Sydney", "Australia/Brisbane", "Europe/Oslo",
            "America/New_York", "Asia/Shanghai", ""])

    def test_points_around_lie_at_the_distance(self):
        north, east = airport_zones.point_at(51.47, -0.46, 3.0, 90)
        self.assertAlmostEqual(
            make_airports.distance_km(51.47, -0.46, north, east), 3.0, places=6)
        # Over the antimeridian, the longitude comes back on the other side.
        self.assertLess(airport_zones.point_at(0, 179.99, 3.0, 90)[1], -179)


def record(code, iata="", zone="Europe/London", runways="", former="", elevation="83"):
    return (f"L|{code}|Field {code}|Town|GB|{iata}|51.47|-0.46|{elevation}||0|||{zone}|{runways}|"
            f"|||{former}|")


class CheckDataTest(unittest.TestCase):
    def test_what_a_file_gets_wrong(self):
        good = [record(new, former=old)
                for old, new in check_data.RECENT_CODE_CHANGES.items()]
        self.assertEqual(check_data.file_problems(good, {"Europe/London"}), [])
        bad = good[1:] + [record("EGAA", "LHR", zone="Mars/Olympus"), record("EGAB", "LHR"),
                          record("EGAC", runways="09/27:1:1::1:90/270:51.47;-0.46/53.5;-0.46")]
        problems = check_data.file_problems(bad, {"Europe/London"})
        self.assertEqual(len(problems), 4, problems)
        for expected in ("Mars/Olympus", "LHR on EGAA, EGAB", "EGAC: a runway threshold 226 km",
                         "FVHA is not answered"):
            self.assertTrue(any(expected in problem for problem in problems), expected)

    def test_what_a_file_loses_of_its_source(self):
        records = [record("EGLL", elevation="0"), record("EGKK", elevation="0")]
        airports = [{"ident": "EGLL", "type": "large_airport", "elevation_ft": "0"},
                    {"ident": "EGKK", "type": "large_airport", "elevation_ft": ""},
                    {"ident": "GB-1", "gps_code": "EGSS", "type": "large_airport", "name": "S"},
                    {"ident": "EGXX", "type": "small_airport"}]
        self.assertEqual(check_data.source_problems(records, airports), [
            "EGKK: elevation 0 where the source states none",
            "large airport GB-1 (S) is missing"])


if __name__ == "__main__":
    unittest.main()
