#!/usr/bin/env bash
# Runs kesta_screen_fit under a virtual X display of WIDTHxHEIGHT, with the worked example as
# the saved set-up (or none: "first-run"), optionally saving screenshots into SHOTS.
# Usage: screen_fit_test.sh PROGRAM SOURCE_DIR WIDTHxHEIGHT [example|first-run] [SHOTS]
set -euo pipefail
program=${1:?usage}; source_dir=${2:?usage}; size=${3:?usage}; inputs=${4:-example}; shots=${5:-}
if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed; screens not checked."
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
[[ $inputs == example ]] && "$source_dir/scripts/example-settings.sh" "$work/config"
[[ -n $shots ]] && mkdir -p "$shots"
env -u QT_QPA_PLATFORM HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    CUPS_SERVER=/nonexistent \
    xvfb-run -a -s "-screen 0 ${size}x24" "$program" $shots
