#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one libFuzzer target for a bounded time.
#   run_target.sh BINARY SEEDS WORKDIR SECONDS [libFuzzer options...]
# The seeds are copied into WORKDIR/corpus (new inputs land there, never in SEEDS); crashes and
# other findings go to WORKDIR/findings. Set FUZZ_KEEP_CORPUS=1 to keep what earlier runs found.
set -euo pipefail
binary=$1 seeds=$2 work=$3 seconds=$4
shift 4
[ "${FUZZ_KEEP_CORPUS:-0}" = 1 ] || rm -rf "$work/corpus"
mkdir -p "$work/corpus" "$work/findings"
cp -n "$seeds"/* "$work/corpus/" 2>/dev/null || true
# A target's own dictionary (options.dict for fuzz_options), else the flex one.
dict=$(dirname "$0")/$(basename "$binary" | sed 's/^fuzz_//').dict
[ -f "$dict" ] || dict=$(dirname "$0")/flex.dict
extra=()
[ -f "$dict" ] && extra+=("-dict=$dict")
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
set +e
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/findings/" "${extra[@]}" "$@" "$work/corpus" >"$work/log" 2>&1
rc=$?
set -e
if [ $rc -ne 0 ]; then
  cat "$work/log"
  echo "$(basename "$binary"): finding, exit code $rc; inputs in $work/findings" >&2
  exit $rc
fi
# The last status line (#runs, cov:, ft:, corp:, exec/s) and the final statistics.
grep -E '^#[0-9]+' "$work/log" | tail -1
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/log"
