#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills saves at random moments and counts what they leave behind.
#
#   scripts/kill-saves.sh [KILLS] [replace|inplace][+backup] [CLI]
#
# Each round starts flexedit-cli saving one file 100 times, toggling an option between saves,
# and kills it (SIGKILL) at a random moment of its run. Then it counts entries other than the
# file itself (temporary files left), again after one more save of the file (which removes what
# a save killed in its last step left), and files that hold neither of the two flexes (mixed).
# "inplace" gives the file a second name, so that every save writes it in place after copying
# the old content to NAME~; a mixed file then must have a whole NAME~ beside it. "+backup" runs
# flexedit-cli with --backup (NAME~ once per run, before the first save).
set -euo pipefail
kills=${1:-500}
mode=${2:-replace}
backup=()
case $mode in *+backup) backup=(--backup) mode=${mode%+backup} ;; esac
cli=$(realpath "${3:-build/src/cli/flexedit-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dir=$work/dir
mkdir "$dir"
"$cli" --save "$work/a.ref" >/dev/null
"$cli" --click 'Check1(0)' --save "$work/b.ref" >/dev/null
args=()
for ((k = 0; k < 100; k++)); do args+=(--save "$dir/t.hs" --click 'Check1(0)'); done
args+=(${backup[@]+"${backup[@]}"})

whole() { cmp -s "$1" "$work/a.ref" || cmp -s "$1" "$work/b.ref"; }
strays() {  # entries of the folder besides the file, its second name and NAME~
  local n=0 entry
  for entry in "$dir"/* "$dir"/.[!.]*; do
    [ -e "$entry" ] || continue
    case ${entry##*/} in t.hs | t.hs~ | other.hs) ;; *) n=$((n + 1)) ;; esac
  done
  echo "$n"
}
reset() {
  rm -rf "$dir"/* "$dir"/.[!.]* 2>/dev/null || true
  cp "$work/a.ref" "$dir/t.hs"
  if [ "$mode" = inplace ]; then ln "$dir/t.hs" "$dir/other.hs"; fi
}

reset
start=$(date +%s%N)
"$cli" "${args[@]}" >/dev/null
span=$((($(date +%s%N) - start) / 1000))  # microseconds of one whole run
echo "one run of 100 saves: $((span / 1000)) ms; $kills kills, mode $mode ${backup[*]-}"

left=0 stayed=0 mixed=0 unsafe=0
for ((i = 0; i < kills; i++)); do
  "$cli" "${args[@]}" >/dev/null 2>&1 &
  pid=$!
  r=$(((RANDOM * 32768 + RANDOM) % span))
  sleep "$((r / 1000000)).$(printf '%06d' $((r % 1000000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  left=$((left + $(strays)))
  if ! whole "$dir/t.hs"; then
    mixed=$((mixed + 1))
    if ! whole "$dir/t.hs~" 2>/dev/null; then unsafe=$((unsafe + 1)); fi
  fi
  "$cli" --save "$dir/t.hs" >/dev/null
  stayed=$((stayed + $(strays)))
  reset
done
echo "temporary files left: $left; still there after the next save: $stayed"
echo "mixed files: $mixed (of which without a whole NAME~ beside them: $unsafe)"
