#!/usr/bin/env python3
"""W4 as workbooks: load + save in one process for kvsheet, ssconvert and LibreOffice.

Processor time (user + system) and peak resident memory from /usr/bin/time -v, wall-clock
time in brackets; medians of REPS runs.  /usr/bin/time counts the largest of kvsheet and the
child process its workbook reader runs in; a further run of kvsheet alone samples the peak of
each (VmHWM from /proc, every half millisecond) to tell them apart.  The .xlsx and .ods inputs are made once by kvsheet
(.xlsx) and by Gnumeric (.ods, as kvsheet writes no .ods); every program reads the same files.
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

WORK, KVSHEET = sys.argv[1:3]
REPS = int(os.environ.get("REPS", "3"))
DATA = os.path.join(WORK, "data")
OUT = os.path.join(WORK, "out_workbooks")
os.makedirs(OUT, exist_ok=True)
have_gnumeric = shutil.which("ssconvert") is not None
have_office = shutil.which("soffice") is not None


def timed(cmd):
    p = subprocess.run(["/usr/bin/time", "-v"] + cmd, capture_output=True, text=True)
    if p.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(cmd), p.stderr[-400:]))
    wall = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):([\d.]+)", p.stderr)
    wall_s = int(wall.group(1) or 0) * 3600 + int(wall.group(2)) * 60 + float(wall.group(3))
    user = float(re.search(r"User time \(seconds\): ([\d.]+)", p.stderr).group(1))
    system = float(re.search(r"System time \(seconds\): ([\d.]+)", p.stderr).group(1))
    peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", p.stderr).group(1)) / 1024
    return user + system, peak, wall_s


def process_peaks(cmd):
    """Peak resident memory in MB of the program and of its largest child process."""
    def hwm(pid):
        try:
            with open("/proc/%d/status" % pid) as f:
                for line in f:
                    if line.startswith("VmHWM:"):
                        return int(line.split()[1]) / 1024
        except OSError:
            return None
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    peaks = {}
    while p.poll() is None:
        pids = [p.pid]
        try:
            for task in os.listdir("/proc/%d/task" % p.pid):
                with open("/proc/%d/task/%s/children" % (p.pid, task)) as f:
                    pids += [int(x) for x in f.read().split()]
        except OSError:
            pass
        for pid in pids:
            mb = hwm(pid)
            if mb:
                peaks[pid] = max(peaks.get(pid, 0), mb)
        time.sleep(0.0005)
    own = peaks.pop(p.pid, 0)
    return own, max(peaks.values(), default=0)


def median_run(cmd):
    runs = [timed(cmd) for _ in range(REPS)]
    return (statistics.median(r[0] for r in runs), max(r[1] for r in runs),
            statistics.median(r[2] for r in runs))


def office(src, out_dir):
    # A profile folder of its own, so that runs do not share a first-start cost or a lock.
    profile = tempfile.mkdtemp(prefix="kv-office-")
    return ["soffice", "-env:UserInstallation=file://" + profile, "--headless",
            "--convert-to", "xlsx", "--outdir", out_dir, src]


mixed = os.path.join(DATA, "w4_mixed.csv")
kvs = os.path.join(OUT, "w4.kvs")
xlsx = os.path.join(OUT, "w4.xlsx")
ods = os.path.join(OUT, "w4.ods")
subprocess.run([KVSHEET, "convert", mixed, kvs], check=True)
subprocess.run([KVSHEET, "convert", mixed, xlsx], check=True)
if have_gnumeric:
    subprocess.run(["ssconvert", xlsx, ods], check=True, capture_output=True)

rows = []
native = median_run([KVSHEET, "convert", kvs, os.path.join(OUT, "w4_copy.kvs")])
for name, src in (("xlsx", xlsx), ("ods", ods)):
    if not os.path.exists(src):
        continue
    kv_cmd = [KVSHEET, "convert", src, os.path.join(OUT, "kv_from_%s.xlsx" % name)]
    fig = {"kvsheet": median_run(kv_cmd), "split": process_peaks(kv_cmd), "format": name}
    if have_gnumeric:
        fig["gnumeric"] = median_run(["ssconvert", src, os.path.join(OUT, "gn_from_%s.xlsx" % name)])
    if have_office:
        out_dir = os.path.join(OUT, "office_" + name)
        os.makedirs(out_dir, exist_ok=True)
        fig["libreoffice"] = median_run(office(src, out_dir))
    rows.append(("W4 10,000 x 10: .%s load + .xlsx save" % name, fig))


def fmt(x):
    return "%.0f ms" % (x * 1000) if x < 1 else "%.2f s" % x


print()
print("| workload | kvsheet | Gnumeric | LibreOffice | kvsheet / faster peer | memory / native |")
print("|---|---|---|---|---|---|")
print("| W4 native load + save | %s (%s), %.0f MB | | | | 1 |" % (fmt(native[0]), fmt(native[2]), native[1]))
for name, fig in rows:
    cells = []
    for engine in ("kvsheet", "gnumeric", "libreoffice"):
        if engine in fig:
            t, mb, wall = fig[engine]
            cells.append("%s (%s), %.0f MB" % (fmt(t), fmt(wall), mb))
        else:
            cells.append("n/a")
    peers = [fig[e][0] for e in ("gnumeric", "libreoffice") if e in fig]
    ratio = "%.3f" % (fig["kvsheet"][0] / min(peers)) if peers else "n/a"
    print("| %s | %s | %s | %.2f |" % (name, " | ".join(cells), ratio, fig["kvsheet"][1] / native[1]))
print()
print("| kvsheet peak memory, sampled | the program | its workbook reader | program / native | reader / native |")
print("|---|---|---|---|---|")
for name, fig in rows:
    own, reader = fig["split"]
    print("| .%s load + .xlsx save | %.0f MB | %.0f MB | %.2f | %.2f |"
          % (fig["format"], own, reader, own / native[1], reader / native[1]))
print()
print("Repetitions: %d; processor time (user + system), wall clock in brackets, peak memory."
      % REPS)
