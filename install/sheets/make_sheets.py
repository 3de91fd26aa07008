#!/usr/bin/env python3
"""Writes the sheets the installation folder ships, in the engine's sheet file format:

  section_weights.kvs  a table of sections (labels in the column-header row: Name, Weight,
                       Height, Width, Area) that formulas read with FROMTABLE;
  evaluate_test.kvs    the fixed test sheet of EvaluateSS: cell A1 looks up the weight of the
                       section named in B1.

Run it from anywhere; it writes beside itself.  Values are nominal catalogue figures
(weight kg/m, height and width mm, area cm2).
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT = 4294967295
FONT = '"" 0 0 0 0'
BORDERS = " ".join(f"0 {DEFAULT}" for _ in range(4))

SECTIONS = [
    ("HEA 100", 16.7, 96, 100, 21.2), ("HEA 120", 19.9, 114, 120, 25.3),
    ("HEA 140", 24.7, 133, 140, 31.4), ("HEA 160", 30.4, 152, 160, 38.8),
    ("HEA 180", 35.5, 171, 180, 45.3), ("HEA 200", 42.3, 190, 200, 53.8),
    ("HEA 220", 50.5, 210, 220, 64.3), ("HEA 240", 60.3, 230, 240, 76.8),
    ("HEA 260", 68.2, 250, 260, 86.8), ("HEA 280", 76.4, 270, 280, 97.3),
    ("HEA 300", 88.3, 290, 300, 112.5), ("IPE 100", 8.1, 100, 55, 10.3),
    ("IPE 200", 22.4, 200, 100, 28.5), ("IPE 300", 42.2, 300, 150, 53.8),
    ("SHS 100x5", 14.7, 100, 100, 18.7),
]


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def number_format(fid, decimals):
    # kind 14 (number), style, max length, decimals, char set, case, flag, min, max,
    # 4 picture kinds, text, locked, back, fore, font, 4 borders
    style = 0x10000000 | 0x100000
    return (f"format {fid} 14 {style} 0 {decimals} 0 0 0 -99999999999999 99999999999999 "
            f'0 0 0 0 "" 0 {DEFAULT} {DEFAULT} {FONT} {BORDERS}')


def edit_format(fid):
    return (f"format {fid} 1 {0x110000} 200 0 0 0 0 0 0 "
            f'0 0 0 0 "" 0 {DEFAULT} {DEFAULT} {FONT} {BORDERS}')


def write(name, records):
    lines = ["KVSHEET 1"] + records + [f"end {len(records)}"]
    with open(os.path.join(HERE, name), "w", newline="\n", encoding="cp1252") as out:
        out.write("\n".join(lines) + "\n")


def section_table():
    labels = ["Name", "Weight", "Height", "Width", "Area"]
    records = [f"size {len(labels)} {len(SECTIONS)}", edit_format(1), number_format(2, 1),
               number_format(3, 0)]
    for col, label in enumerate(labels, start=1):
        records.append(f"cell {col} 0 0 s {quoted(label)}")
    for row, (name, weight, height, width, area) in enumerate(SECTIONS, start=1):
        records.append(f"cell 1 {row} 1 s {quoted(name)}")
        records.append(f"cell 2 {row} 2 n {weight}")
        records.append(f"cell 3 {row} 3 n {height}")
        records.append(f"cell 4 {row} 3 n {width}")
        records.append(f"cell 5 {row} 2 n {area}")
    return records


def evaluate_test():
    lookup = 'FROMTABLE("section_weights.kvs","Name","Weight",B1)'
    return ["size 4 3", number_format(1, 1),
            'cell 1 0 0 s "Weight"', 'cell 2 0 0 s "Section"',
            f"cell 1 1 1 F {quoted(lookup)}", 'cell 2 1 0 s "HEA 200"']


if __name__ == "__main__":
    write("section_weights.kvs", section_table())
    write("evaluate_test.kvs", evaluate_test())
