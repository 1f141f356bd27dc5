# SPDX-License-Identifier: MIT
"""An airfield's runways as a record's RUNWAYS field holds them, checked against themselves:
every runway named (by its idents, else by its headings), its surface in plain words, a true
heading kept only where it agrees with the runway's thresholds, thresholds given in reverse
put the right way round, and a runway that stands twice kept once."""

import math
import re

import airport_rules
from runway_surfaces import surface_word

# How far a heading may stray from the bearing between its runway's thresholds: the two are
# measured apart, and a few tenths of a degree of rounding are usual.
HEADING_TOLERANCE = 5.0
# How far a runway's number may stray from its thresholds' bearing: the number is magnetic.
NUMBER_TOLERANCE = 40.0
# A runway of no name and no longer than this is a helipad.
PAD_FT = 300


def runway_part(text):
    """A runway's ident as a record holds it: letters and digits alone, so that no separator of
    the field or of the reader stands in it."""
    return re.sub(r"[^0-9A-Za-z]", "", text or "")


def bearing(start, end):
    north1, north2 = math.radians(start[0]), math.radians(end[0])
    east = math.radians(end[1] - start[1])
    return math.degrees(math.atan2(
        math.sin(east) * math.cos(north2),
        math.cos(north1) * math.sin(north2) - math.sin(north1) * math.cos(north2) *
        math.cos(east))) % 360


def apart(first, second):
    """The angle between two directions, 0 to 180 degrees."""
    return abs((first - second + 180) % 360 - 180)


def number_of(ident):
    """A runway end's number as a direction in degrees ("09L" 90), or None ("H1", "N")."""
    found = re.match(r"(\d{1,2})", ident)
    return int(found.group(1)) * 10 if found and 1 <= int(found.group(1)) <= 36 else None


def heading_name(heading):
    """The runway number a true heading gives, for a runway the source names by no ident."""
    number = round(heading / 10) % 36
    return f"{number or 36:02d}"


class Counts(dict):
    def add(self, what, amount=1):
        self[what] = self.get(what, 0) + amount


def checked_ends(runway, counts):
    """The runway's ends with a heading dropped where it disagrees with the thresholds, and
    thresholds in reverse swapped (or dropped where neither way agrees)."""
    ends = [dict({"heading": None, "latitude": None, "longitude": None}, **end)
            for end in runway["ends"]]
    for end in ends:
        if end["heading"] is not None and not 0 <= end["heading"] <= 360:
            end["heading"] = None
            counts.add("runway headings out of range")
    places = [(end["latitude"], end["longitude"]) for end in ends]
    if len(ends) != 2 or any(None in place for place in places) or places[0] == places[1]:
        return ends
    along = bearing(places[0], places[1])
    wanted = [(index, end["heading"], HEADING_TOLERANCE) if end["heading"] is not None
              else (index, number_of(end["ident"]), NUMBER_TOLERANCE)
              for index, end in enumerate(ends)]
    wanted = [claim for claim in wanted if claim[1] is not None]
    directions = [along, (along + 180) % 360]

    def agrees(flip):
        return all(apart(direction, directions[index ^ flip]) <= tolerance
                   for index, direction, tolerance in wanted)

    if wanted and not agrees(0) and agrees(1):
        ends[0]["latitude"], ends[1]["latitude"] = ends[1]["latitude"], ends[0]["latitude"]
        ends[0]["longitude"], ends[1]["longitude"] = ends[1]["longitude"], ends[0]["longitude"]
        counts.add("runway thresholds put the right way round")
        return ends
    for index, end in enumerate(ends):
        if end["heading"] is not None and apart(end["heading"],
                                                directions[index]) > HEADING_TOLERANCE:
            end["heading"] = None
            counts.add("runway headings dropped for their thresholds")
        number = number_of(end["ident"])
        if number is not None and apart(number, directions[index]) > 90 + NUMBER_TOLERANCE:
            for other in ends:
                other["latitude"] = other["longitude"] = None
            counts.add("runway thresholds dropped as reversed")
            break
    return ends


def runways_field(runways, latitude=None, longitude=None, counts=None):
    """The RUNWAYS field of an airfield's runways, each a dict of length_ft, width_ft, surface,
    lighted and ends (each end a dict of ident, heading, latitude and longitude), longest
    first. A runway of which nothing is known is left out, and so is one that stands twice;
    thresholds that do not lie at the airfield (at latitude, longitude) are left out of their
    runway."""
    counts = counts if counts is not None else Counts()

    def measure(value):
        return str(int(value)) if value else ""

    def heading(value):
        return f"{float(value):.1f}".removesuffix(".0") if value is not None else ""

    def degrees(value):
        # Five decimals place a threshold within about a metre.
        return f"{float(value):.5f}".rstrip("0").rstrip(".")

    def at_the_airfield(runway):
        """The runway with its thresholds left out where they do not lie at the airfield."""
        ends = runway["ends"]
        if (latitude is None or not ends or
                any(end.get("latitude") is None or end.get("longitude") is None for end in ends)
                or airport_rules.thresholds_plausible(ends, runway["length_ft"], latitude,
                                                      longitude)):
            return runway
        counts.add("thresholds left out")
        return dict(runway, ends=[dict(end, latitude=None, longitude=None) for end in ends])

    def positions(ends):
        # Every end's or none, so that each stands beside its ident.
        if not ends or any(end["latitude"] is None or end["longitude"] is None for end in ends):
            return ""
        return "/".join(f"{degrees(end['latitude'])};{degrees(end['longitude'])}" for end in ends)

    parts, named = [], set()
    for runway in sorted(runways, key=lambda runway: -(runway["length_ft"] or 0)):
        ends = checked_ends(at_the_airfield(runway), counts)
        surface = surface_word(runway["surface"])
        idents = [runway_part(end["ident"]) for end in ends]
        if not any(idents):
            idents = [heading_name(end["heading"]) for end in ends if end["heading"] is not None]
            counts.add("runways named by their headings", bool(idents))
        if not idents:
            # Named as the source names a helipad ("H1"), or as the airfield's runway N.
            pad = (runway["length_ft"] or 0) <= PAD_FT
            unnamed = sum(part.startswith("H" if pad else "RWY") for part in named) + 1
            idents = [f"H{unnamed}" if pad else f"RWY{unnamed}"]
            counts.add("runways named by their order")
        name = "/".join(idents)
        if name in named:
            counts.add("runways that stood twice")
            continue
        named.add(name)
        parts.append(":".join([
            name, measure(runway["length_ft"]), measure(runway["width_ft"]), surface,
            "" if runway["lighted"] is None else str(int(bool(runway["lighted"]))),
            "/".join(heading(end["heading"]) for end in ends),
            positions(ends)]))
    return " ".join(parts)
