#!/usr/bin/env bash
# Set-up, then every test: the normal build, the whole suite again under AddressSanitizer and
# UBSan, and short runs of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

stage_start=$SECONDS
echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

stage_end() { echo "-- $1: $((SECONDS - stage_start)) s"; stage_start=$SECONDS; }
stage_end "build and test"

echo "== AddressSanitizer + UBSan =="
# The whole suite again; any sanitizer report fails its test (-fno-sanitize-recover=all).
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFLEXEDIT_SANITIZE=ON \
  -DFLEXEDIT_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
stage_end "AddressSanitizer + UBSan"

echo "== short fuzz runs =="
# Only the fuzz targets are built with clang; their short runs are the tests of build-fuzz/fuzz.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DFLEXEDIT_BUILD_FUZZ=ON -DFLEXEDIT_BUILD_GUI=OFF \
  -DFLEXEDIT_BUILD_TESTS=OFF -DFLEXEDIT_BUILD_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_load fuzz_edit fuzz_conversion
ctest --test-dir build-fuzz/fuzz --output-on-failure -L fuzz-short -j "$jobs"
stage_end "short fuzz runs"
