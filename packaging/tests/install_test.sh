#!/usr/bin/env bash
# Installs the build into a temporary folder and validates what a desktop
# reads from it: the program, the .desktop entry, the icons, the metainfo,
# the MIME types of the files it opens.
# Exits with 77, a skip to ctest, where the validators are not installed.
set -euo pipefail
build=$1
id=$2
for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" > /dev/null ||
        { echo "SKIP: needs $tool (packages desktop-file-utils, appstream, shared-mime-info)"; exit 77; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$root/usr/bin/trevalo" ] || fail "no program in bin"
for size in 16 24 32 48 64 128 256; do
    [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}x${size} icon"
done
[ -s "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml"
# The MIME file as the desktop reads it: the database builds from it, and
# every suffix the tool opens has a type the entry declares.
update-mime-database "$root/usr/share/mime"
for suffix in cus fit tcx zwo; do
    type=$(sed -n "s/^\(.*\):\*\.$suffix\$/\1/p" "$root/usr/share/mime/globs")
    [ -n "$type" ] || fail "no MIME type for *.$suffix"
    grep -q "^MimeType=.*$type;" "$root/usr/share/applications/$id.desktop" || fail "the entry opens no .$suffix files"
done
# A FIT file is told by its bytes whatever its name, as the tool tells it.
grep -q '\.FIT' "$root/usr/share/mime/magic" || fail "no magic for FIT files"
echo "installed and valid: $root"
