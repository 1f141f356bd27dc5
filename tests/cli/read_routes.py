#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Routes typed as people type them, on the shipped data: icao dist reads each to the stops
meant, says in JSON how each stop was read and in text on standard error, answers the same
from standard input, and names a word it cannot read.
Usage: read_routes.py COMMAND... (icao, under its emulator if any)"""
import json
import subprocess
import sys

from report import reported

# The words given, the stops meant, and how the first stop is read.
ROUTES = [
    (["heathrow", "to", "paris"], ["EGLL", "LFPG"], "name"),
    (["EGLL,LFPG"], ["EGLL", "LFPG"], "icao_code"),
    (["EGLL-LFPG"], ["EGLL", "LFPG"], "icao_code"),
    (["EGLL", "→", "LFPG", "via", "EDDF"], ["EGLL", "LFPG", "EDDF"], "icao_code"),
    (["EGLL", "to", "LFPG", "via", "EDDF"], ["EGLL", "EDDF", "LFPG"], "icao_code"),
    (["san", "francisco", "los", "angeles"], ["KSFO", "KLAX"], "name"),
    (["new", "york", "london"], ["KJFK", "EGLL"], "name"),
    (["LHR", "CDG"], ["EGLL", "LFPG"], "iata_code"),
    (["lhr", "jfk", "lax"], ["EGLL", "KJFK", "KLAX"], "iata_code"),
    (["FVHA", "egll"], ["FVRG", "EGLL"], "former_code"),
    (["frankfurt", "munich", "berlin"], ["EDDF", "EDDM", "EDDB"], "name"),
    (["rio", "de", "janeiro", "sao", "paulo"], ["SBGL", "SBGR"], "name"),
    (["lyon", "saint-exupéry", "nice"], ["LFLL", "LFMN"], "name"),
    (["zürich", "münchen"], ["LSZH", "EDDM"], "name"),
    # DCT, "from" and slashes join stops; "via" is flown through where it stands.
    (["LFPG", "DCT", "EDDF"], ["LFPG", "EDDF"], "icao_code"),
    (["LFPG/EDDF"], ["LFPG", "EDDF"], "icao_code"),
    (["from", "heathrow", "to", "paris"], ["EGLL", "LFPG"], "name"),
    (["heathrow", "to", "new", "york", "via", "reykjavik"], ["EGLL", "BIKF", "KJFK"], "name"),
    (["frankfurt", "FRA", "to", "munich"], ["EDDF", "EDDM"], "iata_code"),
    # VIA is Videira's IATA code among codes; "via" joins two stops.
    (["VIA", "SBFL"], ["SSVI", "SBFL"], "iata_code"),
    (["SBFL", "VIA", "SBPA"], ["SBFL", "SSVI", "SBPA"], "icao_code"),
    (["london", "via", "paris"], ["EGLL", "LFPG"], "name"),
    # A byte-order mark, as UTF-8 writes it or UTF-16 read as bytes, is no letter.
    (["\ufeffEGLL", "KJFK"], ["EGLL", "KJFK"], "icao_code"),
    (["\u202eEGLL\u202c", "KJFK"], ["EGLL", "KJFK"], "icao_code"),
    # A word that could be a code or a name: the likelier reading, told.
    (["kona", "to", "honolulu"], ["PHKO", "PHNL"], "name"),
    (["kos", "to", "athens"], ["LGKO", "LGAV"], "name"),
    (["sion", "to", "geneva"], ["LSGS", "LSGG"], "name"),
    (["KONA", "to", "KMSP"], ["KONA", "KMSP"], "icao_code"),
    # A town of one name in several places: the one the other stops make plain, or the one a
    # state or country after a comma names; an apostrophe is not needed.
    (["valencia", "to", "madrid"], ["LEVC", "LEMD"], "name"),
    (["hamilton", "to", "auckland"], ["NZHN", "NZAA"], "name"),
    (["Columbus, GA to Atlanta"], ["KCSG", "KATL"], "name"),
    (["Columbus, OH to Atlanta"], ["KCMH", "KATL"], "name"),
    (["Paris, France to London"], ["LFPG", "EGLL"], "name"),
    (["st", "johns", "to", "halifax"], ["CYYT", "CYHZ"], "name"),
    # Big cities as speakers of other European languages write them.
    (["mailand", "to", "rom"], ["LIMC", "LIRF"], "name"),
    (["Wien", "Moskau", "Londres"], ["LOWW", "UUEE", "EGLL"], "name"),
    # The metropolitan codes, each the city's main airport.
    (["PAR", "ROM", "WAS", "STO"], ["LFPG", "LIRF", "KIAD", "ESSA"], "metropolitan_code"),
    (["SAO", "YTO", "SEL", "OSA", "MIL"], ["SBGR", "CYYZ", "RKSI", "RJBB", "LIMC"],
     "metropolitan_code"),
    # A flight plan's route: speed and level, procedures, airways and fixes passed over, the
    # navaids and coordinates points on the way.
    (["EGLL", "N0450F350", "DCT", "CPT", "L9", "EINN"], ["EGLL", "CPT", "EINN"], "icao_code"),
    (["EGLL BPK7F DCT 5030N00100W DCT 50N010W KJFK"], ["EGLL", "5030N00100W", "50N010W", "KJFK"],
     "icao_code"),
    (["SAM", "UN601", "ABCDE", "M082F390", "LFPG"], ["SAM", "LFPG"], "navaid"),
]


def run(icao, *words, stdin=None):
    return subprocess.run(icao + ["dist", *words], input=stdin, capture_output=True, text=True,
                          encoding="utf-8")


def stops_of(legs):
    return [legs[0]["from"]] + [leg["to"] for leg in legs]


def main():
    icao = sys.argv[1:]
    failures = []
    for words, meant, first_read in ROUTES:
        answer = run(icao, *words, "--format", "json")
        if answer.returncode != 0:
            failures.append(f"{' '.join(words)}: status {answer.returncode}, {answer.stderr}")
            continue
        legs = json.loads(answer.stdout)["legs"]
        if stops_of(legs) != meant:
            failures.append(f"{' '.join(words)}: {stops_of(legs)}, not {meant}")
        read = legs[0]["from_read"]
        if read["read_as"] != first_read:
            failures.append(f"{' '.join(words)}: first stop read as {read}, not {first_read}")
    # From standard input, one route a line, as given on the command line.
    lines = "".join(" ".join(words) + "\n" for words, _, _ in ROUTES)
    batch = run(icao, "-", "--format", "json", stdin=lines)
    found = [json.loads(line)["total_nm"] is not None for line in batch.stdout.splitlines()]
    if found != [True] * len(ROUTES):
        failures.append(f"dist -: found {found}, {batch.stderr}")
    # Text says on standard error how a name was read, and the rest it may mean.
    text = run(icao, "heathrow", "paris", "london")
    if "heathrow: read as EGLL London Heathrow Airport, by its name\n" not in text.stderr or \
            "london: read as EGLL London Heathrow Airport, by its name; also EGKK" not in text.stderr:
        failures.append(f"dist heathrow paris london: {text.stderr}")
    # A word nothing reads is named, with what it may be; no route is planned around it.
    typo = run(icao, "EGLL", "lfpgg", "KJFK")
    if typo.returncode != 1 or typo.stdout or \
            not typo.stderr.startswith('icao: no airfield found for "lfpgg"; did you mean LFPG'):
        failures.append(f"dist EGLL lfpgg KJFK: status {typo.returncode}, {typo.stderr}")
    # TSV: how each stop was read in columns of its own, every row as wide as the header.
    tsv = run(icao, "san", "francisco", "los", "angeles", "--format", "tsv").stdout.splitlines()
    rows = [line.split("\t") for line in tsv]
    named = dict(zip(rows[0], rows[1]))
    if [named.get("from_read"), named.get("to_read")] != ['name "san francisco"',
                                                          'name "los angeles"'] or \
            {len(row) for row in rows} != {len(rows[0])}:
        failures.append(f"dist san francisco los angeles --format tsv: {rows}")
    # An ident names the aid nearest the stop before it, or for the first stop the one after;
    # each leg says what its ends are and the words passed over on it.
    for words, first_leg_nm in [("EGHI DCT SAM DCT LGSM", 10), ("LGSM DCT SAM DCT EGHI", 10),
                                ("SAM DCT EGHI", 10), ("SAM DCT LGSM", 10)]:
        legs = json.loads(run(icao, words, "--format", "json").stdout)["legs"]
        shortest = min(legs[0]["distance_nm"], legs[-1]["distance_nm"])
        if shortest > first_leg_nm:
            failures.append(f"{words}: SAM {shortest} NM from its neighbour")
    # Two towns of one name alike are a doubtful reading, unless the other stops choose.
    for words, doubtful in [("birmingham to BGSF", True), ("birmingham to KATL", False),
                            ("birmingham to london", False), ("heathrow to paris", False)]:
        answer = run(icao, words, "--format", "json")
        first = json.loads(answer.stdout)["legs"][0]["from_read"]
        if answer.returncode != 0 or first["doubtful"] != doubtful:
            failures.append(f"{words}: {first}, status {answer.returncode}")
    plan = json.loads(run(icao, "EGLL N0450F350 DCT 50N010W UN601 CPT ABCDE EINN", "--format",
                          "json").stdout)["legs"]
    kinds = [(leg["from_kind"], leg["to_kind"]) for leg in plan]
    skipped = [[(word["word"], word["read_as"]) for word in leg["skipped"]] for leg in plan]
    if kinds != [("airfield", "point"), ("point", "navaid"), ("navaid", "airfield")] or \
            skipped != [[("N0450F350", "speed_and_level"), ("DCT", "direct")],
                        [("UN601", "airway_flown_direct")], [("ABCDE", "fix_not_in_data")]]:
        failures.append(f"flight plan: {kinds}, {skipped}")
    noted = run(icao, "EGLL N0450F350 DCT CPT UN601 EINN").stderr
    if "UN601: airway not in the data, flown direct" not in noted or \
            "CPT: read as the navaid CPT Compton VOR-DME" not in noted:
        failures.append(f"flight plan notes: {noted}")
    # At a ground speed, each leg's minutes and the total's, in JSON as in text.
    timed = json.loads(run(icao, "EGLL", "LFPG", "KJFK", "--speed", "800km/h", "--format",
                           "json").stdout)
    minutes = [leg["distance_km"] / 800 * 60 for leg in timed["legs"]]
    if [round(leg["time_min"], 6) for leg in timed["legs"]] != [round(m, 6) for m in minutes] \
            or round(timed["total_time_min"], 6) != round(sum(minutes), 6):
        failures.append(f"dist --speed 800km/h: {timed}")
    text = run(icao, "EGLL", "LFPG", "KJFK", "--speed", "450kt").stdout.splitlines()
    if [line.split()[-1] for line in text] != ["141°", "292°", "7:25"] or "0:25" not in text[0]:
        failures.append(f"dist --speed 450kt: {text}")
    # Each leg's initial course true and magnetic, apart by the variation where it begins.
    leg = json.loads(run(icao, "EGLL", "KJFK", "--format", "json").stdout)["legs"][0]
    info = subprocess.run(icao + ["info", "EGLL", "--format", "json"], capture_output=True,
                          text=True, encoding="utf-8")
    variation = json.loads(info.stdout)[0]["magnetic_variation"]
    apart = (leg["initial_true_course"] - leg["initial_magnetic_course"]) % 360
    if abs(apart - variation) > 0.01 or leg["initial_true_course"] != leg["course_deg"]:
        failures.append(f"dist EGLL KJFK: {leg}, variation {variation}")
    # With --raw a key is one code as it stands: a name is no stop.
    raw = run(icao, "--raw", "EGLL", "paris")
    if raw.returncode != 1 or 'no airfield found for "paris"' not in raw.stderr:
        failures.append(f"dist --raw EGLL paris: status {raw.returncode}, {raw.stderr}")
    return reported(failures)


if __name__ == "__main__":
    sys.exit(main())
