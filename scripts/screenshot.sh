#!/usr/bin/env bash
# Starts the window under a virtual X display with the worked example as the saved set-up,
# presses "Report" and saves a PNG of the window.
# Usage: screenshot.sh KESTA_SCREENSHOT_PROGRAM OUTPUT.png
set -euo pipefail
program=${1:?usage: screenshot.sh PROGRAM OUTPUT.png}
output=${2:?usage: screenshot.sh PROGRAM OUTPUT.png}
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
    xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$output"

[[ -s "$output" ]] || { echo "no screenshot was written" >&2; exit 1; }
echo "screenshot: $output"
