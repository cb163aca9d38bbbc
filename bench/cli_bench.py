#!/usr/bin/python3
"""orvanel-cli's throughput and memory, next to floor programs (run by scripts/bench-cli).

For each command: 1,000,000 mixed input lines through orvanel-cli and through cli_floor
(std::from_chars and std::to_chars of every number of each line), best CPU time of three
runs, lines per second and peak memory. Then rad2deg over 10^5 and 10^7 lines (peak memory
must not grow with the file), and `orvanel-cli rad2deg 1` as a whole process beside a C++
hello-world, interleaved, median of 300 runs each.
"""
import os
import random
import statistics
import subprocess
import sys
import time

cli, floor, hello, work = sys.argv[1:5]
rng = random.Random(5540)


def angle_line():
    d, m, s = rng.randint(0, 359), rng.randint(0, 59), rng.randint(0, 59)
    forms = ["%d %d %d", "%d:%d:%d", "%d°%d'%d\"", "%dd%dm%ds", "%d°%d′%d″ N", "-%d %d %d.5"]
    return rng.choice(forms) % (d, m, s)


MAKERS = {
    "rad2deg": lambda: rng.choice(["%.6f", "%.3f", "%.5f"]) % rng.uniform(-6.28, 6.28),
    "deg2rad": angle_line,
    "add": lambda: "%.5f %.5f" % (rng.uniform(-6.28, 6.28), rng.uniform(-6.28, 6.28)),
    "sub": lambda: "%.4f %.6f" % (rng.uniform(-6.28, 6.28), rng.uniform(-6.28, 6.28)),
}


def write_input(command, lines):
    path = os.path.join(work, "%s-%d.txt" % (command, lines))
    if not os.path.exists(path):
        with open(path, "w") as f:
            for i in range(lines):
                # one line in a thousand is refused, as in real files
                f.write(("7 x" if i % 1000 == 999 else MAKERS[command]()) + "\n")
    return path


def run(cmd, path):
    """CPU seconds and peak resident KiB of one run."""
    with open(path) as f, open(os.devnull, "w") as out:
        p = subprocess.Popen(cmd, stdin=f, stdout=out, stderr=subprocess.DEVNULL)
        _, _, usage = os.wait4(p.pid, 0)
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def best(cmd, path, runs=3):
    results = [run(cmd, path) for _ in range(runs)]
    return min(r[0] for r in results), max(r[1] for r in results)


print("| command | orvanel-cli | floor | ratio | lines/s | peak memory |")
print("|---|---:|---:|---:|---:|---:|")
for command in MAKERS:
    path = write_input(command, 1_000_000)
    t, rss = best([cli, command], path)
    f, _ = best([floor], path)
    print("| %s | %.0f ms | %.0f ms | %.2f | %.2f M | %.1f MiB |"
          % (command, t * 1000, f * 1000, t / f, 1 / t, rss / 1024))

print()
print("| lines (rad2deg) | peak memory |")
print("|---:|---:|")
for lines in (100_000, 10_000_000):
    _, rss = run([cli, "rad2deg"], write_input("rad2deg", lines))
    print("| %d | %d KiB |" % (lines, rss))


def wall(cmd):
    start = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start


times = {"hello": [], "cli": []}
for _ in range(300):
    times["hello"].append(wall([hello]))
    times["cli"].append(wall([cli, "rad2deg", "1"]))
h, c = statistics.median(times["hello"]), statistics.median(times["cli"])
print()
print("Whole process, median of 300: hello-world %.2f ms, orvanel-cli rad2deg 1 %.2f ms, ratio %.2f"
      % (h * 1000, c * 1000, c / h))
