#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the programs' icons, a small flag and for the finder the flag under a magnifying glass,
and writes them as PNG, SVG and ICO files.

Usage: tools/make_icon.py

The flag has three equal vertical bands, green (0, 128, 0), white and red (255, 0, 0), inside a
black outline, vertically centred on a transparent ground: 32 x 20 pixels in the 32 x 32
image, 16 x 11 in the 16 x 16 one, and five eighths of the width high in the larger ones,
whose outline is a thirty-second of the width. Writes windows/icons/icaolookup-16.png and
-32.png (the window icon), app/icons/ID-N.png for the launcher sizes and ID.svg, and
app/icaolookup.ico (the Windows program icon: 16, 32, 48 and 256 pixels, 16 colours with a
transparency mask). The finder's, the flag with a black ring and handle over its lower
right, go to finder/icons/icaofinder-16.png and -32.png, app/icons/FINDER_ID-N.png, FINDER_ID.svg
and app/icaofinder.ico.
"""

import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent

TRANSPARENT, BLACK, GREEN, WHITE, RED = range(5)
RGB = {BLACK: (0, 0, 0), GREEN: (0, 128, 0), WHITE: (255, 255, 255), RED: (255, 0, 0)}
# The 16-colour palette of classic Windows icons; it holds each colour of the flag.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


APP_ID = "io.github.icaolookup.IcaoLookup"
FINDER_ID = "io.github.icaolookup.IcaoFinder"
LAUNCHER_SIZES = (16, 32, 48, 64, 128, 256)


def flag(size, flag_height=None, outline=None):
    """Rows of colour indexes, top row first."""
    flag_height = flag_height or size * 5 // 8
    outline = outline or max(1, size // 32)
    top = (size - flag_height) // 2
    inner = size - 2 * outline
    # Bands as equal as whole pixels allow; a spare pixel goes to the outer bands.
    middle = inner // 3
    outer = (inner - middle) // 2
    edges = [outline, outline + outer, outline + outer + middle, size - outline]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if not top <= y < top + flag_height:
                row.append(TRANSPARENT)
            elif (y < top + outline or y >= top + flag_height - outline or x < outline
                  or x >= size - outline):
                row.append(BLACK)
            else:
                band = next(i for i in range(3) if edges[i] <= x < edges[i + 1])
                row.append((GREEN, WHITE, RED)[band])
        rows.append(row)
    return rows


def magnified(rows):
    """The flag under a magnifying glass: a black ring whose lens shows the flag, and a handle
    from the ring to the lower right corner."""
    size = len(rows)
    centre = 0.42 * size
    outer = 0.30 * size
    ring = max(1.0, size / 12)
    handle = max(1.0, size / 9)
    out = [row[:] for row in rows]
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            distance = ((px - centre) ** 2 + (py - centre) ** 2) ** 0.5
            # How far along the diagonal from the ring to the corner, and how far off it.
            along = (px + py) / 2 - centre
            off = abs(px - py) / 2 ** 0.5
            on_handle = outer / 2 ** 0.5 <= along and off <= handle / 2 and px < size - 0.5
            if outer - ring <= distance <= outer or on_handle:
                out[y][x] = BLACK
    return out


def png(rows):
    size = len(rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    palette = b"".join(bytes(RGB.get(i, (0, 0, 0))) for i in range(5))
    alpha = bytes([0, 255, 255, 255, 255])
    raw = b""
    for row in rows:
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2))
        raw += b"\0" + packed
    header = struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", palette) +
            chunk(b"tRNS", alpha) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_image(rows):
    """A 4-bit DIB with its AND mask, bottom row first, as icons store it."""
    size = len(rows)
    vga_index = {index: VGA.index(rgb) for index, rgb in RGB.items()}
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA)
    pixels = b""
    mask = b""
    mask_row_bytes = ((size + 31) // 32) * 4
    for row in reversed(rows):
        colours = [vga_index.get(i, 0) for i in row]
        pixels += bytes((colours[x] << 4) | colours[x + 1] for x in range(0, size, 2))
        bits = 0
        for x, index in enumerate(row):
            if index == TRANSPARENT:
                bits |= 1 << (size - 1 - x)
        mask += bits.to_bytes(size // 8, "big").ljust(mask_row_bytes, b"\0")
    return header + palette + pixels + mask


def ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for rows in images:
        image = ico_image(rows)
        size = len(rows)
        # A size of 256 is written as 0, as the format asks.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(image),
                               offset)
        offset += len(image)
        data += image
    return directory + entries + data


def svg():
    """The flag of the 32-pixel image, drawn to scale."""
    bands = "".join(
        f'<rect x="{x}" y="7" width="{w}" height="18" fill="{colour}"/>'
        for x, w, colour in ((1, 10, "#008000"), (11, 10, "#ffffff"), (21, 10, "#ff0000")))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
            f'<rect x="0" y="6" width="32" height="20" fill="#000000"/>{bands}</svg>\n')


def finder_svg():
    """The finder's 32-pixel image, drawn to scale."""
    return svg().replace(
        "</svg>", '<circle cx="13.4" cy="13.4" r="8.3" fill="none" stroke="#000000" '
        'stroke-width="2.7"/><line x1="19.5" y1="19.5" x2="31" y2="31" stroke="#000000" '
        'stroke-width="3.6" stroke-linecap="square"/></svg>')


def main():
    images = {size: flag(size) for size in LAUNCHER_SIZES}
    # The two window icon sizes keep their designed flag heights.
    images[32] = flag(32, 20)
    images[16] = flag(16, 11)
    (ROOT / "windows" / "icons" / "icaolookup-32.png").write_bytes(png(images[32]))
    (ROOT / "windows" / "icons" / "icaolookup-16.png").write_bytes(png(images[16]))
    icons = ROOT / "app" / "icons"
    icons.mkdir(exist_ok=True)
    for size, rows in images.items():
        (icons / f"{APP_ID}-{size}.png").write_bytes(png(rows))
    (icons / f"{APP_ID}.svg").write_text(svg())
    (ROOT / "app" / "icaolookup.ico").write_bytes(ico([images[size] for size in (16, 32, 48, 256)]))
    finder = {size: magnified(rows) for size, rows in images.items()}
    window_icons = ROOT / "finder" / "icons"
    window_icons.mkdir(exist_ok=True)
    for size in (16, 32):
        (window_icons / f"icaofinder-{size}.png").write_bytes(png(finder[size]))
    for size, rows in finder.items():
        (icons / f"{FINDER_ID}-{size}.png").write_bytes(png(rows))
    (icons / f"{FINDER_ID}.svg").write_text(finder_svg())
    (ROOT / "app" / "icaofinder.ico").write_bytes(ico([finder[size] for size in (16, 32, 48, 256)]))


if __name__ == "__main__":
    main()
