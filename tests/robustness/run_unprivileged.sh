#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the permission and ownership cases (Permissions.*) of the robustness tests as the user
# "nobody" when started as root, with a file of root's that nobody may write as a member of its
# group "users" (set-group-ID, mode 2660), in a sticky folder that everyone may write
# (FLEXEDIT_FOREIGN_FILE).
# Exit 77 (skipped) when not root or when no unprivileged run is possible here.
set -u
binary=$1
[ "$(id -u)" = 0 ] || { echo "not root: the permission cases ran in the normal run"; exit 77; }
command -v setpriv >/dev/null || { echo "setpriv is missing"; exit 77; }
uid=$(id -u nobody 2>/dev/null) || { echo "no user nobody"; exit 77; }
gid=$(id -g nobody)
users=$(getent group users | cut -d: -f3) || { echo "no group users"; exit 77; }
as_nobody() { setpriv --reuid="$uid" --regid="$gid" --groups="$users" "$@"; }
as_nobody test -x "$binary" || { echo "$binary is not reachable for nobody"; exit 77; }
scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
chown "$uid:$gid" "$scratch"
mkdir -m 1777 "$scratch/foreign"
printf 'the old file\r\n' >"$scratch/foreign/theirs.hs"
chgrp "$users" "$scratch/foreign/theirs.hs"
chmod 2660 "$scratch/foreign/theirs.hs"
as_nobody env TMPDIR="$scratch" HOME="$scratch" FLEXEDIT_FOREIGN_FILE="$scratch/foreign/theirs.hs" \
  "$binary" --gtest_filter='Permissions.*' 2>&1
