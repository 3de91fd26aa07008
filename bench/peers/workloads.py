#!/usr/bin/env python3
"""Writes the benchmark workloads as CSV files (the same texts as bench/sheet/workloads.cpp)."""
import os
import sys


def chain(rows):
    return "1\n" + "".join("=A%d+1\n" % (r - 1) for r in range(2, rows + 1))


def row_sums(rows):
    out = []
    for r in range(1, rows + 1):
        nums = ",".join(str((r * 7 + c * 13) % 1000) for c in range(10))
        out.append("%s,=SUM(A%d:J%d)\n" % (nums, r, r))
    return "".join(out)


def running_sums(rows):
    return "".join("%d,=SUM($A$1:A%d)\n" % (r % 100, r) for r in range(1, rows + 1))


def lookup(rows, index_match):
    out = []
    for r in range(1, rows + 1):
        key = "key%d" % ((r * 7919) % rows + 1)
        look_for = "key%d" % (rows - r + 1)
        if index_match:
            f = '"=INDEX($B$1:$B$%d,MATCH(D%d,$A$1:$A$%d,0))"' % (rows, r, rows)
        else:
            f = '"=VLOOKUP(D%d,$A$1:$B$%d,2,0)"' % (r, rows)
        out.append("%s,%d,,%s,%s\n" % (key, r * 3, look_for, f))
    return "".join(out)


def mixed(rows):
    out = []
    for r in range(1, rows + 1):
        cells = []
        for c in range(10):
            if c % 2 == 0:
                cells.append("%d.%d" % (r * 10 + c, c * 25))
            else:
                cells.append("text %d-%d" % (r, c))
        out.append(",".join(cells) + "\n")
    return "".join(out)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    files = {
        "w1_chain.csv": chain(1_000_000),
        "w2_row_sums.csv": row_sums(100_000),
        "w2b_running_sums.csv": running_sums(20_000),
        "w3_vlookup.csv": lookup(10_000, False),
        "w3_index_match.csv": lookup(10_000, True),
        "w4_mixed.csv": mixed(10_000),
    }
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", newline="") as f:
            f.write(text)


if __name__ == "__main__":
    main(sys.argv[1])
