#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes records/magnetic_coefficients.h: the World Magnetic Model 2025's Gauss coefficients
and their yearly change, degree and order 1 to 12, as the npm package magvar 2.2.0 (MIT)
holds them (src/WMMCOF2025.js). The model itself is NOAA's and the British Geological
Survey's, in the public domain.

Usage: tools/make_magnetic_model.py [MAGVAR.tgz]   (without it, fetched with `npm pack`)
"""

import pathlib
import re
import sys
import tarfile
import tempfile

from npm_packages import fetch

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "records" / "magnetic_coefficients.h"
PACKAGE = "magvar@2.2.0"
DEGREE = 12


def read_tables(source):
    """The four tables (g, h, their yearly change) by name, each rows of numbers, and the
    model's epoch."""
    tables = {}
    for name in ("gnmWmm", "hnmWmm", "gtnmWmm", "htnmWmm"):
        body = re.search(name + r"\s*=\s*\[(.*?)\];", source, re.S).group(1)
        rows = [[float(number) for number in row.split(",")]
                for row in re.findall(r"\[([^\[\]]*)\]", body)]
        if len(rows) != DEGREE + 1 or any(len(row) != DEGREE + 1 for row in rows):
            sys.exit(f"{name}: not {DEGREE + 1} rows of {DEGREE + 1}")
        tables[name] = rows
    epoch = float(re.search(r"MODEL_EPOCH:\s*([0-9.]+)", source).group(1))
    return tables, epoch


def main():
    with tempfile.TemporaryDirectory() as folder:
        tarball = sys.argv[1] if len(sys.argv) > 1 else fetch(PACKAGE, folder)
        with tarfile.open(tarball) as archive:
            source = archive.extractfile("package/src/WMMCOF2025.js").read().decode()
    tables, epoch = read_tables(source)
    rows = []
    for n in range(1, DEGREE + 1):
        for m in range(n + 1):
            g, h, gt, ht = (tables[name][n][m] for name in ("gnmWmm", "hnmWmm", "gtnmWmm",
                                                              "htnmWmm"))
            rows.append(f"    {{{n}, {m}, {g!r}, {h!r}, {gt!r}, {ht!r}}},")
    OUTPUT.write_text(f"""// SPDX-License-Identifier: MIT
// Written by tools/make_magnetic_model.py from the npm package {PACKAGE} (MIT): the World
// Magnetic Model 2025 (NOAA NCEI and the British Geological Survey, public domain).
#pragma once

#include <array>

namespace icao {{

// One Gauss coefficient pair of the model, in nanotesla, and its change a year.
struct MagneticCoefficient {{
    int n;
    int m;
    double g;
    double h;
    double gPerYear;
    double hPerYear;
}};

inline constexpr double kMagneticModelEpoch = {epoch!r};
inline constexpr int kMagneticModelDegree = {DEGREE};

inline constexpr std::array<MagneticCoefficient, {len(rows)}> kMagneticCoefficients = {{{{
{chr(10).join(rows)}
}}}};

}} // namespace icao
""", encoding="utf-8")


if __name__ == "__main__":
    main()
