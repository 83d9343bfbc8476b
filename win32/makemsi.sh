#!/usr/bin/env bash
# Makes the Windows Installer package of a korval2.exe with wixl (msitools).
#   makemsi.sh WXS VERSION EXE ICON OUTPUT.msi   WXS: korval2.wxs as CMake configured it with the
#                                                product's identity; VERSION as Windows
#                                                Installer has it, three numbers
set -euo pipefail
wxs=$(realpath "$1")
version=$2
shift
output=$(realpath "$4")
# The summary's subject and author, from the package itself.
product() { msiinfo export "$output" Property | tr -d '\r' | sed -n "s/^$1\t//p"; }
# wixl takes the files it packs by paths relative to where it runs.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/korval2.exe"
cp "$3" "$work/korval2.ico"
(cd "$work" && wixl -a x64 -D Version="$version" -D Exe=korval2.exe -D Icon=korval2.ico \
    -o "$output" "$wxs")
# wixl writes the template "x64;1033" whatever the package's language.
code=$(msiinfo suminfo "$output" | sed -n 's/^Revision number (UUID): //p')
msibuild "$output" -s "$(product ProductName)" "$(product Manufacturer)" \
    "x64;$(product ProductLanguage)" "$code"
