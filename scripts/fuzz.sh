#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target (or those named) for TIME seconds each, one after another.
#   scripts/fuzz.sh [TIME] [load|edit|conversion|options ...]      TIME defaults to 60
# Builds build-fuzz first (cmake --preset fuzz: clang, everything instrumented). What the runs
# find is kept in fuzz/corpus-run/<target> (not in git) and grows from run to run; findings land
# in build-fuzz/fuzz/long/<target>/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(load edit conversion options)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target $(printf 'fuzz_%s ' "${targets[@]}")

status=0
for target in "${targets[@]}"; do
  work=build-fuzz/fuzz/long/$target
  mkdir -p fuzz/corpus-run/"$target" "$work"
  ln -sfn "$PWD/fuzz/corpus-run/$target" "$work/corpus"
  echo "== fuzz_$target, ${seconds} s"
  FUZZ_KEEP_CORPUS=1 fuzz/run_target.sh build-fuzz/fuzz/fuzz_"$target" fuzz/corpus/"$target" \
    "$work" "$seconds" || status=1
done
exit $status
