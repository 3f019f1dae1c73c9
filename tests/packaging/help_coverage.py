#!/usr/bin/env python3
"""Every line of the report is explained on the help page.

usage: help_coverage.py KESTA_REPORT HELP_HTML

Runs kesta-report on the worked example (the full imperial report), on the same set-up with
only blades 1 and 2 filled (so that the blade count factor line is written too) and with
Metric=True (the three-line metric summary), derives a label from every report line and fails,
listing them, if any label is missing from the help page.

The label of a report line:
  * An empty or blank line, the line of hyphens and the lines of a name list are skipped. A name
    list is the run of lines after a heading that ends in a colon with nothing after it
    ("Sufficient for:"), up to the next empty line or the line of hyphens.
  * A line with a label separator has the text before it, with the separator itself, as its
    label, blanks at both ends removed: the separator is the first ":" ("   Mass :  400 grains"
    gives "Mass :", "Average Cutting Diameter(aveCD):0.819 inch" gives "Average Cutting
    Diameter(aveCD):") or, in a line with no ":", the first " = " of the metric summary
    ("Momentum = 2.38 Newton seconds" gives "Momentum ="). The separator is kept so that the
    metric lines are told from the imperial lines of the same name, and a page that only
    mentions "Ro" in passing does not count as explaining the line "Ro = 5.2 kg".
  * Any other line is a heading or a table row. Its label is the line with its number cells
    left out, a number cell being a blank-separated word that is a number (with an optional
    sign, decimals, exponent or "%"), a category mark ("#1", "#4+") or the yards unit "Y". A
    heading keeps every word ("Max distance in Relation to Reaction time and"), a table row
    keeps its row name ("Category      0.15      21 Y" gives "Category"), and a row of number
    cells only ("    #1        4.5  36 Y") has no label and is skipped.

The help page is searched as text: tags removed, HTML entities decoded, every run of white
space (no-break spaces included) made one blank; labels are normalised the same way, and
matched case-sensitively. Text inside <pre> is not searched: a report pasted into the page
would name every label without explaining any of them.
"""

import html
import os
import re
import subprocess
import sys
import tempfile

WORKED_EXAMPLE = [
    "speed=300", "mass=400", "length=28", "shaftweight=9", "staticspine=400", "BHW=100",
    "DrawWeigth=60", "BH0=0.5", "BH1=1", "BH2=0.5", "BH3=1", "ShaftDia=0", "Dist12=20",
    "Circ12=6", "Safety1=True",
]
TWO_BLADES = [f"BH{k}=" for k in range(4, 12)]
RUNS = {
    "imperial": WORKED_EXAMPLE,
    "imperial, two blades": WORKED_EXAMPLE + TWO_BLADES,
    "metric": WORKED_EXAMPLE + ["Metric=True"],
}

NUMBER_CELL = re.compile(r"^(?:#\d+\+?|[-+]?(?:\d+\.?\d*|\.\d+)(?:[Ee][-+]?\d+)?%?|Y)$")
HYPHEN_LINE = re.compile(r"^-{10,}$")


def normalise(text):
    return " ".join(text.split())


def report_labels(lines):
    labels = []
    in_list = False
    for line in lines:
        stripped = line.strip()
        if not stripped or HYPHEN_LINE.match(stripped):
            in_list = False
            continue
        if in_list:
            continue
        if ":" in line:
            label, rest = line.split(":", 1)
            label += ":"
            if not rest.strip():
                in_list = True
        elif " = " in line:
            label = line.split(" = ", 1)[0] + " ="
        else:
            label = " ".join(w for w in line.split() if not NUMBER_CELL.match(w))
        label = normalise(label)
        if label:
            labels.append(label)
    return labels


def help_text(path):
    with open(path, encoding="utf-8") as f:
        page = f.read()
    page = re.sub(r"<pre\b.*?</pre\s*>", " ", page, flags=re.S | re.I)
    page = re.sub(r"<!--.*?-->", " ", page, flags=re.S)
    page = re.sub(r"<[^>]*>", " ", page)
    return normalise(html.unescape(page))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.split("\n\n")[1])
    tool, page_path = sys.argv[1], sys.argv[2]
    page = help_text(page_path)

    missing = []
    with tempfile.TemporaryDirectory() as home:
        # The tool reads no store without --user; a private home keeps it so regardless.
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        for name, args in RUNS.items():
            run = subprocess.run([tool] + args, capture_output=True, text=True, env=env)
            if run.returncode != 0:
                sys.exit(f"{name}: kesta-report exited {run.returncode}: {run.stderr.strip()}")
            lines = run.stdout.split("\n")
            labels = report_labels(lines)
            # A report that came out short would make the check pass on too little.
            least = 3 if name == "metric" else 40
            if len(labels) < least:
                sys.exit(f"{name}: only {len(labels)} labels in the report:\n{run.stdout}")
            for label in labels:
                if label not in page and (name, label) not in missing:
                    missing.append((name, label))
            print(f"{name}: {len(labels)} report lines with a label, "
                  f"{sum(1 for n, _ in missing if n == name)} missing from the help page")

    if missing:
        print("Labels not found on the help page " + page_path + ":")
        for name, label in missing:
            print(f"  [{name}] {label!r}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
