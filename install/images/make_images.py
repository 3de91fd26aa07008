#!/usr/bin/env python3
"""Draws the sample connection pictures offered by the image selection dialog (24-bit BMP).

Run from this folder: python3 make_images.py.  Sizes differ on purpose: the dialog sizes every
cell after the first picture.
"""
import struct

WHITE, STEEL, PLATE, BOLT, CONCRETE = (255, 255, 255), (90, 110, 140), (200, 120, 40), (40, 40, 40), (170, 170, 160)


def write_bmp(name, width, height, pixel):
    row = (width * 3 + 3) // 4 * 4
    body = bytearray()
    for y in range(height - 1, -1, -1):          # bottom-up rows
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        body += line + bytes(row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(name, "wb") as out:
        out.write(header + info + body)


def end_plate(x, y):       # a beam end welded to a plate with four bolts, 64 x 48
    if 26 <= x <= 31:
        return BOLT if y in (8, 9, 38, 39) else PLATE
    if 32 <= x <= 62 and (6 <= y <= 9 or 38 <= y <= 41 or 22 <= y <= 25):
        return STEEL
    return WHITE


def base_plate(x, y):      # a column on a base plate on concrete, 96 x 96
    if y >= 80:
        return CONCRETE
    if 72 <= y < 80 and 12 <= x < 84:
        return BOLT if x in (20, 21, 74, 75) else PLATE
    if y < 72 and (36 <= x < 42 or 54 <= x < 60 or (42 <= x < 54 and 30 <= y < 34)):
        return STEEL
    return WHITE


def cleat(x, y):           # an angle cleat, 40 x 80
    if 8 <= x < 14 and 8 <= y < 72:
        return BOLT if y in (24, 25, 54, 55) else PLATE
    if 14 <= x < 34 and 66 <= y < 72:
        return PLATE
    return WHITE


write_bmp("end_plate.bmp", 64, 48, end_plate)
write_bmp("base_plate.bmp", 96, 96, base_plate)
write_bmp("cleat.bmp", 40, 80, cleat)
