#!/usr/bin/env python3
"""Draws the constraint editor's icons of the module's resources: 217 select a macro (an arrow
over a framed plate) and 234 zoom (a magnifier), 16 x 16 RGBA PNG like the other package icons.

Run from anywhere: python3 make_editor_icons.py  (writes beside this script).
"""
import os
import struct
import zlib

INK = (0x30, 0x40, 0x58, 255)
PLATE = (0x9A, 0xB0, 0xC8, 255)
GLASS = (0xD8, 0xEC, 0xFF, 255)
CLEAR = (0, 0, 0, 0)


def seg_dist2(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
    px, py = x0 + t * dx, y0 + t * dy
    return (x - px) ** 2 + (y - py) ** 2


def select_macro(x, y):
    if seg_dist2(x, y, 3, 3, 9, 13) <= 0.8 or seg_dist2(x, y, 3, 3, 12, 8) <= 0.8 or seg_dist2(x, y, 7, 9, 11, 14) <= 0.8:
        return INK
    if 6 <= x <= 15 and 8 <= y <= 15:
        return PLATE
    return None


def zoom(x, y):
    r2 = (x - 6.5) ** 2 + (y - 6.5) ** 2
    if 16 <= r2 <= 30:
        return INK
    if r2 < 16:
        return GLASS
    if seg_dist2(x, y, 10, 10, 14.5, 14.5) <= 2.2:
        return INK
    return None


def render(shape, size=16):
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(4):
                for sx in range(4):
                    colour = shape(px + (sx + 0.5) / 4, py + (sy + 0.5) / 4) or CLEAR
                    for i in range(4):
                        acc[i] += colour[i]
            row.append(tuple(round(c / 16) for c in acc))
        rows.append(row)
    return rows


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path + ".tmp", "wb") as out:
        out.write(png)
    os.replace(path + ".tmp", path)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    write_png(os.path.join(folder, "select_macro.png"), render(select_macro))
    write_png(os.path.join(folder, "zoom.png"), render(zoom))


if __name__ == "__main__":
    main()
