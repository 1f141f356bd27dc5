#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The README's examples are real output: every "$ icao ..." line of its indented blocks is run
by the shell, in an empty folder, with the built icao on the shipped data, and what it prints
(standard error and output together) must be the lines under it, to the character. What
depends on today is masked on both sides: the local time, the sun's times of a day not given,
the magnetic variation and headings, and the data file's folder in --version. A block must
end before the next paragraph begins.
Usage: readme_examples.py README ICAO"""
import os
import re
import subprocess
import sys
import tempfile

from cli.report import reported

# Each: what to find, and what stands for it on both sides.
MASKS = [
    (re.compile(r"\d{4}-\d\d-\d\d[ T]\d\d:\d\d"), "<local time>"),
    (re.compile(r"magnetic variation  +[0-9.]+° [EW]"), "magnetic variation  <today's>"),
    (re.compile(r"magnetic \d{3}\.\d°/\d{3}\.\d°"), "magnetic <today's>"),
    (re.compile(r"^(data file ).*(: \d+ records)$"), r"\1<folder>\2"),
]
# The sun's lines of today, where no --date fixes the day.
TODAYS_SUN = (re.compile(r"^(civil dawn|sunrise|sunset|civil dusk)( +).*$"), r"\1\2<today's>")


def masked(lines, command):
    out = []
    for line in lines:
        for pattern, stand_in in MASKS:
            line = pattern.sub(stand_in, line)
        if "--date" not in command:
            line = TODAYS_SUN[0].sub(TODAYS_SUN[1], line)
        out.append(line)
    return out


def examples(readme):
    """Each example as (line number, command, the lines it prints), and the faults of layout."""
    lines = readme.split("\n")
    found, faults = [], []
    i = 0
    while i < len(lines):
        if not lines[i].startswith("    $ "):
            i += 1
            continue
        start = i
        command = lines[i][len("    $ "):]
        i += 1
        printed = []
        while i < len(lines) and lines[i].startswith("    ") and \
                not lines[i].startswith("    $ "):
            printed.append(lines[i][4:])
            i += 1
        if i < len(lines) and lines[i] and not lines[i].startswith("    "):
            faults.append(f"README line {i + 1}: the example of line {start + 1} runs into "
                          "the paragraph after it")
        found.append((start + 1, command, printed))
    return found, faults


def main():
    readme_path, icao = sys.argv[1], os.path.abspath(sys.argv[2])
    with open(readme_path, encoding="utf-8") as readme:
        found, failures = examples(readme.read())
    if len(found) < 20:
        failures.append(f"only {len(found)} examples found in {readme_path}")
    with tempfile.TemporaryDirectory() as folder:
        programs = os.path.join(folder, "bin")
        os.mkdir(programs)
        os.symlink(icao, os.path.join(programs, "icao"))
        work = os.path.join(folder, "work")
        os.mkdir(work)
        environment = dict(os.environ, PATH=programs + os.pathsep + os.environ["PATH"],
                           LC_ALL="C.UTF-8", TZ="UTC")
        for number, command, expected in found:
            answer = subprocess.run(["sh", "-c", command], cwd=work, env=environment,
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                    encoding="utf-8", errors="replace")
            printed = answer.stdout.rstrip("\n").split("\n") if answer.stdout else []
            want, got = masked(expected, command), masked(printed, command)
            if want != got:
                differ = next((k for k in range(max(len(want), len(got)))
                               if k >= len(want) or k >= len(got) or want[k] != got[k]))
                failures.append(
                    f"README line {number}: $ {command}\n"
                    f"  line {differ + 1} shown: {want[differ] if differ < len(want) else '(none)'}\n"
                    f"  line {differ + 1} now:   {got[differ] if differ < len(got) else '(none)'}")
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
