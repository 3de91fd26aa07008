#!/usr/bin/env python3
"""Draws the library editor's sheet button icons (16 by 16, white drawn transparent) into
module/sections/icons/: paste (224), insert row (225), delete row (226), row up (227), row
down (228) and find (238).  Copy (223) is the designer's.  Run from anywhere; it writes into
the repository."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "designer"))
from make_sample_templates import ROOT, Canvas, DARK, STEEL, DIM  # noqa: E402

OUT = os.path.join(ROOT, "module", "sections", "icons")
GREEN = (40, 150, 60)
RED = (200, 40, 40)
PAPER = (255, 255, 254)


def rows(c, highlight=None, colour=None):
    """Three table rows; the highlighted one drawn in colour."""
    for i, y in enumerate((3, 7, 11)):
        c.fill(1, y, 11, y + 3, colour if i == highlight else PAPER)
        c.frame(1, y, 11, y + 3, DARK)


def paste():
    c = Canvas(16, 16)
    c.fill(2, 2, 12, 15, (190, 150, 90))
    c.frame(2, 2, 12, 15, DARK)
    c.fill(5, 1, 9, 4, STEEL)
    c.frame(5, 1, 9, 4, DARK)
    c.fill(7, 6, 15, 15, PAPER)
    c.frame(7, 6, 15, 15, DARK)
    for y in (9, 11):
        c.fill(9, y, 13, y + 1, DIM)
    return c


def insert_row():
    c = Canvas(16, 16)
    rows(c, 1, (180, 230, 180))
    c.fill(12, 8, 15, 9, GREEN)
    c.fill(13, 7, 14, 10, GREEN)
    return c


def delete_row():
    c = Canvas(16, 16)
    rows(c, 1, (240, 190, 190))
    c.fill(12, 8, 16, 9, RED)
    return c


def arrow(c, up):
    for i in range(5):
        y = 3 + i if up else 12 - i
        c.fill(13 - i, y, 14 + i, y + 1, DIM)
    c.fill(12, 6 if up else 3, 15, 13 if up else 10, DIM)


def row_up():
    c = Canvas(16, 16)
    rows(c, 0, (200, 215, 245))
    arrow(c, True)
    return c


def row_down():
    c = Canvas(16, 16)
    rows(c, 2, (200, 215, 245))
    arrow(c, False)
    return c


def find():
    c = Canvas(16, 16)
    c.circle(6, 6, 5, DARK)
    c.circle(6, 6, 3, (200, 225, 250))
    for i in range(5):
        c.fill(9 + i, 9 + i, 12 + i, 11 + i, DARK)
    return c


if __name__ == "__main__":
    for name, draw in (("lib_paste", paste), ("lib_insert_row", insert_row), ("lib_delete_row", delete_row),
                       ("lib_row_up", row_up), ("lib_row_down", row_down), ("lib_find", find)):
        draw().save_bmp(os.path.join(OUT, name + ".bmp"))
