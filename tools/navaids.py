# SPDX-License-Identifier: MIT
"""navaids.txt, the radio navigation aids of OurAirports' navaids.csv, one a line, every field
closed by "|":

    IDENT|NAME|TYPE|FREQUENCY|LATITUDE|LONGITUDE|ELEVATION|MAGNETIC VARIATION|AIRFIELD|COUNTRY|
    DME CHANNEL|

TYPE is VOR, VOR-DME, VORTAC, DME, NDB, NDB-DME or TACAN; FREQUENCY is in kHz for an NDB
("365") and in MHz for the others ("113.60"), empty where the source's lies outside the
aid's band; ELEVATION in whole feet and MAGNETIC VARIATION in degrees east as the source gives
them, empty where it does not; AIRFIELD the ICAO code of the airfield the aid serves. One ident
names aids in many countries: each is a line of its own. The lines are in ident order, then
country and name."""

import airport_rules
from airport_rules import clean

TYPES = ("VOR", "VOR-DME", "VORTAC", "DME", "NDB", "NDB-DME", "TACAN")
# The bands the aids transmit in, in kHz: NDBs on low and medium frequencies; VORs, and the VHF
# channel a DME or TACAN is paired with, between 108 and 118 MHz (TACANs up to 136).
NDB_BAND_KHZ = (190, 1750)
VHF_BAND_KHZ = (108_000, 136_000)


def frequency_text(kind, kilohertz):
    if kind.startswith("NDB"):
        low, high = NDB_BAND_KHZ
        return f"{kilohertz:g}" if low <= kilohertz <= high else ""
    low, high = VHF_BAND_KHZ
    if not low <= kilohertz <= high:
        return ""
    text = f"{kilohertz / 1000:.3f}"
    return text[:-1] if text.endswith("0") else text


def navaid_lines(navaids, counts):
    """The lines of navaids.txt for navaids.csv's rows (as ourairports_csv reads them); counts
    gets how many were left out and why."""
    lines = []
    for row in navaids:
        ident = clean(row["ident"]).upper()
        kind = row["type"].strip().upper()
        if kind not in TYPES or not ident or " " in ident:
            counts["navaids left out for their type or ident"] = counts.get(
                "navaids left out for their type or ident", 0) + 1
            continue
        frequency = frequency_text(kind, row["frequency_khz"])
        if not frequency:
            counts["navaid frequencies out of band"] = counts.get(
                "navaid frequencies out of band", 0) + 1
        variation = row["magnetic_variation_deg"]
        airfield = clean(row["associated_airport"]).upper()
        fields = [ident, clean(row["name"]), kind, frequency,
                  airport_rules.coordinate(row["latitude_deg"]),
                  airport_rules.coordinate(row["longitude_deg"]),
                  airport_rules.elevation_text(row["elevation_ft"]),
                  "" if variation is None else f"{variation:g}",
                  airfield if airport_rules.is_icao_code(airfield) else "",
                  clean(row["iso_country"]).upper(), clean(row["dme_channel"]).upper()]
        lines.append((ident, fields[9], fields[1], "|".join(fields) + "|"))
    return [line for *_, line in sorted(lines)]
