#!/usr/bin/env bash
# Starts the window under a virtual X display with the worked example as the saved set-up,
# presses "Report" and saves a PNG of the window.
# Usage: screenshot.sh KESTA_SCREENSHOT_PROGRAM OUTPUT.png [SCALE]
# SCALE (default 1) is the Qt scale factor; the virtual screen grows with it.
set -euo pipefail
program=${1:?usage: screenshot.sh PROGRAM OUTPUT.png [SCALE]}
output=${2:?usage: screenshot.sh PROGRAM OUTPUT.png [SCALE]}
scale=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)

if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not installed; no screenshot taken."
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
"$here/example-settings.sh" "$work/config"
mkdir -p "$(dirname "$output")"
rm -f "$output"

env -u QT_QPA_PLATFORM HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    QT_SCALE_FACTOR="$scale" \
    xvfb-run -a -s "-screen 0 $((1280 * scale))x$((1024 * scale))x24" "$program" "$output"

[[ -s "$output" ]] || { echo "no screenshot was written" >&2; exit 1; }
echo "screenshot: $output"
