#!/usr/bin/env bash
# Starts the window; without a display, prints the report of the saved set-up instead.
set -euo pipefail
build=${1:-build}
if [[ ! -x "$build/window/kesta" ]]; then
    echo "The window is not built yet: $build/window/kesta is missing."
    exit 0
fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found (DISPLAY is not set): printing the report of the saved set-up instead."
    exec "$build/cli/kesta-report" --user
fi
exec "$build/window/kesta"
