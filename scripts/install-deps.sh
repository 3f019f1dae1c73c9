#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
    g++ make cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-charts-dev nlohmann-json3-dev
    fonts-liberation xvfb xauth poppler-utils locales python3 strace
    desktop-file-utils appstream man-db shared-mime-info gzip dpkg-dev file
    emscripten nodejs node-acorn chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
echo "Packages installed."
