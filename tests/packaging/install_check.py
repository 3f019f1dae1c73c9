#!/usr/bin/env python3
"""Installs the build into a temporary DESTDIR with the prefix /usr and checks what lands there.

usage: install_check.py CMAKE BUILD_DIR SOURCE_DIR EXPECTED_LIST

Checks: the installed files are exactly those of EXPECTED_LIST plus one file under
usr/share/kesta/examples for each data/examples/*.kesta of the sources; programs are
executable and everything else is not; the manual pages and the changelog are gzip'd copies of
their sources with no name or time stamp in the gzip header; the copyright file was filled in
from its template; the installed kesta-report runs; and the MIME database built from the
installed MIME package maps *.kesta to application/x-kesta-setup (when update-mime-database is
installed).
"""

import glob
import gzip
import os
import shutil
import stat
import subprocess
import sys
import tempfile

APP_ID = "org.kesta.Kesta"
PROGRAMS = {"usr/bin/kesta", "usr/bin/kesta-report"}
GZIPPED = {
    "usr/share/man/man1/kesta.1.gz": "data/man/kesta.1",
    "usr/share/man/man1/kesta-report.1.gz": "data/man/kesta-report.1",
    "usr/share/doc/kesta/changelog.gz": "data/debian/changelog",
}
COPIED = {
    f"usr/share/applications/{APP_ID}.desktop": f"data/{APP_ID}.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml": f"data/{APP_ID}.metainfo.xml",
    f"usr/share/mime/packages/{APP_ID}.xml": f"data/{APP_ID}.mime.xml",
    f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg": f"data/icons/{APP_ID}.svg",
    "usr/share/doc/kesta/report-help.html": "data/help/report-help.html",
}
for size in (48, 128, 256):
    COPIED[f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png"] = (
        f"data/icons/{size}x{size}/{APP_ID}.png")

problems = []


def check(condition, message):
    if not condition:
        problems.append(message)


def read(path, mode="rb"):
    with open(path, mode) as f:
        return f.read()


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__.split("\n\n")[1])
    cmake, build, source, expected_list = sys.argv[1:]

    expected = {line.strip() for line in read(expected_list, "r").splitlines()
                if line.strip() and not line.startswith("#")}
    examples = sorted(glob.glob(os.path.join(source, "data/examples/*.kesta")))
    for example in examples:
        expected.add("usr/share/kesta/examples/" + os.path.basename(example))

    with tempfile.TemporaryDirectory() as destdir:
        env = dict(os.environ, DESTDIR=destdir)
        run = subprocess.run([cmake, "--install", build, "--prefix", "/usr"], env=env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f"cmake --install failed ({run.returncode}):\n{run.stdout}{run.stderr}")

        installed = set()
        for root, _, files in os.walk(destdir):
            for name in files:
                installed.add(os.path.relpath(os.path.join(root, name), destdir))
        for path in sorted(expected - installed):
            problems.append(f"not installed: {path}")
        for path in sorted(installed - expected):
            problems.append(f"installed but not expected: {path}")

        for path in sorted(installed & expected):
            mode = os.stat(os.path.join(destdir, path)).st_mode
            executable = bool(mode & stat.S_IXUSR)
            check(executable == (path in PROGRAMS),
                  f"{path}: mode {stat.filemode(mode)}, "
                  f"{'should' if path in PROGRAMS else 'should not'} be executable")
            check(not mode & stat.S_IWOTH, f"{path}: writable by everyone")

        for path, original in {**COPIED, **{f"usr/share/kesta/examples/{os.path.basename(e)}":
                                            os.path.relpath(e, source) for e in examples}}.items():
            target = os.path.join(destdir, path)
            if os.path.exists(target):
                check(read(target) == read(os.path.join(source, original)),
                      f"{path} differs from {original}")

        for path, original in GZIPPED.items():
            target = os.path.join(destdir, path)
            if not os.path.exists(target):
                continue
            data = read(target)
            check(data[:2] == b"\x1f\x8b", f"{path}: not gzip data")
            # gzip -n: no original name (FLG bit 3 clear) and a zero modification time.
            check(len(data) > 10 and not data[3] & 0x08 and data[4:8] == b"\0\0\0\0",
                  f"{path}: gzip header carries a name or a time stamp")
            try:
                check(gzip.decompress(data) == read(os.path.join(source, original)),
                      f"{path} does not unpack to {original}")
            except OSError as e:
                problems.append(f"{path}: {e}")

        copyright_path = os.path.join(destdir, "usr/share/doc/kesta/copyright")
        if os.path.exists(copyright_path):
            text = read(copyright_path, "r")
            check(text.startswith("Format: https://www.debian.org/doc/packaging-manuals/"
                                  "copyright-format/1.0/"), "copyright: no Format line first")
            check("@" + "KESTA" not in text, "copyright: a template variable was left in")
            check("Upstream-Contact: KESTA developers <kesta@example.org>" in text,
                  "copyright: no Upstream-Contact")
            check("/usr/share/common-licenses/GPL-3" in text,
                  "copyright: no pointer to the licence text")

        doc_base = os.path.join(destdir, "usr/share/doc-base/kesta-report-help")
        if os.path.exists(doc_base):
            text = read(doc_base, "r")
            check("Index: /usr/share/doc/kesta/report-help.html\n" in text and
                  "Files: /usr/share/doc/kesta/report-help.html\n" in text,
                  "doc-base: the help page's path is not /usr/share/doc/kesta/report-help.html")

        tool = os.path.join(destdir, "usr/bin/kesta-report")
        if os.path.exists(tool):
            run = subprocess.run([tool, "--version"], capture_output=True, text=True)
            check(run.returncode == 0 and run.stdout.strip() == "kesta-report 1.0.0",
                  f"installed kesta-report --version: {run.returncode} {run.stdout!r}")

        updater = shutil.which("update-mime-database")
        mime_dir = os.path.join(destdir, "usr/share/mime")
        if updater and os.path.isdir(os.path.join(mime_dir, "packages")):
            # Told that the tree is searched, it says nothing unless the package is faulty.
            share = os.path.join(destdir, "usr/share")
            quiet = dict(os.environ, XDG_DATA_HOME=share, XDG_DATA_DIRS=share)
            run = subprocess.run([updater, mime_dir], capture_output=True, text=True, env=quiet)
            check(run.returncode == 0 and not run.stderr.strip(),
                  f"update-mime-database: {run.returncode} {run.stderr.strip()}")
            globs = os.path.join(mime_dir, "globs2")
            check(os.path.exists(globs) and
                  any(line.split(":")[1:] == ["application/x-kesta-setup", "*.kesta"]
                      for line in read(globs, "r").splitlines()),
                  "the MIME database does not map *.kesta to application/x-kesta-setup")
        elif not updater:
            print("note: update-mime-database not installed, MIME database not built")

    print(f"{len(installed)} files installed, {len(expected)} expected")
    if problems:
        print("\n".join(problems))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
