#!/usr/bin/env bash
# Builds every libFuzzer target fuzz/fuzz_NAME.cpp with clang, ASan and UBSan.
# Usage: fuzz/build.sh [build folder]   (default build/fuzz)
# Run them all: scripts/fuzz.sh [seconds per fuzzer]; or one for 30 s (with its own flags from fuzz/fuzz_NAME.options, if any):
#   build/fuzz/fuzz_items -max_total_time=30 build/fuzz/corpus/items fuzz/corpus/items fuzz/seeds/items
# Needs the Debian packages clang and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/fuzz}
cmake -S fuzz -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$out" -j 2
