#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch folder and runs the command-line tool from there;
# checks the desktop entry, the AppStream data and the MIME type that the package carries.
set -euo pipefail
build_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/pkg/*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends
dpkg-deb -x "$deb" "$scratch/root"

root=$scratch/root/usr
test -x "$root/bin/flexedit-cli"
rows=$("$root/bin/flexedit-cli" --list | grep -c '^Check')
[ "$rows" -eq 33 ] || { echo "flexedit-cli --list gave $rows rows"; exit 1; }

for f in share/applications/flexedit.desktop share/metainfo/org.flexedit.flexedit.metainfo.xml \
         share/mime/packages/flexedit.xml share/icons/hicolor/scalable/apps/flexedit.svg \
         share/icons/hicolor/48x48/apps/flexedit.png share/man/man1/flexedit-cli.1; do
  test -f "$root/$f" || { echo "missing in the package: $f"; exit 1; }
done
grep -q 'glob pattern="\*.hs"' "$root/share/mime/packages/flexedit.xml"
grep -q '^MimeType=application/x-a835-flex;' "$root/share/applications/flexedit.desktop"
desktop-file-validate "$root/share/applications/flexedit.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.flexedit.flexedit.metainfo.xml"
if [ -f "$root/bin/flexedit" ]; then
  dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency"; exit 1; }
fi
