"""The page's downrange figures (WebAssembly under node) against the native kesta-report on
random set-ups and downrange inputs, half of them wild: the --downrange and --ranges text and
JSON, for each built-in game table in turn, and every error message and place.

The text, which rounds for reading, must be the same byte for byte. The JSON writes every
double to its last digit, and the browser's exp and log are not glibc's: the flight's figures
may differ in their last bits, and a difference of two near values (the time to a near yard)
makes that a few hundred units in the last place. So the JSON must have the same shape, keys,
texts and whole numbers, and every other number may differ by at most RELATIVE of the larger
(or of 1, near 0); the count of such numbers and the largest difference are printed.

usage: downrange_exactness.py SITE_DIR KESTA_REPORT COUNT [SEED]
"""
import json
import random
import sys
import tempfile

import web_common

RELATIVE = 1e-11


def apart(a, b):
    return abs(a - b) / max(abs(a), abs(b), 1.0)


def json_difference(web, native, path="", counts=None):
    """None when the two parsed JSON values agree as the module's doc says, else where not;
    counts[0] is raised by each number that differs at all."""
    if isinstance(native, float) and isinstance(web, (int, float)) and not isinstance(web, bool):
        if web != native:
            counts[0] += 1
            counts[1] = max(counts[1], apart(web, native))
            if apart(web, native) > RELATIVE:
                return "%s: %r against %r" % (path, web, native)
        return None
    if type(web) is not type(native):
        return "%s: %r against %r" % (path, web, native)
    if isinstance(native, dict):
        if list(web) != list(native):
            return "%s: keys %s against %s" % (path, list(web), list(native))
        for key in native:
            found = json_difference(web[key], native[key], path + "." + key, counts)
            if found:
                return found
        return None
    if isinstance(native, list):
        if len(web) != len(native):
            return "%s: %d items against %d" % (path, len(web), len(native))
        for i, (a, b) in enumerate(zip(web, native)):
            found = json_difference(a, b, "%s[%d]" % (path, i), counts)
            if found:
                return found
        return None
    return None if web == native else "%s: %r against %r" % (path, web, native)


def main():
    site, kesta_report, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 20261209
    rng = random.Random(seed)
    setups = list(web_common.random_pairs(count, seed))
    downranges = [web_common.random_downrange(rng, 0.0 if case % 2 == 0 else 0.1)
                  for case in range(count)]
    games = ["africa", "north-america", "europe", "australia-new-zealand"]
    web_table = web_common.engine_answers(
        site, [dict(p, **d) for p, d in zip(setups, downranges)], mode="downrange")
    web_ranges = web_common.engine_answers(
        site, [{"pairs": dict(p, **d), "game": games[i % 4]}
               for i, (p, d) in enumerate(zip(setups, downranges))], mode="ranges")
    failures = {"downrange": 0, "ranges": 0}
    last_bits = [0, 0.0]
    same_json = 0
    with tempfile.TemporaryDirectory() as home:
        for case, (pairs, downrange) in enumerate(zip(setups, downranges)):
            for mode, web, game in (("downrange", web_table[case], []),
                                    ("ranges", web_ranges[case], ["--game", games[case % 4]])):
                json_out = web_common.native_downrange(kesta_report, pairs, downrange, home,
                                                       "--" + mode, "--format", "json", *game)
                text_out = web_common.native_downrange(kesta_report, pairs, downrange, home,
                                                       "--" + mode, *game)
                got = (web["text"], web["error"])
                want = (text_out[0], json_out[1])
                difference = None
                if web["json"] or json_out[0]:
                    difference = json_difference(json.loads(web["json"] or "null"),
                                                 json.loads(json_out[0] or "null"), "", last_bits)
                    same_json += web["json"] == json_out[0]
                if got != want or difference or web["place"] != json_out[2]:
                    print("DIFFERENCE in case %d, %s %s: %s %s" % (
                        case, mode, " ".join(game),
                        " ".join("%s=%s" % kv for kv in pairs.items()),
                        " ".join("%s=%s" % kv for kv in downrange.items())))
                    print("  json: %s" % difference)
                    for i, (x, y) in enumerate(zip(got[0].split("\n"), want[0].split("\n"))):
                        if x != y:
                            print("  text line %d\n    web    %r\n    native %r" % (i + 1, x, y))
                            break
                    print("  error web %r native %r; place web %r native %r"
                          % (web["error"], json_out[1], web["place"], json_out[2]))
                    sys.exit(1)
                failures[mode] += web["error"] is not None
    print("page = kesta-report on %d set-ups: --downrange (%d ending in an error) and --ranges "
          "over the four built-in tables (%d ending in an error); text byte for byte; JSON "
          "byte for byte in %d answers; elsewhere %d numbers apart, by at most %.2g of their size"
          % (count, failures["downrange"], failures["ranges"], same_json, last_bits[0],
             last_bits[1]))


if __name__ == "__main__":
    main()
