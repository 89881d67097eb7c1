#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from the build folder, has lintian check it (no error, no warning, no note on
# hardening), unpacks it into a scratch folder and runs both programs from there, flexedit with
# no display; checks the desktop entry, the AppStream data and the MIME type that the package
# carries.
#   deb_test.sh BUILD_DIR VERSION
set -euo pipefail
build_dir=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/pkg/*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends

# Every tag at warning level or above fails the test, and so does any hardening note (info level):
# the programs read files from anywhere and are built with Debian's hardening flags.
lintian --fail-on error,warning --display-level '>=warning' "$deb" ||
  { echo "lintian found errors or warnings"; exit 1; }
hardening=$(lintian --display-level '>=info' --tags \
  hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-pie,hardening-no-relro "$deb")
[ -z "$hardening" ] || { echo "lintian hardening notes:"; echo "$hardening"; exit 1; }

dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr
for f in bin/flexedit-cli share/applications/flexedit.desktop \
         share/metainfo/org.flexedit.flexedit.metainfo.xml share/mime/packages/flexedit.xml \
         share/icons/hicolor/scalable/apps/flexedit.svg share/icons/hicolor/48x48/apps/flexedit.png \
         share/man/man1/flexedit-cli.1.gz share/doc/flexedit/copyright \
         share/doc/flexedit/changelog.gz; do
  test -f "$root/$f" || { echo "missing in the package: $f"; exit 1; }
done

"$root/bin/flexedit-cli" --version | head -n1 | grep -qx "flexedit-cli (flexedit) $version"
rows=$("$root/bin/flexedit-cli" --list | grep -c '^Check')
[ "$rows" -eq 33 ] || { echo "flexedit-cli --list gave $rows rows"; exit 1; }
grep -q "<release version=\"$version\"" "$root/share/metainfo/org.flexedit.flexedit.metainfo.xml"
grep -q 'glob pattern="\*.hs"' "$root/share/mime/packages/flexedit.xml"
grep -q '^MimeType=application/x-a835-flex;' "$root/share/applications/flexedit.desktop"
desktop-file-validate "$root/share/applications/flexedit.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.flexedit.flexedit.metainfo.xml"

if [ -f "$root/bin/flexedit" ]; then
  test -f "$root/share/man/man1/flexedit.1.gz" || { echo "no manual page for flexedit"; exit 1; }
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/flexedit" --version |
    head -n1 | grep -qx "flexedit $version"
  for dependency in libqt6widgets6 qt6-translations-l10n; do
    dpkg-deb -f "$deb" Depends | grep -q "$dependency" || { echo "no $dependency"; exit 1; }
  done
fi
echo "lintian clean; flexedit-cli --version and flexedit --version ran from the package"
