#!/usr/bin/env bash
# Builds the browser site into BUILD/web with Debian's emscripten, configuring BUILD/web-build
# on first use. Usage: scripts/build-web.sh [BUILD]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
# Debian's emscripten runs its optimiser on the system node, which does not look where Debian
# keeps node modules (acorn).
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [[ ! -f "$build/web-build/build.ninja" ]]; then
    emcmake cmake -S "$root" -B "$build/web-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        "${launcher[@]}" -DKESTA_WEB_OUT="$build/web" >/dev/null
fi
cmake --build "$build/web-build"
