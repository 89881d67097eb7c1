#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what flexedit needs to build, run and test on Debian, when it is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev libpng-dev
  nlohmann-json3-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-dev clang-format
  xvfb xauth
  dbus at-spi2-core python3-pyatspi
  dpkg-dev desktop-file-utils appstream lintian help2man
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
