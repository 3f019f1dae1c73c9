"""The page's downrange section and game tables in headless Chromium, against the native
kesta-report: the tables the page shows are kesta-report's text tables cell for cell, each
built-in table and the hunter's own list judge the report, the what-if table and the ethical
ranges as --game does, and a list the engine cannot read is named in its words.

usage: page_downrange_game_test.py CHECK SITE_DIR KESTA_REPORT [SCREENSHOT_DIR]
"""
import csv
import io
import os
import shutil
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

import page_test
from page_test import Page, check, load_example


def run_native(page, *args):
    """(stdout, stderr) of kesta-report with these arguments."""
    env = dict(os.environ, HOME=page.home)
    run = subprocess.run([page.kesta_report, *args], capture_output=True, text=True, env=env,
                         timeout=120)
    return run.stdout, run.stderr


def pair_args(pairs):
    return ["%s=%s" % kv for kv in pairs.items()]


def downrange_keys(page):
    return page.js("return Object.keys(kesta.downrangeDefaults())")


def downrange_pairs(page):
    return page.js("return Object.fromEntries(arguments[0].map((k) => "
                   "[k, document.getElementById(k).value]))", downrange_keys(page))


def shown_cells(page, table):
    return page.js("return [...document.querySelectorAll('#' + arguments[0] + ' tbody tr')]"
                   ".map((tr) => [...tr.cells].map((c) => c.textContent))", table)


def words(line):
    return " ".join(line.split())


def text_rows(text, after, until=None):
    """The lines of a kesta-report text table: those after the line starting with `after`, up
    to an empty line or one starting with `until`."""
    lines = text.split("\n")
    start = next(i for i, line in enumerate(lines) if line.startswith(after)) + 1
    rows = []
    for line in lines[start:]:
        if not line.strip() or (until and line.startswith(until)):
            break
        rows.append(line)
    return rows


def press(page, button):
    page.driver.find_element(By.ID, button).click()


def shown(page, element):
    return page.js("const e = document.getElementById(arguments[0]);"
                   "return e.hidden ? null : e.textContent", element)


def choose_game(page, name):
    page.fill({"game-table": name})


def type_game_list(page, text):
    box = page.driver.find_element(By.ID, "my-game-csv")
    box.clear()
    box.send_keys(text)


def load_game_file(page, path):
    before = page.js("return document.getElementById('game-problem').textContent")
    page.driver.find_element(By.ID, "my-game-file").send_keys(os.path.abspath(path))
    deadline = time.time() + 10
    while page.js("return document.getElementById('game-problem').textContent") == before \
            and time.time() < deadline:
        time.sleep(0.05)


def native_error(stderr, path):
    """kesta-report's error line, "error: MESSAGE (PLACE)", with the file's path as the page
    names a list: by the file's own name."""
    check(stderr.startswith("error: "), "no error from kesta-report: %r" % stderr)
    return stderr[len("error: "):].rstrip("\n").replace(path, os.path.basename(path))


def downrange_section(page):
    """Every downrange input has an element of its key with a label; the Downrange button
    shows kesta-report --downrange's distance and reaction tables cell for cell, and
    --ranges's ethical ranges for the chosen table; a bad input is named by its label."""
    keys = downrange_keys(page)
    unnamed = page.js("return arguments[0].filter((k) => { const e = document.getElementById(k);"
                      " return !e || e.labels.length === 0; })", keys)
    check(len(keys) == 11 and unnamed == [], "downrange inputs without a label: %s" % unnamed)
    defaults = page.js("return kesta.downrangeDefaults()")
    check(downrange_pairs(page) == defaults, "the inputs do not start at the engine's defaults")

    load_example(page, "heavy-buffalo")
    inputs = {"Zero": "25", "MaxDistance": "37", "Head": "mechanical", "Altitude": "1500",
              "Fletching": "small"}
    page.fill(inputs)
    pairs = dict(page.form_pairs(), **downrange_pairs(page))
    check(all(pairs[k] == v for k, v in inputs.items()), "inputs not typed")
    press(page, "downrange-button")
    text, _ = run_native(page, "--downrange", *pair_args(pairs))
    distances = text_rows(text, "       (fps)", "Path:")
    reaction = text_rows(text, "Second  Constant")
    check(len(distances) == 9 and len(reaction) == 5, "native tables: %r" % text)
    got = shown_cells(page, "distance-table")
    check([" ".join(c) for c in got] == [words(line) for line in distances],
          "distance table %r against %r" % (got, distances))
    got = shown_cells(page, "reaction-table")
    check([" ".join(c) for c in got] == [words(line.replace(" Y", "")) for line in reaction],
          "reaction table %r against %r" % (got, reaction))
    check(shown(page, "downrange-model") == text.split("\n", 1)[1].split("\n\n")[0],
          "model line %r" % shown(page, "downrange-model"))
    check(page.js("return kesta.downrange(arguments[0]).text", pairs) == text, "kesta.downrange text")

    for game in ("europe", "africa"):
        choose_game(page, game)
        check(shown(page, "downrange") is None, "figures of the other table still shown")
        press(page, "downrange-button")
        text, _ = run_native(page, "--ranges", "--game", game, *pair_args(pairs))
        rows = text_rows(text, " " * 6)
        got = shown_cells(page, "ranges-table")
        check(len(rows) > 10 and [" ".join(c) for c in got] == [words(line) for line in rows],
              "%s ranges %r against %r" % (game, got, rows))
        check(shown(page, "ranges-game") == "Game table: %s, up to 37 yards." % game,
              "ranges named %r" % shown(page, "ranges-game"))

    page.fill({"ShaftOD": "0"})
    press(page, "downrange-button")
    _, err = run_native(page, "--downrange", *pair_args(dict(pairs, ShaftOD="0")))
    message = native_error(err, "")
    check(message.endswith(" (input ShaftOD)"), "native %r" % err)
    want = message[:-len(" (input ShaftOD)")]
    check(shown(page, "downrange-error") == "Downrange stopped: %s.\nWhere: Shaft outside "
          "diameter" % want, "error shown %r" % shown(page, "downrange-error"))
    check(shown(page, "ranges-error").startswith("The ethical ranges stopped: %s." % want)
          and shown(page, "downrange-tables") is None and shown(page, "ranges-part") is None,
          "figures shown beside the error")
    print("downrange: %d + %d rows and the ranges of 2 tables as kesta-report's text"
          % (len(distances), len(reaction)))


def game_tables(page):
    """Each built-in table judges the Report button's text and the what-if table as kesta-report
    --game; the default, africa, is what the report always was."""
    games = page.js("return kesta.games()")
    check([g["name"] for g in games] == ["africa", "north-america", "europe",
                                         "australia-new-zealand"], "tables %r" % games)
    load_example(page, "heavy-buffalo")
    pairs = page.form_pairs()
    default = page.native({}, "--example", "heavy-buffalo")
    check(page.js("return document.getElementById('game-table').value") == "africa",
          "the default table is not chosen")
    for game in games:
        name = game["name"]
        choose_game(page, name)
        text, error = page.press_report()
        want = page.native({}, "--example", "heavy-buffalo", "--game", name)
        check(text == want and error is None, "%s report differs" % name)
        check(shown(page, "game-in-use") == "Game table: %s, %d animals" % (name, game["count"]),
              "in use: %r" % shown(page, "game-in-use"))
        check((text == default) == (name == "africa"), "%s report is the default's" % name)
        needs = list(csv.DictReader(io.StringIO(page.native(
            {}, "--needs", "--format", "csv", "--example", "heavy-buffalo", "--game", name))))
        got = page.js("return kesta.needs(arguments[0], arguments[1])", pairs, name)
        check(got["error"] is None and got["rows"] == needs, "%s needs rows differ" % name)
        press(page, "needs-button")
        rows = page.js("return document.querySelectorAll('#needs-table tbody tr').length")
        check(rows == len(needs) == game["count"], "%s: %d rows shown" % (name, rows))
    check(page.js("return kesta.report(arguments[0]).text", pairs) == default
          and page.js("return kesta.report(arguments[0], 'africa').text", pairs) == default,
          "no table and africa differ")
    check(page.js("return kesta.report(arguments[0], 'mars')", pairs)["error"] ==
          "no game table 'mars'", "an unknown table is not refused")
    print("%d tables: report and what-if as kesta-report --game" % len(games))


def own_game_list(page):
    """The hunter's list, typed or loaded, judges as kesta-report --game FILE; a list the engine
    cannot read is named in its words, by the file's name, and stops the report; the choice and
    the list survive a reload."""
    folder = page.downloads
    load_example(page, "light-deer")
    pairs = page.form_pairs()
    choose_game(page, "my-game")
    listed = "animal,mass_lb\nWhitetail buck,200.5\nElk bull,700\nRoe doe,48.5\n"
    type_game_list(page, listed)
    path = os.path.join(folder, "mine.csv")
    with open(path, "w", encoding="utf-8") as f:
        f.write(listed)
    check(shown(page, "game-problem") == "3 animals read.", shown(page, "game-problem"))
    text, error = page.press_report()
    check(text == page.native({}, "--example", "light-deer", "--game", path) and error is None,
          "own list report differs")
    needs = list(csv.DictReader(io.StringIO(page.native(
        {}, "--needs", "--format", "csv", "--example", "light-deer", "--game", path))))
    got = page.js("return kesta.needs(arguments[0], {name: 'mine.csv', csv: arguments[1]})",
                  pairs, listed)
    check(got["rows"] == needs and len(needs) == 3, "own list needs differ")
    press(page, "downrange-button")
    ranges = text_rows(run_native(page, "--ranges", "--game", path, *pair_args(pairs))[0], " " * 6)
    got = [" ".join(c) for c in shown_cells(page, "ranges-table")]
    check(got == [words(r) for r in ranges] and len(got) == 3,
          "own list ranges %r against %r" % (got, ranges))

    # Kept across a reload, with the downrange inputs.
    page.fill({"MaxDistance": "44"})
    page.open()
    check(page.js("return document.getElementById('game-table').value") == "my-game"
          and page.js("return document.getElementById('my-game-csv').value") == listed
          and page.js("return document.getElementById('MaxDistance').value") == "44",
          "the game choice or the downrange inputs are lost on reload")

    # Typed lists the engine refuses: its message, at "My game, line N".
    for bad in ("animal,mass_kg\nDeer,80\nBad,-3\n", "name,kg\nDeer,80\n",
                "animal,mass_kg\nDeer,abc\n", "animal,mass_kg\nDe:er,80\n"):
        type_game_list(page, bad)
        with open(path, "w", encoding="utf-8") as f:
            f.write(bad)
        _, err = run_native(page, "--example", "light-deer", "--game", path)
        message = native_error(err, path)
        reason, place = message[:message.rindex(" (")], message[message.rindex(" (") + 2:-1]
        place = place.replace("mine.csv", "My game")
        check(shown(page, "game-problem") == "This list cannot be used: %s (%s)." % (reason, place),
              "shown %r for %r" % (shown(page, "game-problem"), err))
        text, error = page.press_report()
        check(text == "" and error == page_test.shown_error(reason, place),
              "report of a bad list: %r / %r" % (text, error))

    # Files: not UTF-8, too long, and a good one with a byte order mark and CR LF lines.
    cases = [("latin1.csv", "animal,mass_kg\r\nR\xe9h,20\r\n".encode("latin-1")),
             ("huge.csv", b"animal,mass_kg\n" + b"Deer,80\n" * 140000)]
    for name, data in cases:
        file = os.path.join(folder, name)
        with open(file, "wb") as f:
            f.write(data)
        load_game_file(page, file)
        _, err = run_native(page, "--example", "light-deer", "--game", file)
        check(shown(page, "game-problem") == "This list cannot be used: %s." % native_error(err, file),
              "%s shown as %r, native %r" % (name, shown(page, "game-problem"), err))
    # A refused file is not kept: a reload shows the last list typed, not the file decoded.
    kept = page.js("return JSON.parse(localStorage.getItem('kesta-game')).csv")
    choose_game(page, "europe")
    choose_game(page, "my-game")
    page.open()
    check(page.js("return document.getElementById('my-game-csv').value") == kept
          and "Deer,80" not in kept and "\ufffd" not in kept, "a refused file was kept")
    good = os.path.join(folder, "good.csv")
    with open(good, "wb") as f:
        f.write(b"\xef\xbb\xbfanimal,mass_kg\r\nR\xc3\xa9h,20.25\r\n")
    load_game_file(page, good)
    check(shown(page, "game-problem") == "1 animals read." and
          shown(page, "game-in-use") == "Game table: good.csv, 1 animals", "good file not read")
    text, _ = page.press_report()
    check(text == page.native({}, "--example", "light-deer", "--game", good), "good file differs")
    print("own list: typed, loaded and refused as kesta-report --game FILE")


def screenshot(page, folder):
    """The downrange section on a phone, for a person to look at."""
    load_example(page, "worked-example")
    choose_game(page, "north-america")
    press(page, "downrange-button")
    width = page.js("return document.documentElement.scrollWidth")
    check(width <= 360, "page is %d px wide at 360" % width)
    page.js("document.getElementById('downrange').scrollIntoView()")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "kesta-web-downrange-360x740.png")
    page.driver.save_screenshot(path)
    print("screenshot", path)


CHECKS = ["downrange_section", "game_tables", "own_game_list", "screenshot"]


def main():
    name, site, kesta_report = sys.argv[1], sys.argv[2], sys.argv[3]
    if name not in CHECKS:
        sys.exit("unknown check %s" % name)
    downloads = tempfile.mkdtemp(prefix="kesta-web-downloads-")
    page = Page(site, kesta_report, *((360, 740) if name == "screenshot" else (1280, 900)),
                downloads=downloads)
    page.downloads = downloads
    try:
        if name == "screenshot":
            screenshot(page, sys.argv[4])
        else:
            globals()[name](page)
    finally:
        page.close()
        shutil.rmtree(downloads, ignore_errors=True)


if __name__ == "__main__":
    main()
