#!/usr/bin/env python3
"""Runs `kesta-report --needs` on random set-ups with two builds and compares every byte of
standard output and error and the exit status: a change to the what-if search must leave each
answer as it was.

Usage: needs-equivalence.py OLD_KESTA_REPORT NEW_KESTA_REPORT COUNT SEED

The set-ups start from an example (mostly) with random masses, speeds and broadheads, some
extreme (1e308 grains, 1e154 fps, blades of 1e150 inches); the game is a built-in table or a
hunter's own list of 1 to 1001 animals written to a temporary folder; the format is text, CSV
or JSON."""
import random, shutil, subprocess, sys, os, tempfile, concurrent.futures as cf
old, new, count, seed = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
folder = tempfile.mkdtemp(prefix="needs-equivalence-")
rng = random.Random(seed)
CORNERS = {"mass": ["1e300", "1e306", "1e308", "1.7e308", "1e154", "1e200", "3000", "1", "0.001"],
           "speed": ["1e100", "1e150", "1e154", "1e155", "1000", "1", "4", "1e10"],
           "bh": ["1e50", "1e150", "0.01", "100"]}
def val(kind):
    r = rng.random()
    if kind in CORNERS and r < 0.15:
        return rng.choice(CORNERS[kind])
    if kind == 'mass':
        return rng.choice([f"{rng.uniform(100, 1200):.1f}", f"{rng.uniform(1, 3500):.0f}", f"1e{rng.randint(1,308)}", str(rng.uniform(-5,5)), "0"]) if r < 0.4 else f"{rng.uniform(200, 900):.0f}"
    if kind == 'speed':
        return rng.choice([f"{rng.uniform(1, 1000):.0f}", f"1e{rng.randint(1,200)}", "0", str(rng.uniform(-3, 3))]) if r < 0.3 else f"{rng.uniform(150, 400):.0f}"
    if kind == 'bh':
        return rng.choice(["0", f"{rng.uniform(0, 5):.2f}", f"1e{rng.randint(1,100)}", "-1"]) if r < 0.3 else f"{rng.uniform(0.3, 2):.2f}"
    return rng.choice([f"{rng.uniform(0, 100):.1f}", "0", f"{rng.uniform(0, 5):.2f}"])
def game(i):
    r = rng.random()
    if r < 0.25:
        return rng.choice(["africa", "north-america", "europe", "australia-new-zealand"])
    n = rng.choice([1, 2, 5, 20, 60, 200, 1001]) if r < 0.9 else rng.randint(1, 50)
    path = os.path.join(folder, f"g{seed}_{i}.csv")
    masses = []
    for k in range(n):
        m = rng.choice([rng.uniform(1, 5000), rng.uniform(1, 100), round(rng.uniform(1, 5000)), 1, 5000, rng.uniform(1,2)])
        if masses and rng.random() < 0.1:
            m = rng.choice(masses)
        masses.append(m)
    with open(path, "w") as f:
        f.write("animal,mass_kg\n")
        for k, m in enumerate(masses):
            f.write(f"A{k},{m:.4g}\n" if rng.random() < 0.5 else f"A{k},{m}\n")
    return path
cases = []
for i in range(count):
    args = ["--needs", "--game", game(i), "--format", rng.choice(["csv", "csv", "json", "text"])]
    if rng.random() < 0.9:
        args += ["--example", rng.choice(["worked-example", "light-deer", "heavy-buffalo"])]
    for key, kind in [("mass", "mass"), ("speed", "speed"), ("BH0", "bh"), ("BH1", "bh"), ("BHW", "bh"), ("inTip", "x"), ("inEdge", "x")]:
        if rng.random() < (0.9 if key in ("mass", "speed") else 0.12):
            args.append(f"{key}={val(kind)}")
    if rng.random() < 0.1:
        args.append(f"inCOC={rng.randint(0, 1)}")
    if rng.random() < 0.2:
        args.append(f"ShaftDia={rng.randint(0, 2)}")
    if rng.random() < 0.2:
        args.append(f"DrawWeigth={rng.uniform(20, 120):.0f}")
    cases.append(args)
def run(args):
    a = subprocess.run([old] + args, capture_output=True, timeout=600)
    b = subprocess.run([new] + args, capture_output=True, timeout=600)
    return args, (a.returncode, a.stdout, a.stderr) == (b.returncode, b.stdout, b.stderr), a.returncode
diff = 0; codes = {}
with cf.ThreadPoolExecutor(2) as ex:
    for args, same, rc in ex.map(run, cases):
        codes[rc] = codes.get(rc, 0) + 1
        if not same:
            diff += 1
            print("DIFF:", " ".join(args))
print(f"{count} cases, {diff} differ, exit codes {codes}")
shutil.rmtree(folder)
