#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler, so that a broken script
# fails here and not on a user's machine, and reads back the version block and the icons.
set -euo pipefail
windres=$1
script=$2
assets=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$windres" --preprocessor=cpp -I "$assets" -i "$script" -O coff -o "$out/korval2.o"
"$windres" --preprocessor=cpp -I "$assets" -i "$script" -O res -o "$out/korval2.res"
"$windres" -J res -i "$out/korval2.res" -O rc -o "$out/back.rc"

status=0
for expected in 'LANGUAGE 10, 3' 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' \
    'BLOCK "0C0A04B0"' 'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
    'VALUE "Translation", 0xc0a, 1200' 'Has 3 elements'; do
    grep -qF "$expected" "$out/back.rc" || { echo "FAIL: missing $expected"; status=1; }
done
exit $status
