#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A fixed set of flexedit-cli runs, for checking that a change of shape changed no behaviour.
#
#   scripts/cli-runs.sh OUTDIR [CLI]
#
# Each run starts in a fresh scratch folder with the same input files and writes to OUTDIR/NNN:
# the command line, standard output, standard error, the exit status, and the names and contents
# of what its folder holds afterwards. Compare two OUTDIRs with `diff -r`.
set -uo pipefail
out=$(realpath -m "$1")
cli=$(realpath "${2:-build/src/cli/flexedit-cli}")
mkdir -p "$out"
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
# No options file of the user's: the runs see the 33 built-in options only.
export XDG_CONFIG_HOME=$work/config

# Input files, made once by the program itself and by hand.
seed=$work/seed
mkdir "$seed"
(cd "$seed" && "$cli" --save builtin.hs >/dev/null &&
  "$cli" --tick 'Check1(0)' --tick 'Check5(3)' --tick 'Check1(5)' --label 'Ciao' --save ticked.hs >/dev/null &&
  "$cli" --tick 'Check2(1)' --save other.hs >/dev/null)
printf 'AB\r\nCD' >"$seed/short.hs"
printf '0102\n0304\r\n\r\nZZ\r\n' >"$seed/odd.hs"
printf '\xe0\xe8\xff\r\n' >"$seed/ansi.hs"
: >"$seed/empty.hs"
head -c 1048577 /dev/zero >"$seed/big.hs"
mkdir "$seed/folder"

n=0
run() {
  n=$((n + 1))
  local dir case
  case=$(printf '%s/%03d' "$out" "$n")
  dir=$work/run
  rm -rf "$dir"
  cp -a "$seed" "$dir"
  mkdir -p "$case"
  printf '%q ' "$@" | head -c 400 >"$case/command"
  (cd "$dir" && "$cli" "$@" >"$case/stdout" 2>"$case/stderr" </dev/null)
  echo $? >"$case/status"
  (cd "$dir" && find . -type f ! -name 'big.hs' -print0 | sort -z | xargs -0r sha256sum) \
    >"$case/files"
  (cd "$dir" && find . -print | sort) >"$case/names"
}

run
run --json
run --list
run --list --json
run --help
run --version
for group in "1 0 5" "2 0 4" "3 0 4" "4 0 2" "5 0 13"; do
  set -- $group
  for ((i = $2; i <= $3; i++)); do
    run --click "Check$1($i)" --json
    run --click "Check$1($i)" --click "Check$1($i)" --json
  done
done
run --tick 'Check1(4)' --json
run --tick 'Check1(4)' --tick 'Check1(5)' --json
run --tick 'Check1(5)' --json
run --tick 'Check1(5)' --type 'Ciao' --ok --json
run --tick 'Check1(5)' --type 'tredicilettere' --ok --json
run --tick 'Check1(5)' --type '' --ok --json
run --tick 'Check1(5)' --close --json
run --tick 'Check1(5)' --label 'àèìòù€' --json
run --label 'x'
run --ok
run --tick 'Check1(5)' --undo
run --clear 'Check1(0)' --tick 'Check1(0)' --clear 'Check1(0)' --json
run --raw 0 '00FF' --json
run --raw 1 $'\x01\x7f\xc2\x9d' --json
run --raw 2 'ZZ' --json
run --raw 3 'x'
run --raw 0 $'\xff'
run --click 'Check1(0)' --click 'Check2(0)' --undo --json
run --click 'Check1(0)' --undo --undo --redo --redo --json
run --click 'Check1(0)' --undo --click 'Check2(0)' --redo --json
run --open ticked.hs --json
run --open ticked.hs
run --open other.hs --json
run --open short.hs --json
run --open odd.hs --json
run --open ansi.hs --json
run --open empty.hs --json
run --open big.hs
run --open folder
run --open missing.hs
run --open '' --json
run --open ticked.hs --reset --json
run --open ticked.hs --undo --json
run --save out.hs
run --tick 'Check1(0)' --save out.hs --save out.hs
run --save builtin.hs --backup
run --tick 'Check1(0)' --save ticked.hs --backup --tick 'Check1(1)' --save ticked.hs --json
run --save folder
run --save missing/out.hs
run --save ''
run --raw 0 "$(head -c 100000 /dev/zero | tr '\0' 'A')" --save long.hs
run --open ticked.hs --save copy.hs --open copy.hs --json
run --save out.hs --save /dev/null
run --unknown
run --click 'Check9(9)'
run --click
run --save --json
run --open
run diff ticked.hs
run diff ticked.hs --json
run diff ticked.hs other.hs
run diff ticked.hs other.hs --json
run diff builtin.hs
run diff short.hs odd.hs --json
run diff missing.hs
run diff
echo "$n runs in $out"
