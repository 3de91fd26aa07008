#!/usr/bin/env python3
"""Draws the pictures of the cut types that the macro cut dialog offers, 48 x 32 BMP each.

A profile is drawn in steel blue, the part it is cut against in grey, the cut line in red.
Uses the shapes and the writer of make_icons.py.

Run from anywhere: python3 make_cut_icons.py  (writes beside this script).
"""
import os

from make_icons import MARK, STEEL, disk, hole, line, rect, write_bmp

PLATE = (0x9A, 0x9A, 0x9A)
WHITE = (0xFF, 0xFF, 0xFF)
WIDTH, HEIGHT = 48, 32

CUTS = {
    "CutProfvsPlate": [rect(0.05, 0.35, 0.62, 0.65), rect(0.66, 0.05, 0.78, 0.95, PLATE),
                       line(0.64, 0.05, 0.64, 0.95, 0.03)],
    "CutProfvsProf": [rect(0.05, 0.38, 0.58, 0.62), rect(0.62, 0.05, 0.80, 0.95, PLATE),
                      line(0.60, 0.05, 0.60, 0.95, 0.03)],
    "CutProfinProf": [rect(0.05, 0.30, 0.95, 0.70, PLATE), rect(0.30, 0.40, 0.70, 0.60),
                      line(0.28, 0.30, 0.28, 0.70, 0.03), line(0.72, 0.30, 0.72, 0.70, 0.03)],
    "CutProfvsProf3Segments": [rect(0.05, 0.38, 0.52, 0.62), rect(0.60, 0.05, 0.78, 0.95, PLATE),
                               line(0.55, 0.30, 0.55, 0.70, 0.03), line(0.55, 0.30, 0.50, 0.20, 0.03),
                               line(0.55, 0.70, 0.50, 0.80, 0.03)],
    "CutChamfer": [rect(0.10, 0.20, 0.90, 0.80), hole(lambda x, y: x + (0.80 - y) > 1.45 * 0.8 and x > 0.6),
                   line(0.62, 0.20, 0.90, 0.58, 0.03)],
    "CutFillet": [rect(0.10, 0.20, 0.90, 0.80), hole(rect(0.62, 0.20, 0.90, 0.48)),
                  disk(0.62, 0.48, 0.28), hole(rect(0.10, 0.0, 1.0, 0.20)), hole(rect(0.90, 0.0, 1.0, 1.0)),
                  line(0.62, 0.20, 0.90, 0.48, 0.02, MARK)],
}


def render(shapes, width, height, samples=4):
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / width
                    y = (py + (sy + 0.5) / samples) / height
                    colour = WHITE
                    for shape in shapes:
                        hit = shape(x, y)
                        if hit is not None:
                            colour = hit
                    for i in range(3):
                        total[i] += colour[i]
            row.append(tuple(round(c / (samples * samples)) for c in total))
        rows.append(row)
    return rows


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for base, shapes in CUTS.items():
        write_bmp(os.path.join(folder, base + ".bmp"), render(shapes, WIDTH, HEIGHT))


if __name__ == "__main__":
    main()
