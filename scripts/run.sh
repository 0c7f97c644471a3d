#!/usr/bin/env bash
# Builds Quib (release) and opens the game. Installs any missing Debian
# packages first when run as root; otherwise says which ones are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/setup.sh
install_missing "Quib needs" "${quib_packages[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target quib -j 2

# Qt aborts without a display; say so plainly and name a command that works
# here: xvfb-run, installed now as root, or named with its packages otherwise.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    [[ $(id -u) -ne 0 ]] || install_missing "Playing without a display needs" "${quib_headless_packages[@]}"
    if command -v xvfb-run >/dev/null && command -v xauth >/dev/null; then
        echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set); to play without one, run: xvfb-run -a build/release/quib" >&2
    else
        echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set); to play without one, install ${quib_headless_packages[*]} (sudo apt-get install ${quib_headless_packages[*]}), then run: xvfb-run -a build/release/quib" >&2
    fi
    exit 1
fi
exec build/release/quib
