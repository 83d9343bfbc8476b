#!/usr/bin/env bash
# Makes the Windows Installer package of a korval2.exe with wixl (msitools).
#   makemsi.sh ARCH WXS VERSION EXE ICON OUTPUT.msi   ARCH: x64 or x86, the exe's; WXS:
#                                                     korval2.wxs as CMake configured it with the
#                                                     product's identity; VERSION as Windows
#                                                     Installer has it, three numbers
set -euo pipefail
arch=$1
wxs=$(realpath "$2")
version=$3
shift 2
output=$(realpath "$4")
# The summary's subject and author, from the package itself.
product() { msiinfo export "$output" Property | tr -d '\r' | sed -n "s/^$1\t//p"; }
# wixl takes the files it packs by paths relative to where it runs.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/korval2.exe"
cp "$3" "$work/korval2.ico"
(cd "$work" && wixl -a "$arch" -D Version="$version" -D Exe=korval2.exe -D Icon=korval2.ico \
    -o "$output" "$wxs")
# wixl writes the template "x64;1033" or "Intel;1033" whatever the package's language.
code=$(msiinfo suminfo "$output" | sed -n 's/^Revision number (UUID): //p')
platform=$(msiinfo suminfo "$output" | sed -n 's/^Template: \([^;]*\);.*/\1/p')
msibuild "$output" -s "$(product ProductName)" "$(product Manufacturer)" \
    "$platform;$(product ProductLanguage)" "$code"
