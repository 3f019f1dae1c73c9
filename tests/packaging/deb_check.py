#!/usr/bin/env python3
"""Builds the Debian package into a temporary folder with cpack and checks it.

usage: deb_check.py CPACK BUILD_DIR SOURCE_DIR EXPECTED_LIST VERSION

Checks: the file name kesta_VERSION_ARCH.deb; the control fields (package, version,
architecture, maintainer, section, priority, a long description, dependencies found by
dpkg-shlibdeps); the files are those of EXPECTED_LIST (as for the install test) under /usr and
nothing else; the programs are stripped and carry no .comment section. Exit 77 (skipped) when
dpkg-deb, dpkg-shlibdeps or readelf is missing.
"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

problems = []


def check(condition, message):
    if not condition:
        problems.append(message)


def output(*command):
    run = subprocess.run(command, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"{' '.join(command)} failed ({run.returncode}):\n{run.stdout}{run.stderr}")
    return run.stdout


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__.split("\n\n")[1])
    cpack, build, source, expected_list, version = sys.argv[1:]
    for tool in ("dpkg-deb", "dpkg-shlibdeps", "readelf", "file"):
        if not shutil.which(tool):
            print(f"SKIP: {tool} is not installed (scripts/install-deps.sh installs it)")
            return 77

    with open(expected_list) as f:
        expected = {"./" + line.strip() for line in f
                    if line.strip() and not line.startswith("#")}
    for example in glob.glob(os.path.join(source, "data/examples/*.kesta")):
        expected.add("./usr/share/kesta/examples/" + os.path.basename(example))

    arch = output("dpkg", "--print-architecture").strip()
    with tempfile.TemporaryDirectory() as out:
        output(cpack, "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"),
               "-B", out)
        debs = glob.glob(os.path.join(out, "*.deb"))
        name = f"kesta_{version}_{arch}.deb"
        check([os.path.basename(d) for d in debs] == [name],
              f"package files {[os.path.basename(d) for d in debs]}, expected [{name}]")
        if not debs:
            print("\n".join(problems))
            return 1
        deb = debs[0]

        fields = {}
        for key in ("Package", "Version", "Architecture", "Maintainer", "Section", "Priority",
                    "Depends", "Description"):
            fields[key] = output("dpkg-deb", "-f", deb, key).rstrip("\n")
        check(fields["Package"] == "kesta", f"Package: {fields['Package']}")
        check(fields["Version"] == version, f"Version: {fields['Version']}")
        check(fields["Architecture"] == arch, f"Architecture: {fields['Architecture']}")
        check(re.fullmatch(r".+ <[^@ ]+@[^@ ]+>", fields["Maintainer"]) is not None,
              f"Maintainer: {fields['Maintainer']}")
        check(fields["Section"] == "science", f"Section: {fields['Section']}")
        check(fields["Priority"] == "optional", f"Priority: {fields['Priority']}")
        for library in ("libc6", "libqt6core6", "libqt6widgets6", "libqt6printsupport6"):
            check(re.search(rf"(^|, ){library} \(>= ", fields["Depends"]) is not None,
                  f"Depends lacks {library}: {fields['Depends']}")
        synopsis, _, long_text = fields["Description"].partition("\n")
        check(synopsis == "bowhunting set-up calculator", f"synopsis: {synopsis!r}")
        check(len(long_text.splitlines()) >= 5 and synopsis not in long_text.splitlines()[0],
              "the long description is missing or repeats the synopsis")

        files, dirs = set(), set()
        for line in output("dpkg-deb", "-c", deb).splitlines():
            mode, owner, path = line.split()[0], line.split()[1], line.split()[-1]
            check(owner == "root/root", f"{path}: owner {owner}")
            (dirs if mode.startswith("d") else files).add(path.rstrip("/"))
            if mode.startswith("d"):
                check(mode == "drwxr-xr-x", f"{path}: mode {mode}")
        for path in sorted(expected - files):
            problems.append(f"not in the package: {path}")
        for path in sorted(files - expected):
            problems.append(f"in the package but not expected: {path}")

        unpacked = os.path.join(out, "root")
        output("dpkg-deb", "-x", deb, unpacked)
        for program in ("usr/bin/kesta", "usr/bin/kesta-report"):
            path = os.path.join(unpacked, program)
            if not os.path.exists(path):
                continue
            check(", stripped" in output("file", "-b", path), f"{program} is not stripped")
            sections = output("readelf", "-S", "-W", path)
            check(".comment" not in sections, f"{program} has a .comment section")
            check(".symtab" not in sections, f"{program} has a symbol table")

    if problems:
        print("\n".join(problems))
        return 1
    print(f"{name}: {len(files)} files, control fields and stripping as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
