#!/usr/bin/env python3
"""Draws the About window's pictures: the logo, the company-name strip and the
link cursor. Standard library only, so the pictures can be rebuilt anywhere.

    python3 make_about_assets.py        (writes the PNGs beside this script)
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from make_assets import FONT  # noqa: E402  the letters of the main window's pictures
NAVY = (24, 48, 112)
ORANGE = (232, 128, 24)
WHITE = (255, 255, 255)


def write_png(name, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)
    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 9))
           + chunk(b"IEND", b""))
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(png)


def render(width, height, colour_at, samples=4):
    """Anti-aliases a shape function: colour_at(x, y) gives an RGB or None."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            hits = [colour_at(x + (i + 0.5) / samples, y + (j + 0.5) / samples)
                    for i in range(samples) for j in range(samples)]
            hits = [h for h in hits if h is not None]
            if not hits:
                row.append((0, 0, 0, 0))
                continue
            rgb = tuple(round(sum(h[k] for h in hits) / len(hits)) for k in range(3))
            row.append(rgb + (round(255 * len(hits) / samples ** 2),))
        rows.append(row)
    return rows


def logo_colour(x, y):
    # A ring for the firm's initial holding three rising bars for its trade.
    d2 = (x - 70) ** 2 + (y - 50) ** 2
    if 40 ** 2 <= d2 <= 49 ** 2:
        shade = 1.0 - 0.35 * (y / 101)
        return tuple(round(c * shade + 40 * (1 - shade)) for c in NAVY)
    for left, top in ((47, 50), (63, 38), (79, 24)):
        if left <= x < left + 13 and top <= y < 74:
            return ORANGE
    if 42 <= x < 98 and 74 <= y < 77:
        return NAVY
    return None




def name_strip(text="OSKARTH LTD.", scale=3, left=8, top=5):
    width, height = 288, 33
    ink = set()
    for n, ch in enumerate(text):
        for gy, line in enumerate(FONT[ch]):
            for gx, bit in enumerate(line):
                if bit == "#":
                    ink.add((left + (n * 6 + gx) * scale, top + gy * scale))

    def colour_at(x, y):
        cell = (left + (int(x) - left) // scale * scale, top + (int(y) - top) // scale * scale)
        if cell in ink:
            return NAVY
        shadow = (left + (int(x) - 1 - left) // scale * scale, top + (int(y) - 1 - top) // scale * scale)
        return WHITE if shadow in ink else None

    return render(width, height, colour_at, samples=1)


# A pointing hand; its fingertip, the hot spot, is at (12, 1).
HAND = [
    "",
    "            ##",
    "           #..#",
    "           #..#",
    "           #..#",
    "           #..#",
    "           #..###",
    "           #..#..###",
    "           #..#..#..###",
    "           #..#..#..#..#",
    "       ##  #..#..#..#..#",
    "      #..# #...........#",
    "      #...##...........#",
    "       #...#...........#",
    "        #..............#",
    "        #..............#",
    "         #.............#",
    "         #............#",
    "          #...........#",
    "          #..........#",
    "           #.........#",
    "           #.........#",
    "           ###########",
]


def hand_cursor():
    ink = {"#": (0, 0, 0, 255), ".": (255, 255, 255, 255), " ": (0, 0, 0, 0)}
    rows = [line.ljust(32) for line in HAND] + [" " * 32] * (32 - len(HAND))
    assert all(len(r) == 32 for r in rows) and rows[1][12] == "#"
    return [[ink[c] for c in r] for r in rows]


if __name__ == "__main__":
    write_png("logo.png", 140, 101, render(140, 101, logo_colour))
    write_png("company_name.png", 288, 33, name_strip())
    write_png("hand_cursor.png", 32, 32, hand_cursor())
