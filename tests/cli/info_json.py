#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads icao info's JSON as a consumer would: every key of each airfield, runways and
frequencies as nested values, a local time that agrees with the UTC offset and the clock now,
a former code answered under the current one, an unknown elevation as null, one object a line
with "found" for keys from "-", an empty list for no code found, a local time for every zone the shipped data names, and a
data file whose later fields are malformed or missing read without a failure.
Usage: info_json.py [--windows] SHIPPED_DATA ODD_DETAILS_FILE COMMAND... (icao, under its
emulator if any; --windows for the Windows build)"""
import datetime
import json
import pathlib
import re
import subprocess
import sys

# Zones newer than the table of Windows zones in the Qt of the Windows build, which knows them by
# no name at all.
UNKNOWN_ON_WINDOWS = {"America/Ciudad_Juarez", "America/Coyhaique", "Antarctica/Troll"}
KEYS = ["icao", "iata", "local_code", "former_codes", "name", "kind", "municipality", "region",
        "country", "country_name", "latitude", "longitude", "elevation_ft", "magnetic_variation",
        "magnetic_model_valid",
        "timezone", "utc_offset", "local_time", "civil_dawn", "sunrise", "sunset", "civil_dusk", "runways",
        "frequencies", "navaids", "keywords"]


def run(icao, *arguments, keys=None):
    return subprocess.run(icao + list(arguments), input=keys, capture_output=True, text=True,
                          encoding="utf-8")


def offset_of(text):
    sign, hours, minutes = re.fullmatch(r"([+-])(\d\d):(\d\d)", text).groups()
    return (1 if sign == "+" else -1) * datetime.timedelta(hours=int(hours), minutes=int(minutes))


def check_local_time(airfield, failures):
    now = datetime.datetime.now(datetime.timezone.utc).replace(tzinfo=None)
    local = datetime.datetime.fromisoformat(airfield["local_time"])
    skew = abs(local - offset_of(airfield["utc_offset"]) - now)
    if skew > datetime.timedelta(minutes=2):
        failures.append(f"{airfield['icao']}: local time {airfield['local_time']} at "
                        f"{airfield['utc_offset']} is {skew} from UTC now")


def check_every_zone(shipped, icao, unknown_here, failures):
    """One airfield of each zone of the shipped data: each has its local time."""
    code_of_zone = {}
    for line in pathlib.Path(shipped).read_text(encoding="utf-8").splitlines():
        fields = line.split("|")
        code_of_zone.setdefault(fields[13], fields[1])
    keys = "".join(code + "\n" for code in code_of_zone.values())
    answers = [json.loads(line) for line in
               run(icao, "info", "-", "--format", "json", keys=keys).stdout.splitlines()]
    unknown = {answer["timezone"] for answer in answers if answer["local_time"] is None}
    if len(answers) != len(code_of_zone) or unknown != unknown_here & set(code_of_zone):
        failures.append(f"of {len(code_of_zone)} zones, {len(answers)} answered, without a local "
                        f"time: {sorted(unknown)}")


def main():
    windows = sys.argv[1] == "--windows"
    shipped, odd_file, icao = sys.argv[1 + windows], sys.argv[2 + windows], sys.argv[3 + windows:]
    failures = []
    check_every_zone(shipped, icao, UNKNOWN_ON_WINDOWS if windows else set(), failures)
    answer = run(icao, "info", "EGLL", "YSSY", "XXXX", "--format", "json")
    airfields = json.loads(answer.stdout)
    if answer.returncode != 1 or "XXXX" not in answer.stderr:
        failures.append(f"an unknown code: status {answer.returncode}, {answer.stderr!r}")
    if [list(airfield) for airfield in airfields] != [KEYS, KEYS]:
        failures.append(f"keys: {[list(airfield) for airfield in airfields]}")
    heathrow, sydney = airfields
    if (heathrow["timezone"], sydney["timezone"]) != ("Europe/London", "Australia/Sydney"):
        failures.append(f"zones: {heathrow['timezone']}, {sydney['timezone']}")
    for airfield in airfields:
        check_local_time(airfield, failures)
    ends = [[end["ident"] for end in runway["ends"]] for runway in heathrow["runways"]]
    if ends != [["09L", "27R"], ["09R", "27L"]] or heathrow["runways"][0]["length_ft"] < 12000:
        failures.append(f"Heathrow's runways: {heathrow['runways']}")
    # Magnetic north lies a degree or two east of true at London over the model's years
    # (WMM2025), and each end's magnetic heading is its true one less that.
    variation = heathrow["magnetic_variation"]
    if not 0.5 < variation < 3:
        failures.append(f"Heathrow's magnetic variation: {variation}")
    for runway in heathrow["runways"]:
        for end in runway["ends"]:
            if abs((end["true_heading"] - variation) % 360 - end["magnetic_heading"]) > 1e-9:
                failures.append(f"Heathrow's runway end {end}")
    # dist takes the variation where a leg begins as info gives it, at the airfield's elevation:
    # La Paz lies 13,000 ft up.
    la_paz = json.loads(run(icao, "info", "SLLP", "--format", "json").stdout)[0]
    leg = json.loads(run(icao, "dist", "SLLP", "SCEL", "--format", "json").stdout)["legs"][0]
    magnetic = (leg["initial_true_course"] - la_paz["magnetic_variation"]) % 360
    if abs(magnetic - leg["initial_magnetic_course"]) > 1e-6:
        failures.append(f"dist from SLLP: magnetic {leg['initial_magnetic_course']}, "
                        f"info's variation gives {magnetic}")
    if not all(isinstance(mhz, float) for mhz in heathrow["frequencies"].values()):
        failures.append(f"frequencies: {heathrow['frequencies']}")

    if (heathrow["region"], heathrow["former_codes"], heathrow["local_code"]) != (
            "England", None, None):
        failures.append(f"Heathrow's region and codes: {heathrow}")
    # A former code answers under the current one, and says so; an unknown elevation is null.
    harare, laikipia = json.loads(run(icao, "info", "FVHA", "HKNY", "--format", "json").stdout)
    if (harare["icao"], harare["former_codes"], laikipia["elevation_ft"]) != (
            "FVRG", ["FVHA"], None):
        failures.append(f"FVHA and HKNY: {harare['icao']}, {harare['former_codes']}, "
                        f"{laikipia['elevation_ft']}")

    keyed = run(icao, "info", "-", "--format", "json", keys="EGLL\nXXXX\nYSSY\nFVHA\n").stdout
    answers = [json.loads(line) for line in keyed.splitlines()]
    if [(answer["key"], answer["icao"], answer["found"]) for answer in answers] != [
            ("EGLL", "EGLL", True), ("XXXX", None, False), ("YSSY", "YSSY", True),
            ("FVHA", "FVRG", True)]:
        failures.append(f"keys from -: {keyed}")
    nothing = run(icao, "info", "XXXX", "--format", "json")
    if (nothing.returncode, json.loads(nothing.stdout or "null")) != (1, []):
        failures.append(f"an unknown code alone: status {nothing.returncode}, {nothing.stdout!r}")

    odd = run(icao, "info", "EGXA", "EGXB", "--format", "json", "--file", odd_file)
    if odd.returncode != 0:
        failures.append(f"odd details: status {odd.returncode}, {odd.stderr}")
    else:
        field, older = json.loads(odd.stdout)
        expected = {"timezone": "Mars/Olympus_Mons", "utc_offset": None, "local_time": None,
                    "frequencies": {"tower": 118.5}}
        for key, value in expected.items():
            if field[key] != value:
                failures.append(f"odd details, {key}: {field[key]!r}, not {value!r}")
        if [runway["ends"][0]["ident"] for runway in field["runways"]] != ["09"]:
            failures.append(f"odd details, runways: {field['runways']}")
        if (older["timezone"], older["runways"], older["frequencies"]) != (None, [], {}):
            failures.append(f"a record without the later fields: {older}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
