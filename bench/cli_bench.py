#!/usr/bin/python3
"""orvanel-cli's throughput and memory, next to floor programs (run by scripts/bench-cli).

Then --csv: 1,000,000 rows of five columns, two of them angles, converted by dms2deg next to
csv_floor (std::from_chars and std::to_chars of every cell), and a 100 MB file's peak memory.

For each command: 1,000,000 input lines through orvanel-cli, through cli_floor
(std::from_chars and std::to_chars of every number of each line), and through mawk, gawk and
python3 programs that do the same conversion without its checks; best CPU time of three runs,
lines per second and peak memory. Then a 100 MB line's peak memory. Then rad2deg over 10^5 and 10^7 lines (peak memory
must not grow with the file), and `orvanel-cli rad2deg 1` as a whole process beside a C++
hello-world, interleaved, median of 300 runs each.
"""
import os
import random
import statistics
import subprocess
import sys
import time

cli, floor, hello, csv_floor, work = sys.argv[1:6]
rng = random.Random(5540)


def angle_line(forms):
    d, m, s = rng.randint(0, 359), rng.randint(0, 59), rng.randint(0, 59)
    return rng.choice(forms) % (d, m, s)


MAKERS = {
    "rad2deg": lambda: rng.choice(["%.6f", "%.3f", "%.5f"]) % rng.uniform(-6.28, 6.28),
    "deg2rad": lambda: angle_line(["%d %d %d"]),
    "deg2rad-mixed": lambda: angle_line(
        ["%d %d %d", "%d:%d:%d", "%d°%d'%d\"", "%dd%dm%ds", "%d°%d′%d″ N", "-%d %d %d.5"]),
    "add": lambda: "%.5f %.5f" % (rng.uniform(-6.28, 6.28), rng.uniform(-6.28, 6.28)),
    "sub": lambda: "%.4f %.6f" % (rng.uniform(-6.28, 6.28), rng.uniform(-6.28, 6.28)),
    "dms2deg": lambda: angle_line(["%d°%d'%d.5\"N", "%d %d %d", "S %d:%d:%d"]),
    "deg2dms": lambda: "%.6f" % rng.uniform(-180, 180),
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
    """CPU seconds and peak resident KiB of one run. The peak comes from time(1): a child's own
    figure from wait4 would count the pages of this script it was forked from."""
    peak = os.path.join(work, "peak.txt")
    with open(path) as f, open(os.devnull, "w") as out:
        p = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", peak] + cmd, stdin=f, stdout=out,
                             stderr=subprocess.DEVNULL)
        _, _, usage = os.wait4(p.pid, 0)
    with open(peak) as f:
        return usage.ru_utime + usage.ru_stime, int(f.read().split()[-1])


def instructions(cmd, path):
    """Instructions executed, counted by callgrind: the same on every run, however busy the
    machine is, so the ratio to the floor is repeatable where times are not."""
    out = os.path.join(work, "callgrind.out")
    with open(path) as f:
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out] + cmd,
                       stdin=f, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    with open(out) as f:
        return next(int(line.split()[1]) for line in f if line.startswith("summary:"))


def best(cmd, path, runs=5):
    results = [run(cmd, path) for _ in range(runs)]
    return min(r[0] for r in results), max(r[1] for r in results)


TURN = "6.28318530717959"
AWK = {
    "rad2deg": 'function i(x){return int(x)} {r=$1+0;g=r/%s*360;n=g<0;if(n)g=-g;d=i(g);m=i((g-d)*60);'
               's=i(((g-d)*60-m)*60+0.5);if(s==60){s=0;m++}if(m==60){m=0;d++}'
               'printf "%%.5f radians = %%s%%d°%%d\'%%d\\"\\n",r,n?"-":"",d,m,s}' % TURN,
    "deg2rad": '{r=($1+$2/60+$3/3600)/360*%s;printf "%%d°%%d\'%%d\\" = %%.5f radians\\n",$1,$2,$3,r}'
               % TURN,
    "add": '{x=$1+$2;while(x<0)x+=%s;while(x>=%s)x-=%s;printf "(%%s + %%s) mod 2pi = %%.5f\\n",$1,$2,x}'
           % (TURN, TURN, TURN),
    "sub": '{x=$1-$2;while(x<0)x+=%s;while(x>=%s)x-=%s;printf "(%%s - %%s) mod 2pi = %%.5f\\n",$1,$2,x}'
           % (TURN, TURN, TURN),
}
PYTHON = {
    "rad2deg": """
import sys
w=sys.stdout.write
for l in sys.stdin:
    try: r=float(l)
    except ValueError: continue
    g=abs(r)/%s*360; d=int(g); m=int((g-d)*60); s=round(((g-d)*60-m)*60)
    if s==60: s=0; m+=1
    if m==60: m=0; d+=1
    w("%%.5f radians = %%s%%d°%%d'%%d\\"\\n" %% (r, "-" if r<0 else "", d, m, s))
""" % TURN,
    "deg2rad": """
import sys
w=sys.stdout.write
for l in sys.stdin:
    p=l.split()
    try: d,m,s=int(p[0]),int(p[1]),int(p[2])
    except (ValueError, IndexError): continue
    w("%%d°%%d'%%d\\" = %%.5f radians\\n" %% (d,m,s,(d+m/60+s/3600)/360*%s))
""" % TURN,
}
for op in ("add", "sub"):
    PYTHON[op] = """
import sys
T=%s
w=sys.stdout.write
for l in sys.stdin:
    p=l.split()
    try: x=float(p[0]) %s float(p[1])
    except (ValueError, IndexError): continue
    w("(%%s %s %%s) mod 2pi = %%.5f\\n" %% (p[0], p[1], x %% T))
""" % (TURN, "+" if op == "add" else "-", "+" if op == "add" else "-")

print("| command | orvanel-cli | floor | ratio | instructions ratio | mawk | gawk | python3 | lines/s | peak memory |")
print("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
for command in MAKERS:
    path = write_input(command, 1_000_000)
    name = command.split("-")[0]
    t, rss = best([cli, name], path)
    f, _ = best([floor], path)
    others = []
    for tool in (["mawk"], ["gawk"], ["/usr/bin/python3", "-c"]):
        job = (PYTHON if "python3" in tool[0] else AWK).get(command)
        others.append("%.0f ms" % (best(tool + [job], path, 1)[0] * 1000) if job else "")
    small = write_input(command, 100_000)
    ratio = instructions([cli, name], small) / instructions([floor], small)
    print("| %s | %.0f ms | %.0f ms | %.2f | %.2f | %s | %s | %s | %.2f M | %.1f MiB |"
          % (command, t * 1000, f * 1000, t / f, ratio, *others, 1 / t, rss / 1024))

def csv_rows(path, rows):
    with open(path, "w") as f:
        f.write("id,name,lat,lon,note\n")
        for i in range(rows):
            lat = "%d°%02d'%04.1f\"%s" % (rng.randint(0, 89), rng.randint(0, 59), rng.uniform(0, 59.9), rng.choice("NS"))
            lon = "%d %d %.2f %s" % (rng.randint(0, 179), rng.randint(0, 59), rng.uniform(0, 59.9), rng.choice("EW"))
            f.write('%d,"Gauge %d, river",%s,%s,ok\n' % (i, i, lat, lon))


csv_path = os.path.join(work, "stations.csv")
if not os.path.exists(csv_path):
    csv_rows(csv_path, 1_000_000)
csv_cmd = [cli, "dms2deg", "--csv", "--header", "--column", "lat", "--column", "lon"]
t, rss = best(csv_cmd, csv_path)
f, _ = best([csv_floor], csv_path)
small_csv = os.path.join(work, "stations-small.csv")
if not os.path.exists(small_csv):
    csv_rows(small_csv, 100_000)
ratio = instructions(csv_cmd, small_csv) / instructions([csv_floor], small_csv)
print()
print("| --csv, 1,000,000 rows, 2 angle columns of 5 | orvanel-cli | floor | ratio | instructions ratio | rows/s | peak memory |")
print("|---|---:|---:|---:|---:|---:|---:|")
print("| dms2deg | %.0f ms | %.0f ms | %.2f | %.2f | %.2f M | %.1f MiB |"
      % (t * 1000, f * 1000, t / f, ratio, 1 / t, rss / 1024))
big_csv = os.path.join(work, "stations-100MB.csv")
if not os.path.exists(big_csv):
    with open(big_csv, "w") as out, open(csv_path) as part:
        rows = part.read()
        while out.tell() < 100_000_000:
            out.write(rows)
_, rss = run(csv_cmd, big_csv)
print()
print("A %d MB CSV file: peak memory %d KiB" % (os.path.getsize(big_csv) // 1_000_000, rss))

huge = os.path.join(work, "huge-line.txt")
with open(huge, "w") as f:
    f.write("1\n")
    for _ in range(100):
        f.write("9" * 1_000_000)
    f.write("\n2\n")
_, rss = run([cli, "rad2deg"], huge)
print()
print("A 100 MB line between two others: peak memory %d KiB" % rss)

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
