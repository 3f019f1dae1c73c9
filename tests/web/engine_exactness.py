"""The page's engine (WebAssembly under node) against the native kesta-report on random
set-ups, half of them wild: every report byte, error and place must agree. The browser's pow,
exp and log are not glibc's, so a last-bit difference could one day show in a rounded figure.

usage: engine_exactness.py SITE_DIR KESTA_REPORT COUNT [SEED]
"""
import sys
import tempfile

import web_common


def main():
    site, kesta_report, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 20261209
    setups = list(web_common.random_pairs(count, seed))
    web = web_common.engine_answers(site, setups)
    errors = 0
    with tempfile.TemporaryDirectory() as home:
        for case, (pairs, got) in enumerate(zip(setups, web)):
            want = web_common.native_report(kesta_report, pairs, home)
            errors += want[1] is not None
            if (got["text"], got["error"], got["place"]) != want:
                print("DIFFERENCE in case %d: %s" % (case, " ".join("%s=%s" % kv for kv in pairs.items())))
                g, w = got["text"].split("\n"), want[0].split("\n")
                for i, (a, b) in enumerate(zip(g, w)):
                    if a != b:
                        print("  line %d\n    web    %r\n    native %r" % (i + 1, a, b))
                        break
                print("  error web %r native %r; place web %r native %r"
                      % (got["error"], want[1], got["place"], want[2]))
                sys.exit(1)
    print("web engine = native on %d of %d set-ups (%d ending in an error)" % (count, count, errors))


if __name__ == "__main__":
    main()
