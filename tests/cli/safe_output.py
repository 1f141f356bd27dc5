#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What icao writes is safe: --output replaces a file only with a whole picture and never names
the data file being read, by any spelling; a picture of records whose names and codes hold
characters XML does not allow still parses; a time-zone field that is a path is never opened.
Usage: safe_output.py [--windows] SCRATCH_FOLDER SHIPPED_DATA COMMAND... (icao, under its
emulator if any; --windows, for the Windows build under wine, leaves out what wine cannot show:
a size limit, a link, a FIFO)"""
import os
import pathlib
import random
import resource
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from report import reported

# Characters XML 1.0 does not allow, and some that it does beside them.
HOSTILE = ["\x01", "\x08", "\x0b", "\x1b[31m", "\x1f", "\ufffe", "\uffff", "\x7f", "<", "&", '"',
           "'", "\t", "é", "東"]


def run(icao, *arguments, limit=None):
    def limited():
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    return subprocess.run(icao + list(arguments), capture_output=True,
                          preexec_fn=limited if limit else None)


def hostile_text(chooser, length):
    return "".join(chooser.choice(HOSTILE + list("ABCXYZ ")) for _ in range(length))


def check_output(scratch, icao, emulated, failures):
    picture = scratch / "near.svg"
    picture.write_text("an older picture")
    first = run(icao, "near", "EGLL", "--format", "svg", "--output", str(picture))
    expected = run(icao, "near", "EGLL", "--format", "svg").stdout
    if first.returncode != 0 or picture.read_bytes() != expected:
        failures.append(f"--output over a file: status {first.returncode}, {first.stderr!r}")
    if not emulated:
        # The size limit stops the write midway: the file keeps what it held.
        picture.write_text("an older picture")
        cut = run(icao, "near", "EGLL", "--format", "svg", "--output", str(picture), limit=4096)
        if cut.returncode != 2 or picture.read_text() != "an older picture":
            failures.append(f"a write cut short: status {cut.returncode}, {cut.stderr!r}, "
                            f"{len(picture.read_bytes())} bytes left")
    leftovers = [path.name for path in scratch.iterdir() if path.name.endswith(".part")]
    if leftovers:
        failures.append(f"temporary files left: {leftovers}")


def check_data_file_refused(scratch, icao, shipped, emulated, failures):
    data = scratch / "data" / "airports.txt"
    data.parent.mkdir(exist_ok=True)
    data.write_bytes(shipped.read_bytes())
    (scratch / "data" / "sub").mkdir(exist_ok=True)
    link = scratch / "link.txt"
    if not link.exists():
        os.symlink(data, link)
    # Under an emulator the program may not see the link as the system here makes it.
    spellings = [data, scratch / "data" / "sub" / ".." / "airports.txt"] + ([] if emulated else [link])
    for spelling in spellings:
        answer = run(icao, "near", "EGLL", "--format", "svg", "--file", str(data),
                     "--output", str(spelling))
        if (answer.returncode != 2 or b"is a data file being read" not in answer.stderr or
                data.read_bytes() != shipped.read_bytes()):
            failures.append(f"--output {spelling}: status {answer.returncode}, {answer.stderr!r}")


def check_hostile_names(scratch, icao, failures):
    chooser = random.Random(30)
    for round_number in range(12):
        names = [hostile_text(chooser, chooser.randint(1, 30)) for _ in range(3)]
        codes = ["QQA" + chr(65 + i) for i in range(3)]
        records = [f"L|{code}|{name}|{hostile_text(chooser, 5)}|XX||{51 + i / 10}|{i / 10}|1||"
                   for i, (code, name) in enumerate(zip(codes, names))]
        # One code, too, holds what XML does not allow: its map is drawn all the same.
        records.append(f"L|Q\x01\ufffeQ|{names[0]}|X|XX||51.5|0.5|1||")
        data = scratch / "hostile.txt"
        data.write_text("\n".join(records) + "\n", encoding="utf-8")
        for arguments in (["info", codes[0]], ["near", codes[1]], ["dist", *codes],
                          ["near", "Q\x01\ufffeQ", "--raw"]):
            answer = run(icao, *arguments, "--format", "svg", "--file", str(data))
            try:
                ElementTree.fromstring(answer.stdout)
            except ElementTree.ParseError as error:
                failures.append(f"round {round_number}, {arguments}: {error}")


def check_zone_path(scratch, icao, failures):
    fifo = scratch / "fifo"
    if not fifo.exists():
        os.mkfifo(fifo)
    zone = os.path.relpath(fifo, "/usr/share/zoneinfo")
    data = scratch / "zone.txt"
    data.write_text(f"L|ZZZZ|Zone Field|X|XX||1|2|3||5|||{zone}|||\n")
    try:
        answer = subprocess.run(icao + ["info", "ZZZZ", "--file", str(data)], capture_output=True,
                                timeout=20)
    except subprocess.TimeoutExpired:
        failures.append("a time zone that is a path to a FIFO hangs icao info")
        return
    if answer.returncode != 0 or b"not known to this system" not in answer.stdout:
        failures.append(f"zone as a path: status {answer.returncode}, {answer.stdout!r}")
    check = run(icao, "check", "--file", str(data))
    if b"is no time-zone name" not in check.stdout:
        failures.append(f"icao check on a zone that is a path: {check.stdout!r}")


def main():
    emulated = sys.argv[1] == "--windows"
    scratch = pathlib.Path(sys.argv[1 + emulated]) / "safe_output"
    shipped, icao = pathlib.Path(sys.argv[2 + emulated]), sys.argv[3 + emulated:]
    scratch.mkdir(exist_ok=True)
    failures = []
    check_output(scratch, icao, emulated, failures)
    check_data_file_refused(scratch, icao, shipped, emulated, failures)
    check_hostile_names(scratch, icao, failures)
    if not emulated:
        check_zone_path(scratch, icao, failures)
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
