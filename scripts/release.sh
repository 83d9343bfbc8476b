#!/usr/bin/env bash
# Makes every file of a version in one folder, build/release/korval2-<version>, for a school's IT
# or a packager: korval2.exe and its installer for 64-bit and for 32-bit Windows, the Debian
# package for this machine's architecture and for arm64 (a Raspberry Pi), the page, both SCORM
# packages, and SHA256SUMS over them. Prints the folder.
#   scripts/release.sh
set -euo pipefail
cd "$(dirname "$0")/.."
msi64=$(scripts/package-windows.sh | tail -n 1)
msi32=$(scripts/package-windows.sh x86 | tail -n 1)
deb=$(scripts/package.sh | tail -n 1)
deb_arm64=$(scripts/package.sh arm64 | tail -n 1)
page=$(scripts/build-web.sh | tail -n 1)
scorm12=$(scripts/package-scorm.sh | tail -n 1)
scorm2004=$(scripts/package-scorm.sh 2004 | tail -n 1)

# The version as the files' names have it: korval2-<version>-x64.msi.
name=$(basename "$msi64" -x64.msi)
folder=build/release/$name
rm -rf "$folder"
mkdir -p "$folder"
cp "$(dirname "$msi64")/korval2.exe" "$folder/$name-x64.exe"
cp "$(dirname "$msi32")/korval2.exe" "$folder/$name-x86.exe"
cp "$msi64" "$msi32" "$deb" "$deb_arm64" "$scorm12" "$scorm2004" "$folder/"
cp "$page" "$folder/$name.html"
(cd "$folder" && sha256sum -- * >SHA256SUMS)
echo "$PWD/$folder"
