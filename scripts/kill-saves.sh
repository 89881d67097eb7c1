#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills saves at random moments and counts what they leave behind.
#
#   scripts/kill-saves.sh [KILLS] [replace|inplace][+backup][+notmpfile] [CLI]
#
# Each round starts flexedit-cli saving one file 100 times, toggling an option between saves,
# and kills it (SIGKILL) at a random moment of its run. Then it counts entries other than the
# file, its second name and NAME~ (files left, in the file's folder and in the restore folder),
# again after one more save of the file (which removes what killed saves left), files that hold
# neither of the two flexes (torn targets), and copies that hold neither (torn copies: NAME~ and
# the restore folder's). "inplace" gives the file a second name, so that every save writes it in
# place after copying the old content to NAME~. "+backup" runs flexedit-cli with --backup (NAME~
# once per run, before the first save). "+notmpfile" refuses unnamed temporary files (O_TMPFILE)
# through an LD_PRELOAD shim (scripts/no-tmpfile.c), as vfat, NFS and some FUSE file systems do.
set -euo pipefail
kills=${1:-500}
mode=${2:-replace}
backup=() preload=()
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $mode in *+notmpfile*)
  cc -shared -fPIC -o "$work/no-tmpfile.so" "$(dirname "$0")/no-tmpfile.c" -ldl
  preload=(LD_PRELOAD="$work/no-tmpfile.so") ;;
esac
case $mode in *+backup*) backup=(--backup) ;; esac
case $mode in inplace*) inplace=1 ;; *) inplace=0 ;; esac
cli=$(realpath "${3:-build/src/cli/flexedit-cli}")
# env execs the program: the process killed is the save itself.
run=(env XDG_STATE_HOME="$work/state" ${preload[@]+"${preload[@]}"} "$cli")
dir=$work/dir
restore=$work/state/flexedit/restore
mkdir -p "$dir" "$restore"
"${run[@]}" --save "$work/a.ref" >/dev/null
"${run[@]}" --click 'Check1(0)' --save "$work/b.ref" >/dev/null
args=()
for ((k = 0; k < 100; k++)); do args+=(--save "$dir/t.hs" --click 'Check1(0)'); done
args+=(${backup[@]+"${backup[@]}"})

whole() { cmp -s "$1" "$work/a.ref" || cmp -s "$1" "$work/b.ref"; }
strays() {  # entries of both folders besides the file, its second name and NAME~
  local n=0 entry
  for entry in "$dir"/* "$dir"/.[!.]* "$restore"/* "$restore"/.[!.]*; do
    [ -e "$entry" ] || continue
    case $entry in "$dir"/t.hs | "$dir"/t.hs~ | "$dir"/other.hs) ;; *) n=$((n + 1)) ;; esac
  done
  echo "$n"
}
torn_copies() {
  local n=0 entry
  for entry in "$dir"/t.hs~ "$restore"/*; do
    [ -f "$entry" ] && ! whole "$entry" && n=$((n + 1))
  done
  echo "$n"
}
reset() {
  rm -rf "$dir"/* "$dir"/.[!.]* "$restore"/* "$restore"/.[!.]* 2>/dev/null || true
  cp "$work/a.ref" "$dir/t.hs"
  if [ "$inplace" = 1 ]; then ln "$dir/t.hs" "$dir/other.hs"; fi
}

reset
start=$(date +%s%N)
"${run[@]}" "${args[@]}" >/dev/null
span=$((($(date +%s%N) - start) / 1000))  # microseconds of one whole run
echo "one run of 100 saves: $((span / 1000)) ms; $kills kills, mode $mode"

left=0 stayed=0 torn=0 tornCopies=0 unsafe=0
for ((i = 0; i < kills; i++)); do
  "${run[@]}" "${args[@]}" >/dev/null 2>&1 &
  pid=$!
  r=$(((RANDOM * 32768 + RANDOM) % span))
  sleep "$((r / 1000000)).$(printf '%06d' $((r % 1000000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  left=$((left + $(strays)))
  tornCopies=$((tornCopies + $(torn_copies)))
  if ! whole "$dir/t.hs"; then
    torn=$((torn + 1))
    if ! whole "$dir/t.hs~" 2>/dev/null; then unsafe=$((unsafe + 1)); fi
  fi
  "${run[@]}" --save "$dir/t.hs" >/dev/null
  stayed=$((stayed + $(strays)))
  reset
done
echo "files left: $left; still there after the next save: $stayed"
echo "torn targets: $torn (of which without a whole NAME~ beside them: $unsafe); torn copies: $tornCopies"
