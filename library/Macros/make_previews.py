#!/usr/bin/env python3
"""Draws the preview pictures of four of the six sample macros, 96 x 72 BMP each: a plate with
its bolts, the shape each macro connects in grey.  Stiffener1 and Splice1 have none on purpose:
the macro selection dialog makes the missing previews when it first opens.

Run from anywhere: python3 make_previews.py  (writes beside this script).
"""
import os
import struct

WIDTH, HEIGHT = 96, 72
WHITE, PLATE, EDGE, BOLT, PART = (255, 255, 255), (0x9A, 0xA8, 0xBC), (0x4A, 0x5A, 0x72), (0xC0, 0x30, 0x30), (0xB0, 0xB0, 0xB0)

# name: (plate box, part box, bolt rows, bolt columns), boxes in pixels
PREVIEWS = {
    "BasePlate1": ((14, 40, 82, 60), (40, 6, 56, 40), 1, 2),
    "BasePlate2": ((10, 40, 86, 62), (38, 4, 58, 40), 2, 2),
    "EndPlate1": ((42, 8, 56, 64), (56, 28, 92, 44), 3, 1),
    "Cleat1": ((30, 14, 50, 58), (50, 30, 92, 42), 2, 1),
}


def draw(plate, part, rows, columns):
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    def fill(box, colour):
        x0, y0, x1, y1 = box
        for y in range(max(0, y0), min(HEIGHT, y1)):
            for x in range(max(0, x0), min(WIDTH, x1)):
                pixels[y][x] = colour
    fill(part, PART)
    fill(plate, EDGE)
    fill((plate[0] + 2, plate[1] + 2, plate[2] - 2, plate[3] - 2), PLATE)
    for r in range(rows):
        for c in range(columns):
            cx = plate[0] + (plate[2] - plate[0]) * (2 * c + 1) // (2 * columns)
            cy = plate[1] + (plate[3] - plate[1]) * (2 * r + 1) // (2 * rows)
            for y in range(cy - 3, cy + 4):
                for x in range(cx - 3, cx + 4):
                    if (x - cx) ** 2 + (y - cy) ** 2 <= 9:
                        pixels[y][x] = BOLT
    return pixels


def write_bmp(path, pixels):
    stride = (WIDTH * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path + ".tmp", "wb") as out:
        out.write(header + info + data)
    os.replace(path + ".tmp", path)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, shape in PREVIEWS.items():
        write_bmp(os.path.join(folder, name + ".bmp"), draw(*shape))


if __name__ == "__main__":
    main()
