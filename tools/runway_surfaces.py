#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The surface of a runway in plain words, from the hundreds of ways OurAirports' runways.csv
spells one (ASP, ASPH-G, CONC, GRS, TURF-F, GRVL, WATER, "Grassed brown clay", Australia's
one-letter codes ...): the first word of the spelling that names a surface decides, so that
"ASPH-TURF" is asphalt and "Turf/Dirt" grass; a condition (-G good, -F fair, -P poor, -E
excellent) is not a surface. Each plain word has its class, which the programs' --surface
filter reads: paved, unpaved or water. A spelling no word matches is unknown.

Run alone, it prints the table as the README shows it."""

import re

# Each plain word: its class and the spellings (upper-cased words of the source) that name it.
SURFACES = {
    "asphalt": ("paved", "ASP ASPH ASPHALT ASPHAULT ASHP ASHPHALT ASHPALT APSH ASFALT ASFALTO "
                         "TAR TARMAC TARRED BLACKTOP CHIPSEAL"),
    "bitumen": ("paved", "BIT BITUM BITUMEN BITUMINOUS SEALED B"),
    "concrete": ("paved", "CON CONC CONCRETE COCRETE CEMENT CEM C FORMIG"),
    "macadam": ("paved", "PEM MAC MACADAM"),
    "paved": ("paved", "PAVED PAVEMENT PAVING"),
    "metal": ("paved", "MET METAL MTAL STEEL ALUM ALUMINUM ALUMINIUM PSP PIERCED MATS MAT"),
    "brick": ("paved", "BRICK BRI"),
    "wood": ("paved", "WOOD"),
    "deck": ("paved", "DECK"),
    "rooftop": ("paved", "ROOF ROOFTOP"),
    "grass": ("unpaved", "GRS GRASS GRASSED GRASSY GRASSS GRAS GRAAS GR GRE TURF TUEF TORF SOD "
                         "ERBA HERBA HERBE"),
    "gravel": ("unpaved", "GVL GRVL GRV GRAV GRAVEL CRUSHED ROCK ROCKY STONE CINDERS PI PIC "
                          "PIÇ PIÇARRA PIÇAARA SAIBRO OILGRAVEL OLIGRAVEL MAICILLO ZAHORRA "
                          "CALICHE CALCRETE LIMESTONE SHALE MURRAM HARDCORE"),
    "dirt": ("unpaved", "DIRT EARTH EARTTH EERTH SOIL GROUND TER TERRA TIERRA N NATURAL LOAM "
                        "MUD SILT LAKEBED ASH"),
    "clay": ("unpaved", "CLA CLAY X"),
    "sand": ("unpaved", "SAN SAND S"),
    "coral": ("unpaved", "COR CORAL"),
    "laterite": ("unpaved", "LAT LATERITE"),
    "treated": ("unpaved", "TRTD TREATED OILED"),
    "snow": ("unpaved", "SNOW SNO"),
    "ice": ("unpaved", "ICE"),
    "unpaved": ("unpaved", "UNPAVED UNSEALED G"),
    "water": ("water", "WAT WATER"),
}
# Words that say the surface is not known: a spelling that begins with one names none.
UNKNOWN = {"UNK", "UNKNOWN", "U", "NONE", "CLOSED", "DELETE", "NSTD"}
# Beginnings of longer words, for spellings the table has not seen ("Asphalted", "Gravelled").
STEMS = (("ASPH", "asphalt"), ("CONC", "concrete"), ("GRAS", "grass"), ("GRAV", "gravel"),
         ("GRVL", "gravel"), ("TURF", "grass"), ("DIRT", "dirt"), ("SAND", "sand"),
         ("CLAY", "clay"), ("WATER", "water"), ("BITUM", "bitumen"), ("ALUM", "metal"))
# Said alone, "hard" is a paved surface; before another word ("hard clay") it describes it.
ALONE = {"HARD": "paved", "SURFACED": "paved"}

_BY_SPELLING = {spelling: word for word, (_, spellings) in SURFACES.items()
                for spelling in spellings.split()}


def surface_word(text):
    """The plain word of a runway's surface as the source spells it; "" where unknown."""
    words = re.findall(r"[^\W\d_]+", (text or "").upper())
    for word in words:
        if word in UNKNOWN:
            return ""
        if word in _BY_SPELLING:
            return _BY_SPELLING[word]
        for stem, plain in STEMS:
            if word.startswith(stem):
                return plain
    return ALONE.get(words[0], "") if len(words) == 1 else ""


def surface_class(word):
    """paved, unpaved or water for a plain word; "" for an unknown surface."""
    return SURFACES[word][0] if word in SURFACES else ""


def markdown_table():
    lines = ["| surface | class | spellings of the source |", "| --- | --- | --- |"]
    for word, (kind, spellings) in SURFACES.items():
        lines.append(f"| {word} | {kind} | {', '.join(spellings.split())} |")
    lines.append(f"| unknown | unknown | {', '.join(sorted(UNKNOWN))}, blank, and any other |")
    return "\n".join(lines)


if __name__ == "__main__":
    print(markdown_table())
