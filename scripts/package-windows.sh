#!/usr/bin/env bash
# Makes the Windows Installer package with wixl: build/windows/korval2-<version>-x64.msi for
# 64-bit Windows, or with x86 build/windows-x86/korval2-<version>-x86.msi for 32-bit Windows (and
# 64-bit Windows too), one file to hand to IT, for a silent install per machine
# (msiexec /i PACKAGE /qn). Builds korval2.exe first if need be, and nothing else. Prints the
# package's path as the last line.
#   scripts/package-windows.sh [x86]
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-x64} in
x64) preset=windows purpose=windows ;;
x86) preset=windows-x86 purpose=windows-x86 ;;
*) echo "usage: scripts/package-windows.sh [x86]" >&2; exit 2 ;;
esac
scripts/setup.sh "$purpose" msi >&2
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target msi >&2
cat "build/$preset/msi-package.txt"
