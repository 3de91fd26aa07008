#!/usr/bin/env python3
"""Draws the section icons of the installation folder's icons folder.

Each section shape is described in unit coordinates (0..1, y downwards) as filled rectangles,
disks and holes; every shape is written as <base>-big.bmp (48 x 48) and <base>-small.bmp
(16 x 16), 24-bit BMP on a white background (white is the buttons' transparent colour).
Pixels are sampled 4 x 4 per pixel so that the small icons stay readable.

The constraint editor's palette pictures (Parallel.bmp ... CoordSys.bmp, 40 x 40) and the
option pictures of the sample drawing (Option*.bmp, 36 x 36) are drawn the same way on a
magenta background, the colour those buttons leave transparent.  The macro settings
dialog's filter pictures (MacroFilter*.bmp, 128 x 128) are drawn on white, and so are the bolt
options' bolt picture and its part pictures (DrawBolt2.bmp, Bolt*-on.bmp, Bolt*-off.bmp).

Run from anywhere: python3 make_icons.py  (writes beside this script).
"""
import os
import struct

STEEL = (0x4A, 0x5A, 0x72)
WHITE = (0xFF, 0xFF, 0xFF)
MARK = (0xC0, 0x30, 0x30)


def rect(x0, y0, x1, y1, colour=STEEL):
    return lambda x, y: colour if x0 <= x <= x1 and y0 <= y <= y1 else None


def disk(cx, cy, r, colour=STEEL):
    return lambda x, y: colour if (x - cx) ** 2 + (y - cy) ** 2 <= r * r else None


def hole(inner):
    """Clears what the shapes before it drew wherever inner covers."""
    return lambda x, y: WHITE if inner(x, y) else None


def line(x0, y0, x1, y1, width, colour=MARK):
    def at(x, y):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return colour if (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2 else None
    return at


SHAPES = {
    "ProfSectionI": [rect(0.15, 0.10, 0.85, 0.22), rect(0.15, 0.78, 0.85, 0.90), rect(0.44, 0.22, 0.56, 0.78)],
    "ProfSectionHL": [rect(0.08, 0.08, 0.92, 0.22), rect(0.08, 0.78, 0.92, 0.92), rect(0.42, 0.22, 0.58, 0.78)],
    "ProfSectionT": [rect(0.10, 0.12, 0.90, 0.26), rect(0.43, 0.26, 0.57, 0.90)],
    "ProfSectionRect": [rect(0.15, 0.30, 0.85, 0.70)],
    "ProfSectionRound": [disk(0.5, 0.5, 0.36)],
    "ProfSectionRectTube": [rect(0.12, 0.18, 0.88, 0.82), hole(rect(0.24, 0.30, 0.76, 0.70))],
    "ProfSectionRoundTube": [disk(0.5, 0.5, 0.38), hole(disk(0.5, 0.5, 0.26))],
    "ProfSectionC": [rect(0.25, 0.10, 0.75, 0.22), rect(0.25, 0.78, 0.75, 0.90), rect(0.25, 0.22, 0.37, 0.78)],
    "ProfSectionV": [rect(0.20, 0.10, 0.33, 0.88), rect(0.20, 0.76, 0.85, 0.88)],
    "Unknown": [rect(0.15, 0.15, 0.85, 0.85, (0xD8, 0xD8, 0xD8)), line(0.22, 0.22, 0.78, 0.78, 0.10),
                line(0.78, 0.22, 0.22, 0.78, 0.10)],
}


MAGENTA = (0xFF, 0x00, 0xFF)
FACE = (0xD4, 0xD0, 0xC8)
BLUE = (0x20, 0x50, 0xA0)


def circle(cx, cy, r, width, colour=STEEL):
    return lambda x, y: colour if abs(((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 - r) <= width / 2 else None


def arc_mark(cx, cy, r, width, colour=MARK):
    """A quarter arc (the angle mark), upper right of the centre."""
    def at(x, y):
        if x < cx or y > cy:
            return None
        return colour if abs(((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 - r) <= width / 2 else None
    return at


W = 0.07
PALETTE = {
    "Parallel": [line(0.15, 0.70, 0.70, 0.15, W, STEEL), line(0.32, 0.86, 0.86, 0.32, W, STEEL)],
    "Perpendicular": [line(0.20, 0.82, 0.85, 0.82, W, STEEL), line(0.50, 0.82, 0.50, 0.15, W, STEEL),
                      rect(0.50, 0.66, 0.64, 0.70, MARK), rect(0.62, 0.68, 0.66, 0.82, MARK)],
    "Coincident": [line(0.10, 0.85, 0.50, 0.50, W, STEEL), line(0.50, 0.50, 0.90, 0.80, W, STEEL),
                   disk(0.50, 0.50, 0.09, MARK)],
    "Symmetric": [line(0.50, 0.08, 0.50, 0.92, 0.04, MARK), disk(0.22, 0.50, 0.09), disk(0.78, 0.50, 0.09)],
    "Tangent": [circle(0.45, 0.55, 0.28, W), line(0.08, 0.27, 0.92, 0.27, W, MARK)],
    "Concentric": [circle(0.5, 0.5, 0.36, W), circle(0.5, 0.5, 0.18, W), disk(0.5, 0.5, 0.05, MARK)],
    "EqualRadius": [circle(0.30, 0.50, 0.20, W), circle(0.72, 0.50, 0.20, W), line(0.30, 0.50, 0.44, 0.36, 0.05, MARK),
                    line(0.72, 0.50, 0.86, 0.36, 0.05, MARK)],
    "Distance": [line(0.15, 0.20, 0.15, 0.80, W, STEEL), line(0.85, 0.20, 0.85, 0.80, W, STEEL),
                 line(0.18, 0.50, 0.82, 0.50, 0.05, MARK), line(0.18, 0.50, 0.30, 0.42, 0.05, MARK),
                 line(0.18, 0.50, 0.30, 0.58, 0.05, MARK), line(0.82, 0.50, 0.70, 0.42, 0.05, MARK),
                 line(0.82, 0.50, 0.70, 0.58, 0.05, MARK)],
    "Angle": [line(0.15, 0.85, 0.90, 0.85, W, STEEL), line(0.15, 0.85, 0.75, 0.20, W, STEEL),
              arc_mark(0.15, 0.85, 0.45, 0.05)],
    "Radius": [circle(0.5, 0.5, 0.36, W), line(0.5, 0.5, 0.76, 0.24, 0.05, MARK), disk(0.5, 0.5, 0.05, MARK)],
    "AddModule": [rect(0.10, 0.30, 0.62, 0.82), rect(0.62, 0.10, 0.70, 0.42, MARK), rect(0.50, 0.22, 0.82, 0.30, MARK)],
    "BoltPattern": [rect(0.10, 0.10, 0.90, 0.90), disk(0.30, 0.30, 0.09, WHITE), disk(0.70, 0.30, 0.09, WHITE),
                    disk(0.30, 0.70, 0.09, WHITE), disk(0.70, 0.70, 0.09, WHITE)],
    "CoordSys": [line(0.20, 0.80, 0.88, 0.80, W, MARK), line(0.20, 0.80, 0.20, 0.12, W, BLUE),
                 line(0.20, 0.80, 0.55, 0.45, 0.05, STEEL)],
}

# Option pictures of the sample drawing: where a stiffener stands (group 1) and how its edge
# is cut (group 2).
OPTIONS = {
    "OptionStiffenerLeft": [rect(0.10, 0.75, 0.90, 0.88), rect(0.12, 0.12, 0.26, 0.75, BLUE)],
    "OptionStiffenerMiddle": [rect(0.10, 0.75, 0.90, 0.88), rect(0.43, 0.12, 0.57, 0.75, BLUE)],
    "OptionStiffenerRight": [rect(0.10, 0.75, 0.90, 0.88), rect(0.74, 0.12, 0.88, 0.75, BLUE)],
    "OptionEdgeSquare": [rect(0.20, 0.15, 0.80, 0.85, BLUE)],
    "OptionEdgeChamfer": [rect(0.20, 0.15, 0.80, 0.85, BLUE), lambda x, y: MAGENTA if x - y > 0.35 else None],
}

# Pictures of the macro settings dialog's filters (128 x 128, white): the angle of a member's
# axis (against the horizontal, and over a half turn), the angle of its section, the distance
# along its path, and the size of its section.
FILTERS = {
    "MacroFilterAngle90": [line(0.10, 0.85, 0.90, 0.85, 0.04, STEEL), rect(0.26, 0.12, 0.36, 0.85),
                           arc_mark(0.36, 0.85, 0.30, 0.03), line(0.66, 0.85, 0.66, 0.78, 0.03, MARK)],
    "MacroFilterAngle180": [line(0.08, 0.60, 0.92, 0.60, 0.04, STEEL), rect(0.12, 0.52, 0.88, 0.60),
                            circle(0.50, 0.60, 0.30, 0.03, MARK), rect(0.10, 0.61, 0.90, 0.98, WHITE),
                            disk(0.50, 0.60, 0.03, MARK)],
    "MacroFilterSectionAngle": [rect(0.30, 0.22, 0.70, 0.30), rect(0.30, 0.70, 0.70, 0.78), rect(0.46, 0.30, 0.54, 0.70),
                                arc_mark(0.50, 0.50, 0.38, 0.03), line(0.50, 0.50, 0.88, 0.50, 0.02, MARK),
                                line(0.50, 0.50, 0.77, 0.23, 0.02, MARK)],
    "MacroFilterPathDistance": [rect(0.08, 0.40, 0.92, 0.52), line(0.20, 0.30, 0.20, 0.62, 0.03, MARK),
                                line(0.70, 0.30, 0.70, 0.62, 0.03, MARK), line(0.20, 0.72, 0.70, 0.72, 0.03, MARK),
                                line(0.20, 0.72, 0.28, 0.67, 0.03, MARK), line(0.20, 0.72, 0.28, 0.77, 0.03, MARK),
                                line(0.70, 0.72, 0.62, 0.67, 0.03, MARK), line(0.70, 0.72, 0.62, 0.77, 0.03, MARK)],
    "MacroFilterSectionSize": [rect(0.18, 0.12, 0.68, 0.22), rect(0.18, 0.68, 0.68, 0.78), rect(0.38, 0.22, 0.48, 0.68),
                               line(0.82, 0.12, 0.82, 0.78, 0.03, MARK), line(0.18, 0.90, 0.68, 0.90, 0.03, MARK),
                               line(0.76, 0.12, 0.88, 0.12, 0.02, MARK), line(0.76, 0.78, 0.88, 0.78, 0.02, MARK),
                               line(0.18, 0.84, 0.18, 0.96, 0.02, MARK), line(0.68, 0.84, 0.68, 0.96, 0.02, MARK)],
}

# The bolt options: the bolt through two plates (DrawBolt2.bmp, 160 x 160, white background),
# and a picture per state of each part check box (24 x 24): the part drawn in steel when it
# is used, pale when it is not.
PLATE = (0xB8, 0xC0, 0xCC)
PALE = (0xC8, 0xCC, 0xD4)
BOLT = [rect(0.10, 0.36, 0.90, 0.50, PLATE), rect(0.10, 0.50, 0.90, 0.62, PLATE),
        rect(0.30, 0.16, 0.70, 0.26), rect(0.24, 0.27, 0.76, 0.31, BLUE), rect(0.44, 0.26, 0.56, 0.90),
        rect(0.24, 0.67, 0.76, 0.71, BLUE), rect(0.30, 0.72, 0.70, 0.82), line(0.08, 0.95, 0.92, 0.95, 0.01, MARK)]


def washer(colour):
    return [rect(0.12, 0.42, 0.88, 0.58, colour), hole(rect(0.40, 0.42, 0.60, 0.58))]


def washers(colour):
    return [rect(0.12, 0.26, 0.88, 0.40, colour), rect(0.12, 0.60, 0.88, 0.74, colour)]


def nut(colour):
    return [rect(0.14, 0.28, 0.86, 0.72, colour), hole(rect(0.14, 0.28, 0.22, 0.36)), hole(rect(0.78, 0.28, 0.86, 0.36)),
            hole(rect(0.14, 0.64, 0.22, 0.72)), hole(rect(0.78, 0.64, 0.86, 0.72))]


BOLT_PARTS = {
    "BoltWasher-on": washer(BLUE), "BoltWasher-off": washer(PALE),
    "BoltWashers-on": washers(BLUE), "BoltWashers-off": washers(PALE),
    "BoltNut-on": nut(STEEL), "BoltNut-off": nut(PALE),
}


def render(shapes, size, background=WHITE):
    """A transparent background (magenta) is never blended into edges: partly covered pixels
    are blended with the button face instead, and only pixels no shape touches keep it."""
    blend = FACE if background == MAGENTA else background
    rows = []
    samples = 4
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            touched = False
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    colour = blend
                    for shape in shapes:
                        hit = shape(x, y)
                        if hit is not None:
                            colour = hit
                            touched = touched or hit != MAGENTA
                    for i in range(3):
                        total[i] += colour[i]
            if not touched and background == MAGENTA:
                row.append(MAGENTA)
            else:
                row.append(tuple(round(c / (samples * samples)) for c in total))
        rows.append(row)
    return rows


def write_bmp(path, pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        line_bytes = bytearray()
        for r, g, b in row:
            line_bytes += bytes((b, g, r))
        line_bytes += b"\0" * (stride - len(line_bytes))
        data += line_bytes
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path + ".tmp", "wb") as out:
        out.write(header + info + data)
    os.replace(path + ".tmp", path)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for base, shapes in SHAPES.items():
        write_bmp(os.path.join(folder, base + "-big.bmp"), render(shapes, 48))
        write_bmp(os.path.join(folder, base + "-small.bmp"), render(shapes, 16))
    for base, shapes in PALETTE.items():
        write_bmp(os.path.join(folder, base + ".bmp"), render(shapes, 40, MAGENTA))
    for base, shapes in OPTIONS.items():
        write_bmp(os.path.join(folder, base + ".bmp"), render(shapes, 36, MAGENTA))
    for base, shapes in FILTERS.items():
        write_bmp(os.path.join(folder, base + ".bmp"), render(shapes, 128))
    write_bmp(os.path.join(folder, "DrawBolt2.bmp"), render(BOLT, 160))
    for base, shapes in BOLT_PARTS.items():
        write_bmp(os.path.join(folder, base + ".bmp"), render(shapes, 24))


if __name__ == "__main__":
    main()
