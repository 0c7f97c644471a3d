# The set-up that scripts/run.sh and scripts/test.sh share; sourced by them
# from the repository root, not run on its own.

# The Debian packages Quib builds with.
# (dpkg-dev and file: cpack's Debian package reads its dependencies from the
# program with them. qt6-tools-dev and qt6-l10n-tools: Qt's CMake support for
# translations with lupdate and lrelease; qt6-translations-l10n: Qt's own
# catalogues, which the game loads for the player's language.)
quib_packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgtest-dev libbenchmark-dev
    dpkg-dev file qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# What the test of screen-reader calls on the accessibility bus runs on.
quib_accessibility_test_packages=(at-spi2-core dbus-daemon libglib2.0-bin)
# A virtual X display (xvfb-run needs xauth), to play where there is no display.
quib_headless_packages=(xvfb xauth)
# What the tests add: a virtual display and input for the installed game, the
# desktop-entry and metainfo validators, Debian's package checker, a sound
# server with its recorder for the test that listens to the jump sound, and a
# Wayland compositor with Qt's Wayland plug-in; strace slows the disk down for
# the test of a game started while another one ends.
quib_test_packages=("${quib_headless_packages[@]}" xdotool desktop-file-utils appstream lintian
    pulseaudio pulseaudio-utils weston qt6-wayland strace)
# The file readers' fuzzers: clang and its fuzzer runtime. Installed when the
# tests run as root; for anyone else the fuzzers are skipped without them.
quib_fuzz_packages=(clang libclang-rt-14-dev)

# install_missing WHO PACKAGE...: installs the packages that are missing when
# run as root; otherwise names them ("WHO these Debian packages: ...") and
# stops the script.
install_missing() {
    local who=$1 missing=() p
    shift
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "$who these Debian packages: ${missing[*]}" >&2
        echo "Install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q </dev/null
    apt-get install -y -q "${missing[@]}" </dev/null
}
