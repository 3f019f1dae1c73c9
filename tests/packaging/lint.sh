#!/usr/bin/env bash
# Checks one desktop integration file with the tool that reads it on a user's system.
# usage: lint.sh desktop|appstream|man FILE
# Fails on any complaint, not only on errors: each of these files is written to pass clean.
# Exit 77 (reported by ctest as skipped) when the tool is not installed.
set -uo pipefail
kind=$1 file=$2

need() {
    command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed (scripts/install-deps.sh installs it)"; exit 77; }
}
fail() {
    echo "FAIL: $file: $1"
    [[ -n ${2:-} ]] && printf '%s\n' "$2"
    exit 1
}

case $kind in
desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$file" 2>&1); rc=$?
    [[ $rc -eq 0 ]] || fail "desktop-file-validate exited $rc" "$out"
    [[ -z $out ]] || fail "desktop-file-validate has remarks" "$out"
    ;;
appstream)
    need appstreamcli
    out=$(appstreamcli validate --no-net --explain "$file" 2>&1); rc=$?
    [[ $rc -eq 0 ]] || fail "appstreamcli validate exited $rc" "$out"
    # Errors, warnings and infos; pedantic remarks are not shown without --pedantic.
    if grep -Eq '^[EWI]:' <<<"$out"; then fail "appstreamcli validate has remarks" "$out"; fi
    grep -q 'Validation was successful' <<<"$out" || fail "no success line from appstreamcli" "$out"
    ;;
man)
    need man
    errors=$(mktemp)
    page=$(MANWIDTH=80 man --warnings -l "$file" 2>"$errors"); rc=$?
    warnings=$(cat "$errors"); rm -f "$errors"
    [[ $rc -eq 0 ]] || fail "man exited $rc" "$warnings"
    [[ -z $warnings ]] || fail "man --warnings complains" "$warnings"
    # A page that formats to nothing would pass the checks above.
    for section in NAME SYNOPSIS DESCRIPTION; do
        grep -q "^$section" <<<"$page" || fail "no $section section in the formatted page"
    done
    ;;
*)
    echo "usage: lint.sh desktop|appstream|man FILE" >&2; exit 2 ;;
esac
echo "OK: $file"
