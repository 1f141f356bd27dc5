#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes tests/records/sun_reference.tsv: civil dawn, sunrise, sunset and civil dusk found by
bisection on the sun's altitude, minute by minute of the day, from the Astronomical Almanac's
low-precision solar coordinates (good to 0.01°): a reference apart from the NOAA equations
the program uses, for the same places and dates as the suncalc table.

And tests/records/sun_zone_reference.tsv: the same for airfields whose zone's date is not the
date their longitude gives (near the date line), on the day that is the date in the zone, and
for days at high latitude when the sun first dips below the horizon or last rises.

Usage: tools/sun_reference.py
"""

import datetime
import math
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "tests" / "records" / "sun_reference.tsv"
ZONE_OUTPUT = ROOT / "tests" / "records" / "sun_zone_reference.tsv"
PLACES = [(0, 0), (0, 100), (51.4706, -0.4619), (60, 10), (60, -150), (78.2461, 15.4656),
          (-33.9461, 151.1772), (64.13, -21.94), (-77.8463, 166.6681), (40.6398, -73.7789),
          (35.55, 139.78), (-54.8, -68.3)]
DATES = ["2026-06-21", "2026-12-21", "2026-03-20", "2027-09-23"]
# Latitude, longitude, the zone's offset from UTC in minutes and a date: Kiritimati (PLCH),
# Tonga (NFTF), Samoa (NSFA), Chatham (NZCI), Attu (PAAT), Provideniya (UHMD); Thule (BGTL),
# Longyearbyen (ENSB) and Utqiagvik (PABR) as the midnight sun comes and goes.
ZONE_DAYS = [(1.986, -157.35, 840, "2026-06-21"), (1.986, -157.35, 840, "2026-12-09"),
             (-21.24, -175.15, 780, "2026-06-21"), (-13.83, -171.99, 780, "2026-03-20"),
             (-43.81, -176.46, 765, "2026-12-21"), (52.83, 173.18, -600, "2026-06-21"),
             (64.38, -173.24, 720, "2026-09-23"), (76.53, -68.70, -180, "2026-04-23"),
             (76.53, -68.70, -180, "2026-04-27"), (76.53, -68.70, -180, "2026-08-20"),
             (78.2461, 15.4656, 120, "2026-04-19"), (78.2461, 15.4656, 120, "2026-08-23"),
             (71.29, -156.77, -480, "2026-05-10"), (71.29, -156.77, -540, "2026-11-18")]


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


def crossings(latitude, longitude, date, height, offset_minutes=0):
    """The first rising and the first setting past height in the solar day around local noon,
    the day whose noon falls on the date in the zone."""
    noon = datetime.datetime.fromisoformat(date + "T12:00:00+00:00") - \
        datetime.timedelta(hours=longitude / 15)
    local = (noon + datetime.timedelta(minutes=offset_minutes)).date()
    noon -= datetime.timedelta(days=(local - datetime.date.fromisoformat(date)).days)
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
    lines = ["# latitude\tlongitude\tutc_offset_min\tdate\tcivil_dawn\tsunrise\tsunset\tcivil_dusk "
             "(tools/sun_reference.py; - where none)"]
    for latitude, longitude, offset, date in ZONE_DAYS:
        dawn, dusk = crossings(latitude, longitude, date, -6, offset)
        rise, set_ = crossings(latitude, longitude, date, -0.833, offset)
        lines.append("\t".join([str(latitude), str(longitude), str(offset), date] +
                               [shown(m) for m in (dawn, rise, set_, dusk)]))
    ZONE_OUTPUT.write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
