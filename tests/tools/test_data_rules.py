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
import navaids  # noqa: E402
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
NAVAIDS_CSV = (
    '"id","filename","ident","name","type","frequency_khz","latitude_deg","longitude_deg",'
    '"elevation_ft","iso_country","dme_frequency_khz","dme_channel","dme_latitude_deg",'
    '"dme_longitude_deg","dme_elevation_ft","slaved_variation_deg","magnetic_variation_deg",'
    '"usageType","power","associated_airport"\n'
    '90474,"London_VOR-DME_GB","LON","London","VOR-DME",113600,51.48720169067383,'
    '-0.4666669964790344,110,"GB",113600,"083X",,,,-3.001,-2.243,"BOTH","HIGH","EGLL"\n'
    '90475,"Londrina_NDB_BR","LON","Londrina","NDB",365,-23.3277,-51.1358,1867,"BR",,,,,,,'
    '-17.189,"BOTH","MEDIUM","SBLO"\n'
    '85051,"Sable_Island_NDB_CA","1B","Sable Island","NDB",-1,43.9306,-60.0229,,"CA",,,,,,,'
    ',"LO","MEDIUM",\n')
FILES = {"airports.csv": AIRPORTS_CSV, "runways.csv": RUNWAYS_CSV,
         "airport-frequencies.csv": FREQUENCIES_CSV, "regions.csv": REGIONS_CSV,
         "navaids.csv": NAVAIDS_CSV}


class OurAirportsCsvTest(unittest.TestCase):
    def read(self, files):
        with tempfile.TemporaryDirectory() as folder:
            for name, text in files.items():
                (pathlib.Path(folder) / name).write_bytes(
                    text if isinstance(text, bytes) else text.encode("utf-8"))
            return ourairports_csv.read_folder(folder, "fixture")

    def test_the_csv_files_build_the_records_and_navaids(self):
        tables = self.read(FILES)
        records = make_airports.build_records(tables.airports, tables.runways,
                                              tables.frequencies, tables.regions)[0]
        heathrow, harare = (record.split("|") for record in records)
        # The closed runway is left out; a quoted comma and a line break stay inside fields.
        self.assertEqual(heathrow[14], "09L/27R:12799:164:asphalt:1:89.6/269.6:"
                                       "51.4775;-0.48943/51.4777;-0.43326")
        # Heathrow Director, of the type A/D, is an approach service.
        self.assertEqual(heathrow[15], "atis:113.75 tower:118.5 tower:118.7 approach:119.725")
        self.assertEqual((heathrow[9], heathrow[16], heathrow[19]), ("LON / Londres", "England",
                                                                      "1"))
        self.assertEqual(harare[1:3], ["FVRG", "Robert Gabriel Mugabe International Airport"])
        # A line break inside a field is a space.
        self.assertEqual((harare[8], harare[9], harare[15], harare[18]),
                         ("", "FVHA / Harare", "unicom:130.000", "FVHA"))
        counts = {}
        self.assertEqual(navaids.navaid_lines(tables.navaids, counts), [
            "1B|Sable Island|NDB||43.9306|-60.0229||||CA||",
            "LON|Londrina|NDB|365|-23.3277|-51.1358|1867|-17.189|SBLO|BR||",
            "LON|London|VOR-DME|113.60|51.487202|-0.466667|110|-2.243|EGLL|GB|083X|"])
        self.assertEqual(counts, {"navaid frequencies out of band": 1})

    def test_crlf_line_ends_read_as_line_ends(self):
        crlf = {name: text.replace("\n", "\r\n") for name, text in FILES.items()}
        self.assertEqual(self.read(crlf), self.read(FILES))

    def test_faults_name_the_file_and_where(self):
        airports = AIRPORTS_CSV
        faults = [
            ("runways.csv", "", "fixture/runways.csv: the file is empty"),
            ("airports.csv", airports[:-40], "fixture/airports.csv: the file ends mid-row"),
            ("airports.csv", airports[:-1] + ',"x"\n', "airports.csv: line 4: 20 fields where"),
            ("airports.csv", airports.replace('"latitude_deg"', '"lat"'),
             "airports.csv: no column latitude_deg in the header"),
            ("runways.csv", RUNWAYS_CSV.replace('"length_ft","width_ft"', '"length","width"'),
             "runways.csv: no column length_ft, width_ft"),
            ("airports.csv", airports.replace("51.4706", "191.5"),
             "airports.csv: line 2: column latitude_deg: outside -90 to 90 ('191.5')"),
            ("airports.csv", airports.replace(",83,", ',"abc",'),
             "airports.csv: line 2: column elevation_ft: not a number ('abc')"),
            ("runways.csv", RUNWAYS_CSV.replace(",1,0,", ",yes,0,"),
             "runways.csv: line 2: column lighted: neither 0 nor 1 ('yes')"),
            ("airport-frequencies.csv", FREQUENCIES_CSV.replace("118.5", "tower"),
             "airport-frequencies.csv: line 3: column frequency_mhz: not a number"),
            ("airports.csv", airports.encode("utf-8").replace(b"Harare", b"Har\xe9re"),
             "airports.csv: line 3: a byte that is not UTF-8 (0xe9)"),
            ("airports.csv", airports + '4,"EGKK","large_airport","Gatwick\n',
             "airports.csv: line 5: unexpected end of data"),
        ]
        for name, text, message in faults:
            with self.assertRaises(ourairports_csv.DataError, msg=message) as raised:
                self.read(dict(FILES, **{name: text}))
            self.assertIn(message, str(raised.exception))
        missing = dict(FILES)
        del missing["navaids.csv"], missing["runways.csv"]
        with self.assertRaisesRegex(ourairports_csv.DataError,
                                    "fixture: missing runways.csv, navaids.csv"):
            self.read(missing)


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


def record(code, iata="", zone="Europe/London", runways="", former="", elevation="83",
           marker="L", latitude="51.47", prominence="0", region=""):
    return (f"{marker}|{code}|Field {code}|Town|GB|{iata}|{latitude}|-0.46|{elevation}||"
            f"{prominence}|||{zone}|{runways}||{region}||{former}|")


class CheckDataTest(unittest.TestCase):
    def test_what_a_file_gets_wrong(self):
        good = [record(new, former=old)
                for old, new in check_data.RECENT_CODE_CHANGES.items()]
        self.assertEqual(check_data.file_problems(good, {"Europe/London"}), [])
        bad = [record("FVRG")] + good[1:] + [
            record("EGAA", "LHR", zone="Mars/Olympus"), record("EGAB", "LHR"),
            record("EGAC", runways="09/27:1:1::1:90/270:51.47;-0.46/53.5;-0.46", prominence="1"),
            record("EGAD", latitude="191.5"), record("EGAE", elevation="abc"),
            record("EGAF", marker="Q"), record("EGAF"), record("EGAG", former="EGAA"),
            record("EGAH", runways="09/27:5500:::::", prominence="55.0"),
            record("EGAI", region="(unassigned)")]
        problems = check_data.file_problems(bad, {"Europe/London"})
        expected = ["Mars/Olympus", "LHR on EGAA, EGAB", "EGAC: a runway threshold 226 km",
                    "FVHA is not answered", "EGAD: latitude '191.5' out of range",
                    "EGAE: elevation 'abc' not a number", "EGAF: kind marker 'Q' unknown",
                    "EGAF: on two records", "EGAA: a former code of EGAG and a record's own",
                    "EGAH: prominence '55.0' reads as 0", "EGAI: region '(unassigned)'"]
        self.assertEqual(len(problems), len(expected), problems)
        for text in expected:
            self.assertTrue(any(text in problem for problem in problems), text)

    def test_surfaces_known_on_most_runways_of_a_large_file(self):
        def records(unknown):
            runway = "09/27:5500:100:{}:1:90/270:"
            return [record(f"E{i // 26 % 26 + 65:c}{i % 26 + 65:c}A", prominence="100",
                           runways=runway.format("" if i < unknown else "asphalt"))
                    for i in range(check_data.SURFACE_SAMPLE)]
        self.assertFalse([problem for problem in check_data.file_problems(records(100))
                          if "surfaces" in problem])
        self.assertIn("runway surfaces known on 899 of 1000 runways, under 90%",
                      check_data.file_problems(records(101)))

    def test_what_a_file_loses_of_its_source(self):
        records = [record("EGLL", elevation="0"), record("EGKK", elevation="0"),
                   record("EGSS", prominence="0")]
        place = {"latitude_deg": 51.47, "longitude_deg": -0.46}
        airports = [dict(place, ident="EGLL", type="large_airport", elevation_ft=0.0),
                    dict(place, ident="EGKK", type="large_airport", elevation_ft=None),
                    dict(place, ident="GB-1", gps_code="EGBB", type="large_airport", name="B"),
                    dict(place, ident="EGSS", type="small_airport")]
        tables = ourairports_csv.Tables(airports, {"EGSS": [{}]},
                                        {"EGSS": [("tower", "118.0")]}, {}, [])
        self.assertEqual(check_data.source_problems(records, airports, tables), [
            "EGKK: elevation 0 where the source states none",
            "large airport GB-1 (B) is missing",
            "EGSS: prominence '0' reads as 0 though the source has runways",
            "frequencies on 0 airfields where the source gives them for 1"])


if __name__ == "__main__":
    unittest.main()
