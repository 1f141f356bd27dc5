#!/usr/bin/env python3
"""Draws the program's icon, a small flag, and writes it as PNG and ICO files.

Usage: tools/make_icon.py

The flag has three equal vertical bands, green (0, 128, 0), white and red (255, 0, 0), inside a
one-pixel black outline, vertically centred on a transparent ground: 32 x 20 pixels in the
32 x 32 image, 16 x 11 in the 16 x 16 one. Writes windows/icons/icaolookup-32.png and
icaolookup-16.png (the window icon) and app/icaolookup.ico (the Windows program icon, 16
colours with a transparency mask).
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


def flag(size, flag_height):
    """Rows of colour indexes, top row first."""
    top = (size - flag_height) // 2
    inner = size - 2
    # Bands as equal as whole pixels allow; a spare pixel goes to the outer bands.
    middle = inner // 3
    outer = (inner - middle) // 2
    edges = [1, 1 + outer, 1 + outer + middle, size - 1]
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if not top <= y < top + flag_height:
                row.append(TRANSPARENT)
            elif y in (top, top + flag_height - 1) or x in (0, size - 1):
                row.append(BLACK)
            else:
                band = next(i for i in range(3) if edges[i] <= x < edges[i + 1])
                row.append((GREEN, WHITE, RED)[band])
        rows.append(row)
    return rows


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
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
        data += image
    return directory + entries + data


def main():
    large = flag(32, 20)
    small = flag(16, 11)
    (ROOT / "windows" / "icons" / "icaolookup-32.png").write_bytes(png(large))
    (ROOT / "windows" / "icons" / "icaolookup-16.png").write_bytes(png(small))
    (ROOT / "app" / "icaolookup.ico").write_bytes(ico([large, small]))


if __name__ == "__main__":
    main()
