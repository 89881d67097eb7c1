#!/bin/sh
# Runs the permission cases of the robustness tests as the user "nobody" when started as root.
# Exit 77 (skipped) when not root or when no unprivileged run is possible here.
set -u
binary=$1
[ "$(id -u)" = 0 ] || { echo "not root: the permission cases ran in the normal run"; exit 77; }
command -v setpriv >/dev/null || { echo "setpriv is missing"; exit 77; }
uid=$(id -u nobody 2>/dev/null) || { echo "no user nobody"; exit 77; }
gid=$(id -g nobody)
as_nobody() { setpriv --reuid="$uid" --regid="$gid" --clear-groups "$@"; }
as_nobody test -x "$binary" || { echo "$binary is not reachable for nobody"; exit 77; }
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
chown "$uid:$gid" "$scratch"
as_nobody env TMPDIR="$scratch" HOME="$scratch" "$binary" \
  --gtest_filter='Permissions.*' 2>&1
