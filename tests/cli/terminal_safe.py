#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""No byte that a terminal takes as a command reaches it: text from the arguments and from the
data file, holding ESC, BEL, C1 controls, a lone byte that is not UTF-8 and bidirectional
overrides, is passed through every message that can carry it, on standard error as on standard
output, and comes out escaped.
Usage: terminal_safe.py COMMAND... (icao, under its emulator if any)"""
import os
import subprocess
import sys
import tempfile

from report import reported

HOSTILE = [b"\x1b[2J", b"\x1b]0;title\x07", b"\x07", "\u009b1m".encode(), b"\x9b",
           "\u202e".encode(), "\u2066".encode()]
# What must never come out raw: C0 controls but the line end, DEL, C1 controls in UTF-8 and
# the bidirectional embeddings, overrides and isolates.
FORBIDDEN = [bytes([byte]) for byte in range(0x20) if byte != 0x0A] + [b"\x7f"] + \
    [chr(point).encode() for point in list(range(0x80, 0xA0)) + list(range(0x202A, 0x202F)) +
     list(range(0x2066, 0x206A))]


def raw_controls(output):
    found = [part for part in FORBIDDEN if part in output]
    # A byte that starts no UTF-8 sequence is read as a C1 control by some terminals.
    try:
        output.decode("utf-8")
    except UnicodeDecodeError as error:
        found.append(output[error.start:error.start + 1])
    return found


def main():
    icao = [os.fsencode(word) for word in sys.argv[1:]]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        data = os.path.join(folder, "airports.txt")
        with open(data, "wb") as out:
            out.write(b"L|EGLL|London Heathrow Airport|London|GB|LHR|51.47|-0.46|83||\n")
            for n, hostile in enumerate(HOSTILE):
                # A former code and a name that carry the hostile text.
                out.write(b"M|ZZZ%c|Field %s|Town|XX||51.%d|-0.4|10||||||||||Q%s|\n"
                          % (65 + n, hostile, n, hostile))
        for hostile in HOSTILE:
            for words in ([b"info", hostile], [b"info", b"Q" + hostile],
                          [b"info", hostile, b"--format", b"svg"], [b"code", b"Q" + hostile],
                          [b"near", hostile], [b"near", hostile + b",1"],
                          [b"navaid", hostile], [b"near", hostile, b"--navaids"],
                          [b"dist", b"EGLL", hostile], [b"dist", b"EGLL", b"field " + hostile],
                          [b"find", hostile], [b"find", b"field"], [b"name", hostile],
                          [b"--bogus" + hostile], [b"info", b"EGLL", b"--date", hostile],
                          [b"near", b"EGLL", b"--format", b"svg", b"--output",
                           os.fsencode(folder) + b"/missing/" + hostile]):
                answer = subprocess.run(icao + words + [b"--file", os.fsencode(data)],
                                        capture_output=True)
                for stream, output in (("stdout", answer.stdout), ("stderr", answer.stderr)):
                    found = raw_controls(output)
                    if found:
                        failures.append(f"{b' '.join(words)!r}: {stream} holds {found[:3]!r}")
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
