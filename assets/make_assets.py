#!/usr/bin/env python3
"""Draws the main window's pictures: the 13 symbols, the banner and the
About button. Standard library only; run it from anywhere, it writes beside
itself. The pictures are committed, so the build never needs this script."""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SUPER = 4  # drawn at four times the size, then averaged down: smooth edges

# 5 x 7 capital letters and digits, one string of five '#'/'.' per row.
FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "J": ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
}


class Canvas:
    """An RGB picture drawn at SUPER times its final size."""

    def __init__(self, width, height, colour):
        self.w, self.h = width * SUPER, height * SUPER
        self.px = [list(colour) for _ in range(self.w * self.h)]

    def _set(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = list(colour)

    def gradient(self, top, bottom):
        for y in range(self.h):
            t = y / (self.h - 1)
            c = [round(a + (b - a) * t) for a, b in zip(top, bottom)]
            for x in range(self.w):
                self.px[y * self.w + x] = list(c)

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(round(y0 * SUPER), round(y1 * SUPER)):
            for x in range(round(x0 * SUPER), round(x1 * SUPER)):
                self._set(x, y, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        cx, cy, rx, ry = cx * SUPER, cy * SUPER, rx * SUPER, ry * SUPER
        for y in range(int(cy - ry), int(cy + ry) + 1):
            for x in range(int(cx - rx), int(cx + rx) + 1):
                if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1:
                    self._set(x, y, colour)

    def polygon(self, points, colour):
        pts = [(x * SUPER, y * SUPER) for x, y in points]
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for xa, xb in zip(xs[::2], xs[1::2]):
                for x in range(int(round(xa)), int(round(xb))):
                    self._set(x, y, colour)

    def text(self, s, cx, cy, height, colour, outline=None):
        """Centred block letters `height` pixels high; an outline makes them read on any ground."""
        cell = height / 7
        width = (len(s) * 6 - 1) * cell
        left, top = cx - width / 2, cy - height / 2
        passes = []
        if outline:
            d = max(1.0, cell * 0.45)
            passes = [((dx, dy), outline) for dx in (-d, 0, d) for dy in (-d, 0, d) if dx or dy]
        passes.append(((0, 0), colour))
        for (dx, dy), c in passes:
            for i, ch in enumerate(s):
                for row, bits in enumerate(FONT[ch]):
                    for col, bit in enumerate(bits):
                        if bit == "#":
                            x = left + (i * 6 + col) * cell + dx
                            y = top + row * cell + dy
                            self.rect(x, y, x + cell, y + cell, c)

    def frame(self, thickness, colour):
        w, h = self.w / SUPER, self.h / SUPER
        self.rect(0, 0, w, thickness, colour)
        self.rect(0, h - thickness, w, h, colour)
        self.rect(0, 0, thickness, h, colour)
        self.rect(w - thickness, 0, w, h, colour)

    def save_png(self, name):
        w, h = self.w // SUPER, self.h // SUPER
        rows = bytearray()
        n = SUPER * SUPER
        for y in range(h):
            rows.append(0)
            for x in range(w):
                acc = [0, 0, 0]
                for sy in range(SUPER):
                    base = (y * SUPER + sy) * self.w + x * SUPER
                    for sx in range(SUPER):
                        p = self.px[base + sx]
                        acc[0] += p[0]
                        acc[1] += p[1]
                        acc[2] += p[2]
                rows.extend((a + n // 2) // n for a in acc)

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

        png = (b"\x89PNG\r\n\x1a\n"
               + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
               + chunk(b"IEND", b""))
        path = os.path.join(HERE, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(png)


def star(cx, cy, outer, inner, points=5):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / points
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def stroke(c, x0, y0, x1, y1, width, colour):
    """A straight stroke `width` pixels wide, as a quadrilateral."""
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    c.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)


def arc_band(cx, cy, outer, inner, start, stop, steps=48):
    """A thick arc from angle `start` to `stop` (degrees, clockwise on screen)."""
    angles = [math.radians(start + (stop - start) * i / steps) for i in range(steps + 1)]
    out = [(cx + outer * math.cos(a), cy + outer * math.sin(a)) for a in angles]
    inn = [(cx + inner * math.cos(a), cy + inner * math.sin(a)) for a in reversed(angles)]
    return out + inn


def shaded(c, kind, colour):
    """A shape with a dark rim, so it stands out on its ground."""
    dark = tuple(v // 3 for v in colour)
    for fill, grow in ((dark, 5), (colour, 0)):
        if kind == "card":
            c.rect(28 - grow, 14 - grow, 102 + grow, 110 + grow, fill)
        elif kind == "diamond":
            c.polygon([(65, 14 - grow), (108 + grow, 62), (65, 110 + grow), (22 - grow, 62)], fill)
        elif kind == "star":
            c.polygon(star(65, 60, 54 + grow, 23 + grow / 2), fill)
        elif kind == "burst":
            c.polygon(star(65, 60, 58 + grow, 32 + grow / 2, 10), fill)


def cherry(c):
    stroke(c, 45, 80, 70, 22, 5, (40, 110, 30))
    stroke(c, 87, 86, 70, 22, 5, (40, 110, 30))
    c.polygon([(70, 22), (96, 14), (104, 28), (80, 32)], (60, 160, 50))
    for x, y in ((42, 84), (88, 90)):
        c.ellipse(x, y, 22, 22, (90, 0, 10))
        c.ellipse(x, y, 18, 18, (220, 20, 40))
        c.ellipse(x - 7, y - 7, 5, 5, (255, 170, 170))


def lemon(c):
    c.ellipse(65, 60, 47, 34, (130, 110, 0))
    c.polygon([(12, 60), (24, 50), (24, 70)], (130, 110, 0))
    c.polygon([(118, 60), (106, 50), (106, 70)], (130, 110, 0))
    c.ellipse(65, 60, 42, 29, (255, 225, 30))
    c.polygon([(17, 60), (28, 53), (28, 67)], (255, 225, 30))
    c.polygon([(113, 60), (102, 53), (102, 67)], (255, 225, 30))
    c.ellipse(52, 48, 12, 6, (255, 250, 170))


def plum(c):
    c.polygon([(66, 22), (98, 8), (104, 20), (76, 30)], (60, 150, 50))
    c.ellipse(65, 66, 43, 43, (50, 0, 60))
    c.ellipse(65, 66, 38, 38, (130, 40, 160))
    c.ellipse(52, 52, 10, 7, (200, 150, 220))


def bell(c):
    gold, dark = (240, 180, 20), (110, 70, 0)
    c.polygon([(65, 14), (94, 30), (102, 84), (116, 98), (14, 98), (28, 84), (36, 30)], dark)
    c.polygon([(65, 20), (89, 34), (96, 86), (106, 93), (24, 93), (34, 86), (41, 34)], gold)
    c.ellipse(65, 106, 10, 10, dark)
    c.ellipse(65, 14, 7, 7, dark)
    c.polygon([(50, 38), (56, 36), (52, 84), (45, 84)], (255, 235, 150))


def horseshoe(c):
    iron, dark = (150, 160, 175), (40, 45, 60)
    c.polygon(arc_band(65, 58, 50, 24, -210, 30), dark)
    c.polygon(arc_band(65, 58, 45, 29, -205, 25), iron)
    for a in range(-190, 30, 40):
        x, y = 65 + 37 * math.cos(math.radians(a)), 58 + 37 * math.sin(math.radians(a))
        c.ellipse(x, y, 3.5, 3.5, dark)


def seven(c):
    red, dark = (225, 20, 30), (80, 0, 0)
    for fill, d in ((dark, 6), (red, 0)):
        c.polygon([(26 - d / 2, 16 - d / 2), (106 + d / 2, 16 - d / 2), (106 + d / 2, 32),
                   (62 + d / 2, 110 + d / 2), (38 - d, 110 + d / 2), (80, 34 + d / 2),
                   (26 - d / 2, 34 + d / 2)], fill)


def card(c, letters, colour):
    shaded(c, "card", (255, 255, 255))
    c.text(letters, 65, 62, 56, colour)


LABEL = (255, 255, 255)
OUTLINE = (0, 0, 0)


# One row per figure in paytable order: a drawing and its ground from top to
# bottom. The wild is gold on black and the scatter magenta on deep purple,
# both framed, so they stand out among the rest.
SYMBOLS = [
    ("Ten", ((190, 215, 255), (70, 110, 200)), lambda c: card(c, "10", (30, 60, 170))),
    ("Jack", ((190, 240, 200), (40, 140, 70)), lambda c: card(c, "J", (20, 110, 40))),
    ("Queen", ((255, 200, 225), (190, 50, 120)), lambda c: card(c, "Q", (170, 20, 90))),
    ("King", ((220, 205, 255), (110, 70, 190)), lambda c: card(c, "K", (80, 40, 160))),
    ("Ace", ((255, 225, 190), (210, 110, 30)), lambda c: card(c, "A", (170, 70, 0))),
    ("Cherry", ((255, 250, 240), (250, 200, 190)), cherry),
    ("Lemon", ((230, 245, 255), (150, 200, 240)), lemon),
    ("Plum", ((240, 255, 230), (170, 220, 150)), plum),
    ("Bell", ((120, 40, 40), (60, 10, 10)), bell),
    ("Horseshoe", ((250, 240, 210), (200, 170, 110)), horseshoe),
    ("Seven", ((255, 255, 210), (250, 210, 90)), seven),
    ("Wild", ((50, 50, 50), (0, 0, 0)), lambda c: (shaded(c, "star", (255, 205, 0)),
                                                  c.text("WILD", 65, 62, 24, LABEL, OUTLINE))),
    ("Scatter", ((110, 0, 130), (35, 0, 55)), lambda c: (shaded(c, "burst", (255, 60, 220)),
                                                         c.text("SCATTER", 65, 62, 16, LABEL, OUTLINE))),
]


def symbol(index, name, ground, draw):
    c = Canvas(130, 130, (0, 0, 0))
    c.gradient(*ground)
    draw(c)
    if index >= 5 and index <= 10:
        c.text(name.upper(), 65, 120, 9, LABEL, OUTLINE)
    if index in (11, 12):
        c.frame(6, (255, 205, 0) if index == 11 else (255, 60, 220))
    c.frame(2, (60, 60, 60))
    c.save_png(f"symbols/symbol_{index:02d}.png")


def banner():
    c = Canvas(650, 65, (0, 0, 0))
    c.gradient((120, 20, 40), (40, 0, 20))
    for x in (40, 610):
        c.polygon(star(x, 32, 24, 10), (255, 205, 0))
    c.text("TAMBERLO", 325, 33, 42, (255, 220, 90), outline=(60, 0, 10))
    c.save_png("banner.png")


def about_button():
    c = Canvas(327, 62, (0, 0, 0))
    c.gradient((235, 235, 250), (170, 170, 210))
    c.frame(3, (70, 70, 130))
    c.text("MATH DESIGN", 163, 22, 18, (40, 40, 110))
    c.text("OSKARTH LTD.", 163, 44, 14, (110, 40, 40))
    c.save_png("about_button.png")


if __name__ == "__main__":
    for i, row in enumerate(SYMBOLS):
        symbol(i, *row)
    banner()
    about_button()
