#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes records/zone_links.h from the links of the IANA time-zone database, as the npm
package tzdata 1.0.51 holds it (timezone-data.json, MIT; the database itself is in the public
domain): the other names of each time zone, so that a system that knows a zone only by an
older or a linked name (Asia/Calcutta for Asia/Kolkata, as Qt on Windows does) still finds it.

Usage: tools/make_zone_links.py [TZDATA.tgz]   (without it, fetched with `npm pack`)
"""

import json
import pathlib
import sys
import tarfile
import tempfile

from npm_packages import fetch

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "records" / "zone_links.h"
PACKAGE = "tzdata@1.0.51"


def read_links(tarball):
    """The version of the database and its links, (target, link) in order."""
    with tarfile.open(tarball) as archive:
        data = json.load(archive.extractfile("package/timezone-data.json"))
    links = sorted((target, link) for link, target in data["zones"].items()
                   if isinstance(target, str))
    return data["version"], links


def main():
    with tempfile.TemporaryDirectory() as folder:
        tarball = sys.argv[1] if len(sys.argv) > 1 else fetch(PACKAGE, folder)
        version, links = read_links(tarball)
    rows = "\n".join(f'    {{"{target}", "{link}"}},' for target, link in links)
    OUTPUT.write_text(f"""// SPDX-License-Identifier: MIT
// Written by tools/make_zone_links.py from the time-zone database {version} (public domain).
#pragma once

#include <array>
#include <string_view>

namespace icao {{

// A time zone's name and another name of the same zone: each link of the time-zone database,
// by its target.
struct ZoneLink {{
    std::string_view target;
    std::string_view link;
}};

inline constexpr std::array<ZoneLink, {len(links)}> kZoneLinks = {{{{
{rows}
}}}};

}} // namespace icao
""", encoding="utf-8")
    print(f"{OUTPUT.relative_to(ROOT)}: {len(links)} links of the time-zone database {version}")


if __name__ == "__main__":
    main()
