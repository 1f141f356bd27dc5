#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes tests/records/sun_reference.tsv: civil dawn, sunrise, sunset and civil dusk found by
bisection on the sun's altitude, minute by minute of the day, from the Astronomical Almanac's
low-precision solar coordinates (good to 0.01°): a reference apart from the NOAA equations
the program uses, for the same places and dates as the suncalc table.

Usage: tools/sun_reference.py
"""

import datetime
import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests" / "records" / "sun_reference.tsv"
PLACES = [(0, 0), (0, 100), (51.4706, -0.4619), (60, 10), (60, -150), (78.2461, 15.4656),
          (-33.9461, 151.1772), (64.13, -21.94), (-77.8463, 166.6681), (40.6398, -73.7789),
          (35.55, 139.78), (-54.8, -68.3)]
DATES = ["2026-06-21", "2026-12-21", "2026-03-20", "2027-09-23"]


def altitude(moment, latitude, longitude):
    """The sun's centre's altitude in degrees, without refraction."""
    n = moment.timestamp() / 86400 + 2440587.5 - 2451545.0
    mean = (280.460 + 0.9856474 * n) % 360
    anomaly = math.radians((357.528 + 0.9856003 * n) % 360)
    ecliptic = math.radians(mean + 1.915 * math.sin(anomaly) + 0.020 * math.sin(2 * anomaly))
    obliquity = math.radians(23.439 - 0.0000004 * n)
    right_ascension = math.degrees(math.atan2(math.cos(obliquity) * math.sin(ecliptic),
                                              math.cos(ecliptic)))
    declination = math.asin(math.sin(obliquity) * math.sin(ecliptic))
    sidereal = (18.697374558 + 24.06570982441908 * n) % 24
    hour_angle = math.radians(sidereal * 15 + longitude - right_ascension)
    phi = math.radians(latitude)
    return math.degrees(math.asin(math.sin(phi) * math.sin(declination) +
                                  math.cos(phi) * math.cos(declination) * math.cos(hour_angle)))


def crossings(latitude, longitude, date, height):
    """The rising and the setting past height in the solar day around local noon."""
    noon = datetime.datetime.fromisoformat(date + "T12:00:00+00:00") - \
        datetime.timedelta(hours=longitude / 15)
    minutes = [noon + datetime.timedelta(minutes=m) for m in range(-720, 721)]
    above = [altitude(m, latitude, longitude) > height for m in minutes]
    found = {}
    for i in range(len(minutes) - 1):
        if above[i] != above[i + 1]:
            low, high = minutes[i], minutes[i + 1]
            for _ in range(20):
                middle = low + (high - low) / 2
                if (altitude(middle, latitude, longitude) > height) == above[i]:
                    low = middle
                else:
                    high = middle
            key = "up" if not above[i] else "down"
            found.setdefault(key, low)
    return found.get("up"), found.get("down")


def shown(moment):
    return moment.strftime("%Y-%m-%dT%H:%M:%SZ") if moment else "-"


def main():
    lines = ["# latitude\tlongitude\tdate\tcivil_dawn\tsunrise\tsunset\tcivil_dusk "
             "(tools/sun_reference.py; - where none)"]
    for latitude, longitude in PLACES:
        for date in DATES:
            dawn, dusk = crossings(latitude, longitude, date, -6)
            rise, set_ = crossings(latitude, longitude, date, -0.833)
            lines.append("\t".join([str(latitude), str(longitude), date] +
                                   [shown(m) for m in (dawn, rise, set_, dusk)]))
    OUTPUT.write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
