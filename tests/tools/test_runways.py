# SPDX-License-Identifier: MIT
"""The runways of a record (tools/runways.py) and their surfaces in plain words
(tools/runway_surfaces.py), on the source's own spellings and faults, run by CTest."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import runway_surfaces  # noqa: E402
import runways  # noqa: E402


def end(ident, heading=None, latitude=None, longitude=None):
    return {"ident": ident, "heading": heading, "latitude": latitude, "longitude": longitude}


def runway(ends, length=3000, surface="ASP", lighted=True, width=100):
    return {"length_ft": length, "width_ft": width, "surface": surface, "lighted": lighted,
            "ends": ends}


class SurfaceTest(unittest.TestCase):
    def test_the_sources_spellings(self):
        cases = {
            "ASP": "asphalt", "ASPH-G": "asphalt", "Asphalt/Concrete": "asphalt",
            "ASPH-TURF": "asphalt", "CON": "concrete", "CONC-F": "concrete", "PEM": "macadam",
            "GRS": "grass", "TURF-DIRT-P": "grass", "Grassed brown clay": "grass",
            "GRE": "grass", "GVL": "gravel", "GRVL-TRTD": "gravel", "Piçarra": "gravel",
            "Earth": "dirt", "DIRT": "dirt", "WATER-E": "water", "WAT": "water",
            "MATS": "metal", "Bitumen": "bitumen", "Blue Ice": "ice", "COR": "coral",
            # Australia's letters: bitumen, concrete, gravel-or-grass, clay, natural, sand.
            "B": "bitumen", "C": "concrete", "G": "unpaved", "X": "clay", "N": "dirt",
            "S": "sand",
            # Words the table has not seen, by their beginning; "hard" alone is paved.
            "Asphalted": "asphalt", "GRAVELLED": "gravel", "Hard": "paved",
            # Unknown said as unknown, never guessed.
            "": "", "UNK": "", "Unknown": "", "L": "", "PER": "", "Hard clay": "clay",
            "Soft": "", "Delete duplicate": "",
        }
        for spelling, word in cases.items():
            self.assertEqual(runway_surfaces.surface_word(spelling), word, spelling)

    def test_every_word_has_its_class(self):
        classes = {word: runway_surfaces.surface_class(word) for word in runway_surfaces.SURFACES}
        self.assertEqual({word for word, kind in classes.items() if kind == "water"}, {"water"})
        self.assertEqual(classes["asphalt"], "paved")
        self.assertEqual(classes["grass"], "unpaved")
        self.assertEqual(runway_surfaces.surface_class(""), "")
        self.assertIn("| concrete | paved | CON, CONC,", runway_surfaces.markdown_table())


class RunwaysTest(unittest.TestCase):
    def field(self, runs, latitude=51.47, longitude=-0.46):
        counts = runways.Counts()
        return runways.runways_field(runs, latitude, longitude, counts), counts

    def test_names_surfaces_and_the_longest_first(self):
        text, counts = self.field([
            runway([end("09L", 89.6), end("27R", 269.6)], 12799, "ASP"),
            runway([end(""), end("")], 40, "CON", width=40),
            runway([end("", 93.0), end("", 273.0)], 2000, "unknown", lighted=None),
            runway([end(""), end("")], 3300, "GRS"),
            # The same runway twice (VANM showed two identical lines).
            runway([end("09L", 89.6), end("27R", 269.6)], 12000, "CONC"),
        ])
        self.assertEqual(text, "09L/27R:12799:100:asphalt:1:89.6/269.6: "
                               "RWY1:3300:100:grass:1:/: 09/27:2000:100:::93/273: "
                               "H1:40:40:concrete:1:/:")
        self.assertEqual((counts["runways that stood twice"], counts["runways named by their order"],
                          counts["runways named by their headings"]), (1, 2, 1))

    def test_headings_and_thresholds_checked_against_each_other(self):
        tokyo = (35.549678, 139.786958)
        # Haneda's 05/23 as the source gives it: 057° true, though its thresholds bear 043°.
        haneda = runway([end("05", 57.0, 35.524, 139.80347), end("23", 223.0, 35.5406, 139.82212)],
                        8202)
        text, counts = self.field([haneda], *tokyo)
        self.assertIn("05/23:8202:100:asphalt:1:/223:35.524;139.80347/35.5406;139.82212", text)
        self.assertEqual(counts["runway headings dropped for their thresholds"], 1)
        # Thresholds in reverse: put the right way round by the headings, or by the numbers.
        reversed_ends = runway([end("05", 43.0, 35.5406, 139.82212),
                                end("23", 223.0, 35.524, 139.80347)], 8202)
        by_numbers = runway([end("05", None, 35.5406, 139.82212),
                             end("23", None, 35.524, 139.80347)], 8202)
        for case in (reversed_ends, by_numbers):
            text, counts = self.field([case], *tokyo)
            self.assertIn("35.524;139.80347/35.5406;139.82212", text)
            self.assertEqual(counts["runway thresholds put the right way round"], 1)
        # A heading out of range is no heading.
        text, counts = self.field([runway([end("36", 362.0), end("18", 182.0)])])
        self.assertIn(":/182:", text)

    def test_thresholds_that_do_not_lie_at_the_airfield(self):
        # Latitude and longitude swapped (EDKN), and ends 5 km apart on a runway of 1 km.
        swapped = runway([end("10", 104, 7.36505, 51.1261), end("28", 284, 7.37822, 51.12322)],
                         2952, "grass")
        stretched = runway([end("01", 0, 51.10, 7.37), end("19", 180, 51.145, 7.37)], 3300, "")
        text, counts = self.field([swapped, stretched], 51.124168, 7.373611)
        self.assertEqual(text, "01/19:3300:100::1:0/180: 10/28:2952:100:grass:1:104/284:")
        self.assertEqual(counts["thresholds left out"], 2)


if __name__ == "__main__":
    unittest.main()
