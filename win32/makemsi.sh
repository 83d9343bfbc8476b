#!/usr/bin/env bash
# Makes the Windows Installer package of a korval2.exe with wixl (msitools).
#   makemsi.sh VERSION EXE ICON OUTPUT.msi      VERSION as Windows Installer has it: three
#                                               numbers, as the project's version
set -euo pipefail
version=$1
wxs=$(realpath "$(dirname "$0")/korval2.wxs")
output=$(realpath "$4")
# wixl takes the files it packs by paths relative to where it runs.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/korval2.exe"
cp "$3" "$work/korval2.ico"
(cd "$work" && wixl -a x64 -D Version="$version" -D Exe=korval2.exe -D Icon=korval2.ico \
    -o "$output" "$wxs")
# wixl writes the template "x64;1033" whatever the package's language: it is Spanish (Spain).
code=$(msiinfo suminfo "$output" | sed -n 's/^Revision number (UUID): //p')
msibuild "$output" -s "KORVAL 2" Korval "x64;3082" "$code"
