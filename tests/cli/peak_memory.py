#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs icao on hostile files, keys and routes of the shapes that once made it grow without
bound, and holds each run's peak memory (the child's own getrusage) under 64 MB, and a run that
keeps the file in memory, or hits as many as its records, under 64 MB and twice the file.
Usage: peak_memory.py ICAO"""
import os
import subprocess
import sys
import tempfile

LIMIT_KIB = 64 * 1024


def peak_kib(command, stdin_path=None):
    """The peak resident size of one run of command, and its exit status."""
    with open(stdin_path or os.devnull, "rb") as stdin:
        child = subprocess.Popen(command, stdin=stdin, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
    return usage.ru_maxrss, os.waitstatus_to_exitcode(status)


def write(path, block, count):
    # Small blocks: a child forked from this process starts with its memory counted.
    with open(path, "wb") as out:
        for _ in range(count):
            out.write(block)
    return path


def airfields(path, count):
    """count airfields of full records, every one an "airport", spread over Europe."""
    with open(path, "w", encoding="utf-8") as out:
        for i in range(count):
            code = "".join(chr(65 + i // 26 ** k % 26) for k in range(4))
            out.write(f"M|{code}|Field {i} Airport|Town {i}|GB|{code[:3]}|"
                      f"{40 + i % 2000 / 100:.6f}|{-5 + i // 2000 % 30 / 3:.6f}|{i % 900}|"
                      f"Old Field {i}|{i % 97}|United Kingdom||Europe/London|"
                      f"09/27:9000:150:ASP:1:89.6/269.6:|TWR:118.5 ATIS:121.85|England|F{i}||\n")
    return path


def main():
    icao = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        def at(name):
            return os.path.join(folder, name)
        commas = write(at("commas.txt"), b"," * 4096, 2560)
        letters = write(at("letters.txt"), b"x\n" * 2048, 1536)
        long_lines = write(at("long_lines.txt"),
                           b"L|LONG|" + b"quokka " * (256 * 1024 // 7) + b"|\n", 64)
        keys = write(at("keys.txt"), b"a\nquokka\nzzzz\n", 340)
        one_key = write(at("one_key.txt"), b"quokka\n", 1)
        zeros = write(at("zeros.txt"), b"\0" * 4096, 12800)
        route = write(at("route.txt"), b"EGLL KJFK " * 410, 25600)
        foreign_items = write(at("foreign_items.txt"), b"\xc5," * 4096, 256)
        tiny_records = write(at("tiny_records.txt"), b"M|a\n" * 4096, 1024)
        kept_kib = 2 * os.path.getsize(tiny_records) // 1024
        fields = airfields(at("airfields.txt"), 60000)
        fields_kib = 2 * os.path.getsize(fields) // 1024
        codes = write(at("codes.txt"), b"AAAA\nZZZZ\nBAAA\n", 30000)
        cases = [
            ("find - on 10 MB of commas", [icao, "find", "-", "--file", commas], one_key),
            ("find - on 16 MB of tiny records", [icao, "find", "-", "--file", tiny_records],
             one_key, kept_kib),
            ("find - with 1,020 keys on one-letter lines",
             [icao, "find", "-", "--file", letters], keys),
            ("find on 256 KiB lines", [icao, "find", "quokka", "--file", long_lines], None),
            ("check on one-letter lines", [icao, "check", "--file", letters], None),
            ("check on a line of 1M Windows-1252 items",
             [icao, "check", "--file", foreign_items], None),
            ("code - on 50 MB without a line end", [icao, "code", "-"], zeros),
            ("dist - on a 100 MB route", [icao, "dist", "-"], route),
            ("near on 256 KiB lines", [icao, "near", "0,0", "--file", long_lines], None),
            ("find airport --limit 1e9 on 60,000 records",
             [icao, "find", "airport", "--limit", "1000000000", "--file", fields], None,
             fields_kib),
            ("find ... as JSON", [icao, "find", "airport", "--limit", "1000000000",
                                  "--format", "json", "--file", fields], None, fields_kib),
            ("near --limit 100000 on 60,000 records",
             [icao, "near", "50,0", "--limit", "100000", "--file", fields], None, fields_kib),
            ("near ... as JSON", [icao, "near", "50,0", "--limit", "100000", "--format", "json",
                                  "--file", fields], None, fields_kib),
            ("near ... as SVG", [icao, "near", "50,0", "--limit", "100000", "--format", "svg",
                                 "--file", fields], None, fields_kib),
            ("info - with 90,000 keys as JSON",
             [icao, "info", "-", "--format", "json", "--file", fields], codes, fields_kib),
        ]
        failed = 0
        for name, command, stdin, *kept in cases:
            kib, status = peak_kib(command, stdin)
            limit = LIMIT_KIB + sum(kept)
            verdict = "ok" if kib < limit and status in (0, 1, 2) else "TOO MUCH"
            failed += verdict != "ok"
            print(f"{name:45} {kib / 1024:7.1f} MB  status {status}  {verdict}")
        print(f"{len(cases) - failed} passed, {failed} failed")
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
