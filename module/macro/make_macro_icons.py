#!/usr/bin/env python3
"""Draws the icons of the cut and macro selection dialogs, 24 x 24 PNG with transparency.

filter_shown.png   a funnel with an arrow up: the filter area is shown, a click hides it
filter_hidden.png  a funnel with an arrow down: the filter area is hidden, a click shows it

Run from anywhere: python3 make_macro_icons.py  (writes beside this script).
"""
import os
import struct
import zlib

SIZE = 24
STEEL = (0x4A, 0x5A, 0x72, 255)
MARK = (0xC0, 0x30, 0x30, 255)
CLEAR = (0, 0, 0, 0)


def inside_polygon(x, y, points):
    hit = False
    for i in range(len(points)):
        (x0, y0), (x1, y1) = points[i], points[i - 1]
        if (y0 > y) != (y1 > y) and x < (x1 - x0) * (y - y0) / (y1 - y0) + x0:
            hit = not hit
    return hit


def draw(shapes):
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            colour = CLEAR
            for points, fill in shapes:
                if inside_polygon(px + 0.5, py + 0.5, points):
                    colour = fill
            row.append(colour)
        rows.append(row)
    return rows


def write_png(path, rows):
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path + ".tmp", "wb") as out:
        out.write(png)
    os.replace(path + ".tmp", path)


FUNNEL = [(3, 3), (21, 3), (14, 11), (14, 19), (10, 21), (10, 11)]
ICONS = {
    "filter_shown.png": [(FUNNEL, STEEL), ([(16, 20), (20, 15), (24, 20)], MARK)],
    "filter_hidden.png": [(FUNNEL, STEEL), ([(16, 15), (20, 20), (24, 15)], MARK)],
}


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, shapes in ICONS.items():
        write_png(os.path.join(folder, name), draw(shapes))


if __name__ == "__main__":
    main()
