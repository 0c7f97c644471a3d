#!/usr/bin/env bash
# Builds Quib and runs every test twice: in a release build, and in a debug
# build under AddressSanitizer and UndefinedBehaviorSanitizer. Needs no
# display. Installs any missing Debian packages first when run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
start=$SECONDS

source scripts/setup.sh
install_missing "Quib's tests need" "${quib_packages[@]}" "${quib_test_packages[@]}" \
    "${quib_accessibility_test_packages[@]}"
[[ $(id -u) -ne 0 ]] || install_missing "The fuzzers need" "${quib_fuzz_packages[@]}"

export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

echo "=== Release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIB_BUILD_TESTS=ON
cmake --build build/release -j 2
ctest --test-dir build/release --output-on-failure -j 2 </dev/null
echo "=== Installed game"
bash scripts/install_test.sh build/release

echo "=== Sanitizer build and tests"
# The options are set before the build too: test discovery runs the test
# programs while building.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIB_SANITIZE=ON -DQUIB_BUILD_TESTS=ON \
    -DQUIB_BUILD_BENCH=OFF
cmake --build build/asan -j 2
ctest --test-dir build/asan --output-on-failure -j 2 </dev/null

# The file readers' fuzzers, a few seconds each, where clang and its fuzzer
# runtime are installed (clang, libclang-rt-14-dev).
fuzzer_runtime=$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null || true)
if [[ -f $fuzzer_runtime ]]; then
    echo "=== Fuzzers"
    bash scripts/fuzz.sh 5
else
    echo "=== Fuzzers skipped (install clang and libclang-rt-14-dev to run them, or run this script as root)"
fi

echo "=== All tests passed in $((SECONDS - start)) s"
