#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, then every test, each stage through its preset in CMakePresets.json (warnings are
# errors in all of them): the normal build with the package test, the whole suite again under
# AddressSanitizer and UBSan, and short runs of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

stage_start=$SECONDS
stage_end() { echo "-- $1: $((SECONDS - stage_start)) s"; stage_start=$SECONDS; }

echo "== format =="
# Every C++ source as .clang-format has it.
git ls-files -z '*.cpp' '*.hpp' '*.h' | xargs -0 clang-format --dry-run --Werror
stage_end "format"

echo "== build and test =="
cmake --workflow --preset dev
stage_end "build and test"

echo "== AddressSanitizer + UBSan =="
# The whole suite again; any sanitizer report fails its test (-fno-sanitize-recover=all).
cmake --workflow --preset asan
stage_end "AddressSanitizer + UBSan"

echo "== short fuzz runs =="
# clang, every library instrumented for libFuzzer; only the fuzz targets are built.
cmake --workflow --preset fuzz
stage_end "short fuzz runs"
