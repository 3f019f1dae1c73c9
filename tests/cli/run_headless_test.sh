#!/usr/bin/env bash
# `make run` without a display: with no saved set-up it prints the worked example's report
# under one line that says so; with a saved set-up it prints that one. Usage:
#   run_headless_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=${1:?usage: run_headless_test.sh SOURCE_DIR BUILD_DIR}
build=${2:?usage: run_headless_test.sh SOURCE_DIR BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
failures=0

# Runs scripts/run.sh and checks its exit status, its first line and the report after the
# empty line below it.
expect_run() {
    local what=$1 first=$2 report=$3
    local out status
    out=$("$source_dir/scripts/run.sh" "$build")
    status=$?
    if [[ $status -ne 0 ]]; then
        echo "FAIL ($what): exit status $status"; failures=$((failures + 1))
    fi
    if [[ "$(sed -n 1p <<<"$out")" != "$first" ]]; then
        echo "FAIL ($what): first line: $(sed -n 1p <<<"$out")"; failures=$((failures + 1))
    fi
    if [[ -n "$(sed -n 2p <<<"$out")" || "$(sed -n '3,$p' <<<"$out")" != "$report" ]]; then
        echo "FAIL ($what): the report below the first line differs:"
        diff <(sed -n '3,$p' <<<"$out") <(echo "$report") | head -20
        failures=$((failures + 1))
    fi
}

expect_run "empty configuration" \
    "No display found (DISPLAY is not set) and no saved set-up yet: printing the report of the worked example." \
    "$("$build/cli/kesta-report" --settings "$source_dir/data/examples/worked-example.kesta")"
grep -q '^Disclaimer' <<<"$("$source_dir/scripts/run.sh" "$build")" ||
    { echo "FAIL: the worked example's report is not whole"; failures=$((failures + 1)); }

mkdir -p "$XDG_CONFIG_HOME/KESTA"
cp "$source_dir/data/examples/heavy-buffalo.kesta" "$XDG_CONFIG_HOME/KESTA/KESTA.ini"
expect_run "saved set-up" \
    "No display found (DISPLAY is not set): printing the report of the saved set-up instead." \
    "$("$build/cli/kesta-report" --settings "$source_dir/data/examples/heavy-buffalo.kesta")"

[[ $failures -eq 0 ]] && echo "make run without a display: both cases pass"
exit $((failures > 0))
