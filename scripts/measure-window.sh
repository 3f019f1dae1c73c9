#!/usr/bin/env bash
# Times the window under a virtual X display: start-up to the first paint against a bare Qt
# window in the same run, peak memory, and click on "Report" to the full report on screen.
# Usage: measure-window.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
probe="$build/bench/kesta_window_probe"
[[ -x "$probe" ]] || { echo "build $probe first (cmake --build $build --target kesta_window_probe)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
"$here/example-settings.sh" "$work/config"
env -u QT_QPA_PLATFORM HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$probe" measure "$runs"
