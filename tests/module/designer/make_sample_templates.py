#!/usr/bin/env python3
"""Draws the sample dialog templates of the bundled library: each a picture (".bmp") and a
template file (".txt", the core library's property list) under
library/Dialog Templates/Dialog Design/; and the flex buttons' icon of the module's resources.
Run from anywhere; it writes into the repository."""

import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
FOLDER = os.path.join(ROOT, "library", "Dialog Templates", "Dialog Design")

WHITE = (255, 255, 255)
STEEL = (176, 184, 196)
DARK = (40, 44, 52)
DIM = (30, 90, 200)
WELD = (200, 80, 40)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[WHITE] * width for _ in range(height)]

    def fill(self, x1, y1, x2, y2, colour):
        for y in range(max(0, y1), min(self.height, y2)):
            row = self.pixels[y]
            for x in range(max(0, x1), min(self.width, x2)):
                row[x] = colour

    def frame(self, x1, y1, x2, y2, colour):
        self.fill(x1, y1, x2, y1 + 1, colour)
        self.fill(x1, y2 - 1, x2, y2, colour)
        self.fill(x1, y1, x1 + 1, y2, colour)
        self.fill(x2 - 1, y1, x2, y2, colour)

    def block(self, x1, y1, x2, y2):
        self.fill(x1, y1, x2, y2, STEEL)
        self.frame(x1, y1, x2, y2, DARK)

    def hdim(self, x1, x2, y):
        """A horizontal dimension line with end ticks."""
        self.fill(x1, y, x2, y + 1, DIM)
        self.fill(x1, y - 4, x1 + 1, y + 5, DIM)
        self.fill(x2 - 1, y - 4, x2, y + 5, DIM)

    def vdim(self, x, y1, y2):
        self.fill(x, y1, x + 1, y2, DIM)
        self.fill(x - 4, y1, x + 5, y1 + 1, DIM)
        self.fill(x - 4, y2 - 1, x + 5, y2, DIM)

    def circle(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r and 0 <= x < self.width and 0 <= y < self.height:
                    self.pixels[y][x] = colour

    def save_bmp(self, path):
        row_bytes = (self.width * 3 + 3) & ~3
        image = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += b"\0" * (row_bytes - len(row))
            image += row
        header = b"BM" + struct.pack("<IHHI", 54 + len(image), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
        with open(path, "wb") as out:
            out.write(header + info + image)


def escape(text):
    out = []
    for ch in text.encode("cp1252"):
        if ch == 0x5C:
            out.append("\\\\")
        elif ch == 0x09:
            out.append("\\t")
        elif ch < 0x20 or ch == 0x7F:
            out.append("\\x%02X" % ch)
        else:
            out.append(chr(ch) if ch < 0x80 else "\\x%02X" % ch)
    return "".join(out)


def write_template(name, canvas, controls):
    """controls: (type, (x1, y1, x2, y2) in pixels, contents, merged extra texts)."""
    path = os.path.join(FOLDER, *name.split("\\"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    canvas.save_bmp(path + ".bmp")
    lines = ["KvPropertiesList 1", "int\tnrOfControls\t%d" % len(controls)]
    for i, (kind, (x1, y1, x2, y2), contents, extra) in enumerate(controls):
        lines.append("int\ttype%d\t%d" % (i, kind))
        lines.append("double\ttopLeftX%d\t%r" % (i, x1 / canvas.width))
        lines.append("double\ttopLeftY%d\t%r" % (i, y1 / canvas.height))
        lines.append("double\tbottomRightX%d\t%r" % (i, x2 / canvas.width))
        lines.append("double\tbottomRightY%d\t%r" % (i, y2 / canvas.height))
        lines.append("string\tcontents%d\t%s" % (i, escape(contents)))
        lines.append("string\tcomboList%d\t%s" % (i, escape(extra)))
    with open(path + ".txt", "w", newline="\r\n") as out:
        out.write("\n".join(lines) + "\n")


def base_plate():
    c = Canvas(400, 300)
    c.block(90, 70, 310, 230)
    for x, y in ((120, 100), (280, 100), (120, 200), (280, 200)):
        c.circle(x, y, 9, WHITE)
        c.circle(x, y, 6, DARK)
    c.hdim(90, 310, 250)
    c.vdim(330, 70, 230)
    c.fill(195, 40, 205, 70, DARK)  # the column above the plate
    write_template("Base Plate", c, [
        (0, (10, 10, 80, 26), "Base plate", ""),
        (2, (170, 256, 230, 276), "PLATE_W", ""),
        (2, (338, 140, 392, 160), "PLATE_H", ""),
        (2, (10, 40, 70, 60), "PLATE_T", ""),
        (4, (20, 120, 70, 140), "BOLTS_X", ""),
        (5, (20, 160, 70, 180), "BOLTS_Y", ""),
        (29, (10, 270, 150, 290), "GROUT", "1"),
        (28, (250, 10, 390, 28), "1", ""),
    ])


def stiffener():
    c = Canvas(360, 280)
    c.block(60, 30, 300, 50)     # top flange
    c.block(60, 230, 300, 250)   # bottom flange
    c.block(172, 50, 188, 230)   # web
    c.fill(188, 50, 290, 230, (214, 220, 228))  # stiffener plate
    c.frame(188, 50, 290, 230, WELD)
    c.hdim(188, 290, 262)
    write_template("Stiffener", c, [
        (0, (10, 5, 120, 22), "Stiffener", ""),
        (2, (215, 130, 270, 150), "STIFF_T", ""),
        (2, (210, 266, 270, 276), "STIFF_W", ""),
        (3, (10, 130, 90, 148), "WELD", "weld sizes.txt"),
        (30, (300, 60, 340, 100), "BOTH_SIDES", "side;;;"),
        (30, (300, 110, 340, 150), "ONE_SIDE", "side;;mark;"),
    ])


def end_plate():
    c = Canvas(320, 260)
    c.block(40, 20, 120, 240)    # column flange
    c.block(120, 40, 140, 220)   # end plate
    c.block(140, 110, 300, 150)  # beam
    for y in (70, 110, 150, 190):
        c.circle(130, y, 6, DARK)
    c.vdim(20, 40, 220)
    write_template("Connections\\End Plate", c, [
        (0, (150, 10, 310, 26), "End plate connection", ""),
        (2, (150, 170, 210, 190), "EP_T", ""),
        (2, (150, 200, 210, 220), "EP_H", ""),
        (29, (220, 170, 310, 190), "EXTENDED", "0"),
    ])


def rafter():
    """The profile tab of the samples: a rafter on two columns, its purlins on top."""
    c = Canvas(360, 220)
    c.block(40, 90, 56, 210)     # left column
    c.block(304, 90, 320, 210)   # right column
    c.block(40, 70, 320, 90)     # rafter
    for x in (80, 150, 220, 290):
        c.fill(x - 6, 58, x + 6, 70, WELD)   # purlins
    c.hdim(40, 320, 100)
    write_template("Rafter", c, [
        (0, (10, 5, 120, 22), "Rafter", ""),
        (2, (150, 104, 210, 122), "SPAN", ""),
        (13, (10, 140, 150, 158), "Rafter", ""),
        (14, (156, 140, 230, 160), "Rafter", ""),
        (17, (236, 140, 350, 160), "Rafter", ""),
        (15, (80, 176, 230, 194), "Rafter", ""),
    ])


def flex_button_icon():
    """The module's icon of flex buttons (icon resource 239): a fixing pin over a plate."""
    c = Canvas(16, 16)
    c.fill(1, 10, 15, 14, STEEL)
    c.frame(1, 10, 15, 14, DARK)
    c.fill(7, 2, 9, 12, DARK)
    c.circle(8, 3, 2, WELD)
    c.save_bmp(os.path.join(ROOT, "module", "designer", "flex_button.bmp"))


if __name__ == "__main__":
    flex_button_icon()
    base_plate()
    stiffener()
    end_plate()
    rafter()
