#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what a Linux desktop reads from it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/korval2 \
    share/applications/io.korval.korval2.desktop \
    share/metainfo/io.korval.korval2.metainfo.xml \
    share/icons/hicolor/16x16/apps/io.korval.korval2.png \
    share/icons/hicolor/32x32/apps/io.korval.korval2.png; do
    [[ -s $prefix/$file ]] || { echo "FAIL: $file not installed"; exit 1; }
done
[[ -x $prefix/bin/korval2 ]] || { echo "FAIL: korval2 is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/io.korval.korval2.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/io.korval.korval2.metainfo.xml"
grep -qx 'Categories=Education;Electronics;' "$prefix/share/applications/io.korval.korval2.desktop"
file "$prefix/share/icons/hicolor/32x32/apps/io.korval.korval2.png" | grep -q '32 x 32'
echo "install: ok"
