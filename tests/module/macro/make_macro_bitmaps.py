#!/usr/bin/env python3
"""Draws the macro dialog's button pictures (16 by 16, white drawn transparent) into
module/macro/bitmaps/: select other macros (217), back to the view before (218), the view
from above (220), from the side (221) and from the front (222), and the clash check (237).  Run from
anywhere; it writes into the repository."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "designer"))
from make_sample_templates import ROOT, Canvas, DARK, STEEL, DIM  # noqa: E402

OUT = os.path.join(ROOT, "module", "macro", "bitmaps")
RED = (210, 50, 40)
LIGHT = (214, 220, 230)


def select_other():
    """An arrow cursor aimed at a second block."""
    c = Canvas(16, 16)
    c.block(8, 8, 15, 15)
    for i in range(9):
        c.fill(1, 1 + i, 2 + i // 1 if i < 7 else 8, 2 + i, DARK)
    for i in range(1, 7):
        c.fill(2, 1 + i, 1 + i, 2 + i, (255, 255, 254))
    c.fill(4, 9, 6, 13, DARK)
    return c


def view_before():
    """A cube seen from a corner: the drawing's own view."""
    c = Canvas(16, 16)
    c.fill(2, 6, 10, 14, STEEL)
    for i in range(4):
        c.fill(3 + i, 5 - i, 11 + i, 6 - i, LIGHT)
        c.fill(10 + i, 6 - i, 11 + i, 14 - i, DIM)
    c.frame(2, 6, 10, 14, DARK)
    return c


def front_view():
    c = Canvas(16, 16)
    c.block(2, 4, 14, 7)
    c.block(6, 7, 10, 14)
    return c


def top_view():
    c = Canvas(16, 16)
    c.block(2, 2, 14, 14)
    c.fill(6, 2, 10, 14, LIGHT)
    c.frame(6, 2, 10, 14, DARK)
    return c


def side_view():
    c = Canvas(16, 16)
    c.block(2, 2, 5, 14)
    c.block(5, 6, 14, 10)
    return c


def clash():
    """Two blocks overlapping, the overlap in red."""
    c = Canvas(16, 16)
    c.block(1, 1, 10, 10)
    c.block(6, 6, 15, 15)
    c.fill(7, 7, 9, 9, RED)
    c.frame(6, 6, 10, 10, RED)
    return c


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    for name, draw in (("select_other", select_other), ("view_before", view_before), ("front_view", front_view),
                       ("top_view", top_view), ("side_view", side_view), ("clash", clash)):
        draw().save_bmp(os.path.join(OUT, name + ".bmp"))
