#!/usr/bin/env python3
"""Looks for the slowest `kesta-report --needs` runs: random set-ups, ordinary and extreme,
against own game lists of 1001 animals (the most a list may hold) spread over 1 to 5000 kg,
heavy, light and random. Prints the six slowest by processor time, with their wall time.

Usage: needs-slowest.py KESTA_REPORT COUNT SEED"""
import random, shutil, subprocess, sys, time, resource, os, tempfile
exe, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
folder = tempfile.mkdtemp(prefix="needs-slowest-")
rng = random.Random(seed)
lists = {}
for name, gen in [("spread", lambda i: 1 + i * 4.999), ("heavy", lambda i: 4000 + i * 0.999),
                  ("light", lambda i: 1 + i * 0.099), ("random", lambda i: rng.uniform(1, 5000))]:
    path = os.path.join(folder, f"{name}.csv")
    with open(path, "w") as f:
        f.write("animal,mass_kg\n")
        for i in range(1001):
            f.write(f"A{i},{gen(i):.3f}\n")
    lists[name] = path
def v(choices, ordinary):
    return rng.choice(choices) if rng.random() < 0.5 else ordinary()
results = []
for i in range(count):
    args = ["--needs", "--game", rng.choice(list(lists.values())), "--example",
            rng.choice(["worked-example", "light-deer", "heavy-buffalo"]),
            "mass=" + v(["1e308", "1.7e308", "1e306", "1e300", "1e200", "1e154", "3000", "1", "1e-300", "-1"], lambda: f"{rng.uniform(100, 3000):.0f}"),
            "speed=" + v(["1e154", "1e150", "1e100", "1e30", "1000", "1", "4", "1e-5"], lambda: f"{rng.uniform(100, 1000):.0f}")]
    if rng.random() < 0.5:
        args += ["BH0=" + v(["1e50", "1e150", "100", "0.01", "2618.6"], lambda: f"{rng.uniform(0.2, 3):.2f}"),
                 "BH1=" + v(["1e50", "1e150", "100", "0.01", "8418.4"], lambda: f"{rng.uniform(0.5, 5):.2f}")]
    if rng.random() < 0.3:
        args.append("ShaftDia=" + str(rng.randint(0, 2)))
    if rng.random() < 0.3:
        args.append("BHW=" + v(["1e8", "4062.9", "1"], lambda: f"{rng.uniform(50, 300):.0f}"))
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    t = time.monotonic()
    r = subprocess.run([exe] + args, capture_output=True)
    wall = time.monotonic() - t
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    results.append((wall, cpu, r.returncode, args))
results.sort(key=lambda x: -x[1])
print(f"{count} runs; exit codes", {c: sum(1 for r in results if r[2] == c) for c in set(r[2] for r in results)})
for wall, cpu, rc, args in results[:6]:
    print(f"cpu {cpu:.3f} s wall {wall:.3f} s exit {rc}: {' '.join(args[2:])}")
shutil.rmtree(folder)
