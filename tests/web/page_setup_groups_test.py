"""The page's set-up files with the downrange inputs and the game choice, both ways against the
desktop program's own writer and reader of them (setup_file_probe, on the settings layer):
what the page downloads is byte for byte what the desktop writes for the same set-up (but for
the order of the lines of [values], the page's own since its first files) and
reports through kesta-report as the page does, and what the desktop writes, or a hand-edited
file, opens in the page as the desktop opens it.

usage: page_setup_groups_test.py CHECK SITE_DIR KESTA_REPORT SETUP_FILE_PROBE
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

import page_test
from page_test import Page, check, download, load_example
from page_downrange_game_test import (choose_game, downrange_keys, downrange_pairs, press,
                                      run_native, shown, type_game_list)

# A list with what the desktop's INI writer escapes: quotes, a backslash, ';' and '=', a
# comma inside a quoted field, letters beyond ASCII, pounds read into kg.
OWN_LIST = ('animal,mass_lb,source\n'
            'Whitetail "big" buck,200.5,"notes; a=b, c\\\\d"\n'
            'Élan ünï,700,\n'
            'Roe doe,48.5,\n')
# Downrange texts as typed: a number with spare digits, a word, chronograph readings.
DOWNRANGE = {"ShaftOD": "0.2950", "Head": "mechanical", "Altitude": "1500", "Zero": "25",
             "MaxDistance": "60", "ChronoNear": "281.5", "ChronoNearYards": "2",
             "ChronoFar": "262", "ChronoFarYards": "30"}


class Desktop:
    """The probe: the desktop's Save as and Open of a set-up file."""

    def __init__(self, probe, folder):
        self.probe = probe
        self.folder = folder

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, example, table=None, own_list=None, downrange=None):
        args = [self.probe, "write", self.path(name), example]
        if table:
            args += ["--table", table]
        if own_list is not None:
            listed = self.path(name + ".csv")
            with open(listed, "w", encoding="utf-8") as f:
                f.write(own_list)
            args += ["--my-game", listed]
        args += ["%s=%s" % kv for kv in (downrange or {}).items()]
        run = subprocess.run(args, capture_output=True, text=True, timeout=60)
        check(run.returncode == 0, "the desktop did not write %s: %s" % (name, run.stderr))
        with open(self.path(name), "rb") as f:
            return f.read()

    def read(self, path):
        run = subprocess.run([self.probe, "read", path], capture_output=True, text=True,
                             timeout=60)
        check(run.returncode == 0, "the desktop did not read %s: %s" % (path, run.stderr))
        return json.loads(run.stdout)

    def game_argument(self, read, name):
        """kesta-report's --game for the choice the desktop read: a table's name, or a file
        holding the list as the desktop keeps it."""
        game = read["game"]
        if game is None or game["table"] != "my-game":
            return game["table"] if game else "africa"
        listed = self.path(name)
        with open(listed, "w", encoding="utf-8") as f:
            f.write(game["my_game"])
        return listed


def file_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def values_by_name(data):
    """The file's bytes with the lines of [values] in the desktop writer's order, by name: the
    page writes them in the order of its form (its files always have), every other line as the
    desktop writes it."""
    def by_key(group):
        lines = group.split(b"\n")
        return b"\n".join([lines[0]] + sorted(lines[1:], key=lambda l: (l == b"", l.split(b"=")[0])))
    return b"\n\n".join(by_key(g) if g.startswith(b"[values]\n") else g
                         for g in data.split(b"\n\n"))


def open_file(page, path):
    """Open set-up on the file; the page's words about it."""
    page.js("document.getElementById('file-problem').textContent = ''")
    return page_test.open_setup(page, path)


def page_game(page):
    """(table chosen, the own list's text)."""
    return (page.js("return document.getElementById('game-table').value"),
            page.js("return document.getElementById('my-game-csv').value"))


def page_downrange(page):
    """The page's downrange inputs, the chronograph keys without readings left out as the
    desktop's reading leaves them out."""
    return {k: v for k, v in downrange_pairs(page).items() if v != "" or not k.startswith("Chrono")}


def same_reports(page, desktop, saved, game):
    """The page's report, downrange table and ethical ranges are kesta-report's on the file
    with --game `game` (the file's [downrange] read by kesta-report itself)."""
    text, error = page.press_report()
    native, _ = run_native(page, "--settings", saved, "--game", game)
    check(error is None and text == native and text, "the report differs from kesta-report's")
    pairs = dict(page.form_pairs(), **downrange_pairs(page))
    got = page.js("return kesta.downrange(arguments[0]).text", pairs)
    check(got == run_native(page, "--downrange", "--settings", saved)[0] and got,
          "downrange table differs")
    got = page.js("return kesta.ranges(arguments[0], arguments[1]).text", pairs,
                  page.js("return document.getElementById('game-table').value === 'my-game' ?"
                          " {csv: document.getElementById('my-game-csv').value} :"
                          " document.getElementById('game-table').value"))
    check(got == run_native(page, "--ranges", "--settings", saved, "--game", game)[0] and got,
          "ethical ranges differ")


def page_to_desktop(page, desktop):
    """Download writes what the desktop's Save as writes for the same set-up: no further group
    for a default one, [downrange] once the inputs are worked with, [game] for another table or
    an own list; the desktop reads the file back to the page's choice, and kesta-report gives
    the page's figures from it."""
    load_example(page, "heavy-buffalo")
    saved = file_bytes(download(page))
    check(saved.startswith(b"[kesta]\nformat=1\n\n[values]\nspeed=240\n")
          and values_by_name(saved) == desktop.write("plain.kesta", "heavy-buffalo"),
          "a default set-up's file is not what it was, or not the desktop's")

    choose_game(page, "europe")
    saved = download(page)
    check(values_by_name(file_bytes(saved)) ==
          desktop.write("europe.kesta", "heavy-buffalo", table="europe"),
          "the file with europe chosen is not the desktop's")
    read = desktop.read(saved)
    check(read["game"]["chosen"] == "europe" and read["downrange"] is None,
          "the desktop reads %r" % read["game"])
    same_reports(page, desktop, saved, "europe")

    page.fill(DOWNRANGE)
    choose_game(page, "my-game")
    type_game_list(page, OWN_LIST)
    check(shown(page, "game-problem") == "3 animals read.", shown(page, "game-problem"))
    saved = download(page)
    want = desktop.write("own.kesta", "heavy-buffalo", table="my-game", own_list=OWN_LIST,
                         downrange=DOWNRANGE)
    check(values_by_name(file_bytes(saved)) == want, "the file with downrange inputs and an own "
          "list is not the desktop's:\n%s\n---\n%s" % (file_bytes(saved).decode(), want.decode()))
    check(b"[downrange]" in want and b"my_game=\"animal,mass_kg,range_kg,source\\n" in want,
          "the desktop wrote no groups")
    read = desktop.read(saved)
    check(read["game"]["chosen"] == "My game" and read["game"]["problem"] == ""
          and read["downrange"]["ShaftOD"] == "0.295", "the desktop reads %r" % read)
    same_reports(page, desktop, saved, desktop.game_argument(read, "own.csv"))

    # A list the engine refuses is not written; the choice still is.
    type_game_list(page, "animal,mass_kg\nDeer,-3\n")
    read = desktop.read(download(page))
    check(read["game"] == {"table": "africa", "chosen": "africa", "my_game": "", "problem": ""},
          "a refused list reached the file: %r" % read["game"])
    print("page -> desktop: 3 set-ups byte for byte the desktop's, reported as kesta-report")


def desktop_to_page(page, desktop):
    """A set-up the desktop wrote opens with its downrange inputs and game choice, and the
    page's Download of it is the same bytes; hand-edited groups read as the desktop reads
    them, a list it cannot use left out with the engine's reason."""
    load_example(page, "light-deer")
    choose_game(page, "north-america")
    written = desktop.write("own.kesta", "worked-example", table="my-game", own_list=OWN_LIST,
                            downrange=dict(DOWNRANGE, Zero="abc"))
    path = desktop.path("own.kesta")
    check(open_file(page, path) == "Opened own.kesta.", "not opened")
    read = desktop.read(path)
    check(page_game(page) == ("my-game", read["game"]["my_game"]), "game %r" % (page_game(page),))
    check(page_downrange(page) == read["downrange"] and read["downrange"]["Zero"] == "20",
          "downrange inputs %r against %r" % (page_downrange(page), read["downrange"]))
    same_reports(page, desktop, path, desktop.game_argument(read, "own.csv"))
    check(values_by_name(file_bytes(download(page))) == written,
          "the page writes the desktop's file otherwise")
    page.open()
    check(page_game(page) == ("my-game", read["game"]["my_game"])
          and page_downrange(page) == read["downrange"], "the opened choice is lost on reload")

    # Files as a hand might leave them, each opened over the own list chosen above.
    base = file_bytes(desktop.path("own.kesta")).decode().split("[kesta]")[1]
    cases = {
        "bad-list": '[game]\ntable=my-game\nmy_game="animal,mass_kg\\nDeer,80\\nBad,-3\\n"\n',
        "list-not-quoted": "[game]\ntable=europe\nmy_game=animal,mass_kg\\nRoe,25\n",
        "unknown-table": "[game]\ntable=mars\n",
        "odd-downrange": "[downrange]\nZero=2,5\nShaftOD= 0.31 \nAltitude=\"1e3\"\nFoo=1\n"
                         "ChronoNear=300\n",
        "no-groups": "",
    }
    for name, groups in cases.items():
        load_example(page, "light-deer")
        choose_game(page, "my-game")
        type_game_list(page, OWN_LIST)
        page.fill({"Zero": "33", "ChronoNear": ""})
        before = (page_game(page), page_downrange(page))
        path = desktop.path(name + ".kesta")
        with open(path, "w", encoding="utf-8") as f:
            f.write(groups + "[kesta]" + base)
        message = open_file(page, path)
        read = desktop.read(path)
        game = read["game"]
        problem = game["problem"] if game else ""
        check(message == "Opened %s.%s" % (os.path.basename(path), problem and
                                            " Its own game list was left out: %s." % problem),
              "%s: said %r, the desktop's problem %r" % (name, message, problem))
        table, listed = page_game(page)
        own = page.js("return kesta.readGameList(arguments[0]).csv", listed) if listed else ""
        want_game = (game["table"], game["my_game"]) if game else (before[0][0], before[0][1])
        check((table, own if game else listed) == want_game,
              "%s: game %r, the desktop %r" % (name, (table, own), want_game))
        want_downrange = read["downrange"] if read["downrange"] is not None else before[1]
        check(page_downrange(page) == want_downrange,
              "%s: downrange %r, the desktop %r" % (name, page_downrange(page), want_downrange))
        text, _ = page.press_report()
        check(text == run_native(page, "--settings", path, "--game",
                                 desktop.game_argument(read, name + ".csv")
                                 if game else desktop.path("own.kesta.csv"))[0],
              "%s: report differs" % name)
    check("-3 kg is not above 0 ([game] my_game, line 3)" in desktop.read(
        desktop.path("bad-list.kesta"))["game"]["problem"], "the bad list was read")
    print("desktop -> page: the desktop's file opens and downloads unchanged; %d hand-edited "
          "files read as the desktop reads them" % len(cases))


CHECKS = ["page_to_desktop", "desktop_to_page"]


def main():
    name, site, kesta_report, probe = sys.argv[1:5]
    if name not in CHECKS:
        sys.exit("unknown check %s" % name)
    downloads = tempfile.mkdtemp(prefix="kesta-web-downloads-")
    folder = tempfile.mkdtemp(prefix="kesta-web-desktop-")
    page = Page(site, kesta_report, downloads=downloads)
    page.downloads = downloads
    try:
        globals()[name](page, Desktop(probe, folder))
    finally:
        page.close()
        shutil.rmtree(downloads, ignore_errors=True)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
