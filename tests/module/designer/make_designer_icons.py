#!/usr/bin/env python3
"""Draws the designer dialog's own icons (16 by 16, white drawn transparent) into
module/designer/icons/: the dialog's icon (148), copy (223), picture (231), width (235) and
height (236),
undo (237) and redo (230).  Run from anywhere; it writes into the repository."""

import os

from make_sample_templates import ROOT, Canvas, DARK, STEEL, DIM

OUT = os.path.join(ROOT, "module", "designer", "icons")
GREEN = (60, 150, 70)
SKY = (120, 170, 230)


def arrow_h(c, x1, x2, y):
    c.fill(x1, y, x2, y + 1, DIM)
    for i in range(1, 4):
        c.fill(x1 + i, y - i, x1 + i + 1, y + i + 1, DIM)
        c.fill(x2 - 1 - i, y - i, x2 - i, y + i + 1, DIM)


def arrow_v(c, x, y1, y2):
    c.fill(x, y1, x + 1, y2, DIM)
    for i in range(1, 4):
        c.fill(x - i, y1 + i, x + i + 1, y1 + i + 1, DIM)
        c.fill(x - i, y2 - 1 - i, x + i + 1, y2 - i, DIM)


def designer():
    c = Canvas(16, 16)
    c.fill(1, 2, 15, 14, STEEL)
    c.frame(1, 2, 15, 14, DARK)
    c.fill(3, 5, 9, 8, (255, 255, 254))
    c.frame(3, 5, 9, 8, DARK)
    c.fill(3, 10, 12, 12, DIM)
    return c


def copy():
    c = Canvas(16, 16)
    c.block(1, 1, 10, 10)
    c.fill(6, 6, 15, 15, (255, 255, 254))
    c.frame(6, 6, 15, 15, DARK)
    return c


def picture():
    c = Canvas(16, 16)
    c.fill(1, 2, 15, 14, SKY)
    c.frame(1, 2, 15, 14, DARK)
    for i in range(5):
        c.fill(3 + i, 12 - i, 13 - i, 13 - i, GREEN)
    c.fill(10, 4, 13, 7, (230, 200, 40))
    return c


def width():
    c = Canvas(16, 16)
    c.block(3, 2, 13, 8)
    arrow_h(c, 1, 15, 12)
    return c


def height():
    c = Canvas(16, 16)
    c.block(2, 3, 8, 13)
    arrow_v(c, 12, 1, 15)
    return c


def turn(mirrored):
    """A curved arrow: back (undo) or, mirrored, forward (redo)."""
    c = Canvas(16, 16)
    for x in range(4, 12):
        c.fill(x, 4, x + 1, 6, DIM)
    c.fill(11, 4, 13, 12, DIM)
    c.fill(5, 10, 13, 12, DIM)
    for i in range(4):
        c.fill(4 - i, 5 - i, 5 - i, 5 + i, DIM)
    if mirrored:
        for row in c.pixels:
            row.reverse()
    return c


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, draw in (("designer", designer), ("copy", copy), ("picture", picture), ("width", width),
                       ("height", height), ("undo", lambda: turn(False)), ("redo", lambda: turn(True))):
        draw().save_bmp(os.path.join(OUT, name + ".bmp"))
