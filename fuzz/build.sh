#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang, ASan and UBSan.
# Usage: fuzz/build.sh [output folder]   (default build/fuzz)
# Run one:  build/fuzz/fuzz_items -max_total_time=30 build/fuzz/corpus/items fuzz/seeds/items
# Needs the Debian packages clang and libclang-rt-14-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/fuzz}
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc -Itests)

clang++ "${flags[@]}" -o "$out/fuzz_items" fuzz/items_fuzz.cpp src/core/records/items.cpp
clang++ "${flags[@]}" -o "$out/fuzz_level_library" fuzz/level_library_fuzz.cpp \
    src/core/levels/level_library.cpp src/core/records/items.cpp src/core/random.cpp
