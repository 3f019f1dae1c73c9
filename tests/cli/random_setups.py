"""Runs kesta-report on random set-ups, realistic and wild, and compares every byte of its
output, its exit status and its error message with the independent Python report.

usage: random_setups.py KESTA_REPORT COUNT [SEED]
"""
import os
import random
import re
import subprocess
import tempfile
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import report_oracle as oracle  # noqa: E402

WILD = ["", " ", "abc", "0", "-0", "-5", "1e300", "1e400", "-1e400", "1e-320", "1,5", " 300 ",
        "+2.", ".5", "5.", "1083", "0x10", "inf", "nan", "1e15", "-1", "3.58", "1E+2", "12e-1"]
REALISTIC = {
    "speed": (150, 380), "mass": (150, 1200), "length": (20, 34), "staticspine": (150, 800),
    "shaftweight": (5, 20), "BHW": (50, 300), "Dist12": (5, 60), "Circ12": (2, 40),
    "DrawWeigth": (30, 120), "inEdge": (5, 60), "inTip": (20, 120),
}


def number_text(rng, low, high):
    x = rng.uniform(low, high)
    form = rng.random()
    if form < 0.5:
        return str(round(x))
    if form < 0.9:
        return "%.*f" % (rng.randint(1, 4), x)
    return "%.3e" % x


def blade_text(rng, key):
    index = int(key[2:])
    if rng.random() < 0.25:
        return rng.choice(["", "", "x", "0" if index % 2 == 0 else ""])
    if index % 2 == 0:  # height
        return "%.2f" % rng.uniform(0.1, 0.8)
    return "%.2f" % rng.uniform(0.8, 2.0)


def option_text(rng):
    return rng.choice(["True", "False", "True", "False", "true", " FALSE ", "1", "0", "2.5",
                       "yes", ""])


def random_setup(rng, wildness):
    stored = {}
    for key, control, kind, default in oracle.KEYS:
        if rng.random() < 0.1 * wildness:
            continue  # absent: its default
        wild = rng.random() < wildness
        if kind == "T":
            if wild:
                stored[key] = rng.choice(WILD)
            elif key.startswith("BH") and key[2:].isdigit():
                stored[key] = blade_text(rng, key)
            elif key in REALISTIC:
                stored[key] = number_text(rng, *REALISTIC[key])
            else:
                stored[key] = "0"
        elif kind == "O":
            stored[key] = option_text(rng) if wild else rng.choice(["True", "False"])
        elif kind == "L":
            stored[key] = rng.choice(["-1", "0", "1", "2", "3", "1.5", "2.5", "x", ""]) if wild \
                else str(rng.randint(-1, 2))
        else:
            stored[key] = rng.choice(["0", "1", "0.5", "1.5", "2", "-1"]) if wild \
                else str(rng.randint(0, 1))
    # Most set-ups should reach the end of the report: keep the usual unit pairs and blades.
    if rng.random() < 0.7 - wildness:
        stored.update({"Imperial": "True", "Metric": "False", "speedf": "True", "massgr": "True",
                       "lengthI": "True", "BHI": "True", "BHWGr": "True"})
    return stored


PLACE = re.compile(rb"^error: (.*) \((input \w+|report line (\d+), [A-Za-z ]+)\)\n$")


def place_matches(stderr, error, lines):
    """The error line names the oracle's error and where it stopped: the input being read
    when no line was written by the report, else the line after the last one written."""
    m = PLACE.match(stderr)
    if not m or m.group(1) != error.encode():
        return False
    if m.group(3) is None:
        return m.group(2).startswith(b"input ")
    return int(m.group(3)) == len(lines) + 1


def main():
    exe, count = sys.argv[1], int(sys.argv[2])
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 20261208
    rng = random.Random(seed)
    settings = os.path.join(tempfile.mkdtemp(prefix="kesta-random-"), "setup.ini")
    compared = skipped = failed = errors = 0
    for case in range(count):
        stored = random_setup(rng, wildness=rng.choice([0.0, 0.0, 0.02, 0.05, 0.2, 0.5]))
        try:
            lines, error = oracle.report(oracle.load(stored))
        except oracle.TooSlow:
            skipped += 1
            continue
        # Through a settings file, as the window's store holds them: the command line refuses
        # option values the store's loading rules still read ("yes", " FALSE ", "2.5").
        with open(settings, "w", encoding="utf-8") as ini:
            ini.write("[values]\n")
            for key, text in stored.items():
                ini.write('%s="%s"\n' % (key, text.replace("\\", "\\\\").replace('"', '\\"')))
        args = [exe, "--crlf", "--settings", settings]
        run = subprocess.run(args, capture_output=True, timeout=60)
        # Warnings about the inputs come before the report and never change it; the error
        # line is what this comparison is about.
        run.stderr = b"".join(
            line for line in run.stderr.splitlines(True) if not line.startswith(b"warning: "))
        want_out = "".join(line + "\r\n" for line in lines).encode("latin-1")
        want_code = 3 if error else 0
        want_err = ("error: %s\n" % error).encode() if error else b""
        compared += 1
        errors += bool(error)
        if error and place_matches(run.stderr, error, lines):
            # The place the tool adds is checked against the oracle's own lines instead: a
            # failure in Setup names an input, any later one the report line it stopped at.
            want_err = run.stderr
        if (run.stdout, run.returncode, run.stderr) != (want_out, want_code, want_err):
            failed += 1
            if failed <= 5:
                print("MISMATCH in case %d: %s" % (case, " ".join(args[1:])))
                got = run.stdout.decode("latin-1").split("\r\n")
                want = want_out.decode("latin-1").split("\r\n")
                for i, (g, w) in enumerate(zip(got, want)):
                    if g != w:
                        print("  first differing line %d:\n    got  %r\n    want %r" % (i + 1, g, w))
                        break
                else:
                    print("  lines got %d want %d" % (len(got), len(want)))
                print("  exit got %d want %d; stderr got %r want %r"
                      % (run.returncode, want_code, run.stderr, want_err))
    print("random set-ups: %d compared (%d ending in an error), %d skipped as too slow to step"
          % (compared, errors, skipped))
    print("%d passed, %d failed" % (compared - failed, failed))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
