#!/usr/bin/env bash
# Builds Quib (release) and opens the game. Installs any missing Debian
# packages first when run as root; otherwise says which ones are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev)

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "Quib needs these Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q </dev/null
    apt-get install -y -q "${missing[@]}" </dev/null
}

install_missing "${packages[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target quib -j 2

# Qt aborts without a display; say so plainly and name the command that works.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set); to play without one, run: xvfb-run -a build/release/quib" >&2
    exit 1
fi
exec build/release/quib
