#!/usr/bin/env bash
# Builds the Debian package and checks what it holds and what it asks for.
# Exits with 77, a skip to ctest, off Debian's packaging tools.
set -euo pipefail
build=$1
id=$2
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" > /dev/null || { echo "SKIP: needs $tool (packages dpkg, dpkg-dev)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)

fail() { echo "FAIL: $*" >&2; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation fonts-wqy-microhei; do
    grep -q "$needed" <<<"$depends" || fail "the package does not pull in $needed"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/trevalo ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/mime/packages/$id.xml; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
echo "package: $(basename "$deb")"
