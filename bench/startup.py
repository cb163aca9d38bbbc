#!/usr/bin/python3
"""Start-up of Orvanel against its floor window (run by scripts/bench).

Each run is a process of its own: `orvanel_bench --startup=main` starts the program's own
objects and ends once the main window is exposed and painted; `--startup=floor` does the same
for a bare window of the same size with the same captions in the same fonts.
Interleaved runs; the median wall time and peak resident memory (time(1)) of each.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

bench, runs = sys.argv[1], int(sys.argv[2])
peak_file = tempfile.NamedTemporaryFile(delete=False).name


def once(kind):
    start = time.perf_counter()
    subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak_file, bench, "--startup=" + kind],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    with open(peak_file) as f:
        return elapsed * 1000, int(f.read().split()[-1])


results = {"floor": [], "main": []}
for _ in range(runs):
    for kind in results:
        results[kind].append(once(kind))
os.unlink(peak_file)
median = {k: (statistics.median(t for t, _ in v), statistics.median(m for _, m in v))
          for k, v in results.items()}
(ft, fm), (mt, mm) = median["floor"], median["main"]
print("Launch to window shown, median of %d on %s: floor %.1f ms %d KiB, Orvanel %.1f ms %d KiB;"
      " ratio %.2f time, %.2f memory"
      % (runs, os.environ.get("QT_QPA_PLATFORM") or "xcb", ft, fm, mt, mm, mt / ft, mm / fm))
