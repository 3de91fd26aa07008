#!/usr/bin/env python3
"""Runs the workloads on kvsheet and the peer engines and prints one table of medians.

Whole-process figures are processor time (user + system) and peak resident memory from
/usr/bin/time -v; wall-clock time follows in brackets.  Processor time is the comparison that
stays fair when other work shares the machine.
Edit figures are in process: kvsheet's from its Google Benchmark cases, HyperFormula's from
timing setCellContents inside node.  A peer that is not installed shows "n/a".
"""
import json
import os
import re
import shutil
import statistics
import subprocess
import sys

ROOT, WORK, KVSHEET, BENCH = sys.argv[1:5]
REPS = int(os.environ.get("REPS", "3"))
DATA = os.path.join(WORK, "data")
OUT = os.path.join(WORK, "out")
HF_JS = os.path.join(ROOT, "bench", "peers", "hyperformula_run.js")
NODE_MODULES = os.path.join(WORK, "node_modules")

have_gnumeric = shutil.which("ssconvert") is not None
have_hf = shutil.which("node") is not None and os.path.isdir(os.path.join(NODE_MODULES, "hyperformula"))


def timed(cmd):
    """Runs cmd under /usr/bin/time -v; returns (cpu seconds, peak MB, stderr, wall seconds)."""
    env = dict(os.environ, NODE_PATH=NODE_MODULES, NODE_OPTIONS="--max-old-space-size=8192")
    p = subprocess.run(["/usr/bin/time", "-v"] + cmd, capture_output=True, text=True, env=env)
    if p.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(cmd), p.stderr[-400:]))
    wall = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):([\d.]+)", p.stderr)
    wall_seconds = (int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3)))
    user = float(re.search(r"User time \(seconds\): ([\d.]+)", p.stderr).group(1))
    system = float(re.search(r"System time \(seconds\): ([\d.]+)", p.stderr).group(1))
    peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", p.stderr).group(1)) / 1024
    return user + system, peak, p.stderr, wall_seconds


def median_run(cmd, reps=REPS):
    runs = [timed(cmd) for _ in range(reps)]
    return (statistics.median(r[0] for r in runs), max(r[1] for r in runs),
            statistics.median(r[3] for r in runs))


def last_line(path):
    with open(path, "rb") as f:
        lines = f.read().decode("latin1").rstrip("\n").split("\n")
    return lines[-1].strip()


def first_line(path):
    with open(path, "rb") as f:
        return f.readline().decode("latin1").strip()


os.makedirs(OUT, exist_ok=True)
rows = []   # (workload, engine figures dict)


def whole_process(name, csv_in, hf_flags=(), check=last_line):
    src = os.path.join(DATA, csv_in)
    fig = {}
    outputs = {}
    out = os.path.join(OUT, "kv_" + csv_in)
    fig["kvsheet"] = median_run([KVSHEET, "recalc", src, out])
    outputs["kvsheet"] = check(out)
    if have_gnumeric:
        out = os.path.join(OUT, "gn_" + csv_in)
        fig["gnumeric"] = median_run(["ssconvert", "--recalc", src, out])
        outputs["gnumeric"] = check(out)
    if have_hf:
        out = os.path.join(OUT, "hf_" + csv_in)
        fig["hyperformula"] = median_run(["node", HF_JS, src, out] + list(hf_flags))
        outputs["hyperformula"] = check(out)
    agree = len(set(outputs.values())) == 1
    rows.append((name, fig, agree, outputs))


print("Running workloads (%d repetitions each)..." % REPS, file=sys.stderr)
whole_process("W1 chain 1,000,000: load + recalc", "w1_chain.csv")
whole_process("W2 100,000 row sums: load + recalc", "w2_row_sums.csv")
whole_process("W2b 20,000 running sums: load + recalc", "w2b_running_sums.csv")
whole_process("W3 10,000 VLOOKUP: load + recalc", "w3_vlookup.csv", ["--column-index"])
whole_process("W3 10,000 INDEX/MATCH: load + recalc", "w3_index_match.csv", ["--column-index"])

# W4: the engine's own format, load and save (one process each way through convert).
mixed = os.path.join(DATA, "w4_mixed.csv")
kvs = os.path.join(OUT, "w4.kvs")
subprocess.run([KVSHEET, "convert", mixed, kvs], check=True)
fig = {"kvsheet": median_run([KVSHEET, "convert", kvs, os.path.join(OUT, "w4_copy.kvs")])}
if have_gnumeric:
    gnum = os.path.join(OUT, "w4.gnumeric")
    subprocess.run(["ssconvert", mixed, gnum], check=True, capture_output=True)
    fig["gnumeric"] = median_run(["ssconvert", gnum, os.path.join(OUT, "w4_copy.gnumeric")])
rows.append(("W4 10,000 x 10: native load + save", fig, True, {}))
fig = {"kvsheet": median_run([KVSHEET, "convert", mixed, os.path.join(OUT, "w4_copy.csv")])}
if have_gnumeric:
    fig["gnumeric"] = median_run(["ssconvert", mixed, os.path.join(OUT, "w4_gn_copy.csv")])
if have_hf:
    fig["hyperformula"] = median_run(["node", HF_JS, mixed, os.path.join(OUT, "w4_hf_copy.csv")])
rows.append(("W4 10,000 x 10: CSV load + save", fig, True, {}))

# In-process edits.
bench = subprocess.run([BENCH, "--benchmark_format=json",
                        "--benchmark_filter=RecalcAfterA1|SingleEdit|EditFirst|KeyEdit"],
                       capture_output=True, text=True, check=True)
ours = {}
for b in json.loads(bench.stdout)["benchmarks"]:
    unit = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
    ours[b["name"].split("/iterations")[0]] = b["real_time"] * unit


def hf_edit(csv_in, col, row, value, flags=(), reps=REPS):
    if not have_hf:
        return None
    times = []
    for _ in range(reps):
        _, _, err, _ = timed(["node", HF_JS, os.path.join(DATA, csv_in), os.path.join(OUT, "hf_edit.csv"),
                           "--edit", str(col), str(row), value] + list(flags))
        times.append(json.loads(err.strip().splitlines()[0])["editMs"] / 1000)
    return statistics.median(times)


edits = [
    ("W1 change A1, recalc chain", ours.get("W1_ChainRecalcAfterA1"), hf_edit("w1_chain.csv", 1, 1, "2", reps=1)),
    ("W2 change one number, recalc", ours.get("W2_RowSumsSingleEdit"), hf_edit("w2_row_sums.csv", 3, 50000, "7")),
    ("W2b change first number, recalc", ours.get("W2b_RunningSumsEditFirst"), hf_edit("w2b_running_sums.csv", 1, 1, "7")),
    ("W3 change a table key, recalc (VLOOKUP)", ours.get("W3_LookupKeyEdit/indexMatch:0"),
     hf_edit("w3_vlookup.csv", 1, 5000, "renamed", ["--column-index"])),
    ("W3 change a table key, recalc (INDEX/MATCH)", ours.get("W3_LookupKeyEdit/indexMatch:1"),
     hf_edit("w3_index_match.csv", 1, 5000, "renamed", ["--column-index"])),
]


def fmt_s(x):
    if x is None:
        return "n/a"
    if x < 0.001:
        return "%.3f ms" % (x * 1000)
    if x < 1:
        return "%.1f ms" % (x * 1000)
    return "%.2f s" % x


print()
print("| workload | kvsheet | Gnumeric | HyperFormula | kvsheet / best peer |")
print("|---|---|---|---|---|")
for name, fig, agree, outputs in rows:
    cells = []
    for engine in ("kvsheet", "gnumeric", "hyperformula"):
        if engine in fig:
            t, mb, wall = fig[engine]
            cells.append("%s (%s), %.0f MB" % (fmt_s(t), fmt_s(wall), mb))
        else:
            cells.append("n/a")
    peers = [fig[e][0] for e in ("gnumeric", "hyperformula") if e in fig]
    ratio = "%.3f" % (fig["kvsheet"][0] / min(peers)) if peers else "n/a"
    note = "" if agree else " (outputs differ: %s)" % outputs
    print("| %s | %s | %s%s |" % (name, " | ".join(cells), ratio, note))
for name, kv, hf in edits:
    ratio = "%.4f" % (kv / hf) if kv is not None and hf else "n/a"
    print("| %s (in process) | %s | n/a | %s | %s |" % (name, fmt_s(kv), fmt_s(hf), ratio))
print()
print("Gnumeric: %s; HyperFormula: %s; repetitions: %d; whole-process figures are medians of "
      "processor time (wall-clock time in brackets) and the largest peak memory; edits are "
      "in-process medians of wall-clock time." % ("ssconvert" if have_gnumeric else "not installed",
                                            "installed" if have_hf else "not installed", REPS))
