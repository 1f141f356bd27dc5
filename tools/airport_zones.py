# SPDX-License-Identifier: MIT
"""The time zone each airfield keeps, from the zones that timezone-boundary-builder's boundaries
(in the npm package geo-tz) give at its point and at points around it, by rules stated here
rather than by the order in which the boundaries list overlapping zones:

1. An exception of EXCEPTIONS (by code, region or country) decides where civil practice differs from the boundaries.
2. Of several zones that claim the point, the one most airfields of its region keep where one
   zone alone claims them, else of its country, else the first by name.
3. An ocean zone (Etc/GMT+N) gives way to the zone most airfields of the region keep, else of
   the country: an offshore platform keeps its country's time, summer time included.
4. A zone few airfields of the region keep (at most MINORITY of them) gives way to the zone most
   of them keep where that zone lies within BORDER_KM: an airport whose point lies just over a
   border keeps the time of its own region (Gold Coast, YBCG, keeps Queensland's).
"""

import collections
import json
import math
import os
import pathlib
import subprocess

# An airfield's code, its region or its country (ISO 3166) to the zone it keeps where civil
# practice differs from the boundaries, and why.
EXCEPTIONS = {
    # The boundaries give Xinjiang both Asia/Urumqi (UTC+6, the local time some of its people
    # keep) and Asia/Shanghai; China's airports and its civil aviation keep Beijing time.
    "CN": "Asia/Shanghai",
    # Eureka's station keeps Central time, as Resolute does; the boundaries put the High Arctic
    # on Atikokan's year-round Eastern Standard time.
    "CYEU": "America/Resolute",
    # Natashquan keeps Eastern time: the Lower North Shore's Atlantic time begins east of the
    # Natashquan River, beyond the airport.
    "CYNA": "America/Toronto",
}
MINORITY = 0.05
BORDER_KM = 3.0
# The bearings at which the points around an airfield are asked.
AROUND_BEARINGS = range(0, 360, 45)


def is_ocean_zone(zone):
    return zone.startswith("Etc/")


def point_at(latitude, longitude, kilometres, bearing_degrees):
    """The point a distance away on a bearing, on a sphere."""
    angle = kilometres / 6371.0088
    north, east, bearing = map(math.radians, (latitude, longitude, bearing_degrees))
    to_north = math.asin(math.sin(north) * math.cos(angle) +
                         math.cos(north) * math.sin(angle) * math.cos(bearing))
    to_east = east + math.atan2(math.sin(bearing) * math.sin(angle) * math.cos(north),
                                math.cos(angle) - math.sin(north) * math.sin(to_north))
    return (math.degrees(to_north), (math.degrees(to_east) + 540) % 360 - 180)


def most_kept(airfields, claims, key):
    """For each value of key (region or country), the zone most of its airfields keep where one
    land zone alone claims them."""
    counts = collections.defaultdict(collections.Counter)
    for airfield, zones in zip(airfields, claims):
        if len(zones) == 1 and not is_ocean_zone(zones[0]) and airfield.get(key):
            counts[airfield[key]][zones[0]] += 1
    return counts


def choose_zones(airfields, claims, around):
    """The zone of each airfield (dicts with "code", "country" and "region"), from the zones that claim
    its point (claims, a list each) and those that claim the points BORDER_KM around it
    (around, a set each)."""
    by_region = most_kept(airfields, claims, "region")
    by_country = most_kept(airfields, claims, "country")

    def favourite(airfield, among=None):
        for counts in (by_region.get(airfield.get("region")),
                       by_country.get(airfield.get("country"))):
            for zone, _ in (counts or collections.Counter()).most_common():
                if among is None or zone in among:
                    return zone
        return None

    zones = []
    for airfield, claimed, nearby in zip(airfields, claims, around):
        exception = next((EXCEPTIONS[key] for key in (airfield.get("code"), airfield.get("region"),
                                                      airfield.get("country")) if key in EXCEPTIONS), None)
        if exception:
            zones.append(exception)
            continue
        zone = (claimed[0] if len(claimed) == 1 else
                favourite(airfield, set(claimed)) or min(claimed, default=""))
        if is_ocean_zone(zone):
            zone = favourite(airfield) or zone
        region_counts = by_region.get(airfield.get("region"), collections.Counter())
        if zone and region_counts:
            kept, most = region_counts.most_common(1)[0]
            if (zone != kept and region_counts[zone] <= MINORITY * sum(region_counts.values())
                    and most > 1 and kept in nearby):
                zone = kept
        zones.append(zone)
    return zones


# Reads a JSON list of [latitude, longitude] on standard input and writes, for each, the list of
# every zone whose boundary holds it.
ZONE_SCRIPT = """
const { find } = require("geo-tz/all");
const points = JSON.parse(require("fs").readFileSync(0, "utf8"));
process.stdout.write(JSON.stringify(points.map(([lat, lon]) => find(lat, lon))));
"""


def geo_tz_finder(package, folder):
    """A function from a list of (latitude, longitude) to the zones that claim each, running
    geo-tz installed into folder from package (a tarball or a name@version)."""
    subprocess.run(["npm", "install", "--silent", "--no-save", "--prefix", str(folder), package],
                   check=True, stdout=subprocess.DEVNULL)

    def claims_of(points):
        environment = dict(os.environ, NODE_PATH=str(pathlib.Path(folder) / "node_modules"))
        result = subprocess.run(["node", "-e", ZONE_SCRIPT], input=json.dumps(points),
                                capture_output=True, text=True, check=True, env=environment)
        return json.loads(result.stdout)

    return claims_of


def zone_finder(claims_of):
    """A zones_of for build_records: the zones of airfields (dicts with latitude, longitude,
    country and region), by the rules above, from claims_of (see geo_tz_finder)."""
    def zones_of(airfields):
        points = [(airfield["latitude"], airfield["longitude"]) for airfield in airfields]
        claims = claims_of(points)
        rings = claims_of([point_at(*point, BORDER_KM, bearing) for point in points
                           for bearing in AROUND_BEARINGS])
        step = len(AROUND_BEARINGS)
        around = [{zone for ring in rings[i * step:(i + 1) * step] for zone in ring}
                  for i in range(len(points))]
        return choose_zones(airfields, claims, around)

    return zones_of
